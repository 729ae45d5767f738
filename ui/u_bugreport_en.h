// Placeholder of the window Tbugreport_en; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Tbugreport_en : public QWidget {
    Q_OBJECT
public:
    explicit Tbugreport_en(Programm& programm);
    void sprache();

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
