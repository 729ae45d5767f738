// Placeholder of the window Toptionen; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Toptionen : public QWidget {
    Q_OBJECT
public:
    explicit Toptionen(Programm& programm);
    void Sprache();

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
