#include "ui/u_bugreport_de.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Tbugreport_de::Tbugreport_de(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Tbugreport_de"));
    resize(480, 360);
    sprache();
}

void Tbugreport_de::sprache() {
    setWindowTitle(QStringLiteral("Fehler oder Verbesserung melden"));
}

}  // namespace quarnelo::ui
