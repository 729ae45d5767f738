// Placeholder of the window Tuserunits; its content comes with its own work item.
#pragma once

#include <QWidget>

namespace quarnelo::ui {

struct Programm;

class Tuserunits : public QWidget {
    Q_OBJECT
public:
    explicit Tuserunits(Programm& programm);
    void Sprache();

private:
    Programm& programm_;
};

}  // namespace quarnelo::ui
