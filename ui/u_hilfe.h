// The German help window. Its pages are those of Hilfefenster::Seite
// (Thilfe::pc_hilfe … Thilfe::pc_lizenz).
#pragma once

#include "ui/hilfefenster.h"

namespace quarnelo::ui {

class Thilfe : public Hilfefenster {
    Q_OBJECT
public:
    explicit Thilfe(Programm& programm);

    QPushButton* btide1;  // "<< zurück"
    QPushButton* btide2;  // "weiter >>"
    QLabel* Image2;       // the logo
};

}  // namespace quarnelo::ui
