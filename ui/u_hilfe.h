// Placeholder of the window Thilfe; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Thilfe : public QWidget {
    Q_OBJECT
public:
    explicit Thilfe(Programm& programm);
    void sprache();

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
