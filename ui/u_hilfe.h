// Placeholder of the window Thilfe; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Thilfe : public QWidget {
    Q_OBJECT
public:
    // The pages of the page control pc, in their order.
    enum Seite { pc_hilfe, pc_empf, pc_software, pc_spenden, pc_lizenz };

    explicit Thilfe(Programm& programm);
    void sprache();
    /// Shows the window (brings it up when shown) with `seite` as the active page.
    void SeiteZeigen(int seite);

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
