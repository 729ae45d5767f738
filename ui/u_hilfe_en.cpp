#include "ui/u_hilfe_en.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Thilfe_en::Thilfe_en(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Thilfe_en"));
    resize(600, 480);
    sprache();
}

void Thilfe_en::sprache() {
    setWindowTitle(QStringLiteral("Help"));
}

void Thilfe_en::SeiteZeigen(int) {
    show();
    raise();
    activateWindow();
}

}  // namespace quarnelo::ui
