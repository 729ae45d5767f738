// The English help window; its pages are those of the German one
// (Thilfe::pc_hilfe … Thilfe::pc_lizenz).
#pragma once

#include "ui/hilfefenster.h"

namespace quarnelo::ui {

class Thilfe_en : public Hilfefenster {
    Q_OBJECT
public:
    explicit Thilfe_en(Programm& programm);

    QPushButton* btien1;  // "<< back"
    QPushButton* btien2;  // "next >>"
    QLabel* Image3;       // the logo
};

}  // namespace quarnelo::ui
