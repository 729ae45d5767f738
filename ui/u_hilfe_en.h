// Placeholder of the window Thilfe_en; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Thilfe_en : public QWidget {
    Q_OBJECT
public:
    explicit Thilfe_en(Programm& programm);
    void sprache();
    /// Shows the window (brings it up when shown) with `seite` (Thilfe::Seite)
    /// as the active page.
    void SeiteZeigen(int seite);

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
