// Placeholder of the window Tbugreport_de; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Tbugreport_de : public QWidget {
    Q_OBJECT
public:
    explicit Tbugreport_de(Programm& programm);
    void sprache();

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
