#include "ui/u_hilfe.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Thilfe::Thilfe(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Thilfe"));
    resize(600, 480);
    sprache();
}

void Thilfe::sprache() {
    setWindowTitle(QStringLiteral("Hilfe"));
}

void Thilfe::SeiteZeigen(int) {
    show();
    raise();
    activateWindow();
}

}  // namespace quarnelo::ui
