#include "ui/u_optionen.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Toptionen::Toptionen(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Toptionen"));
    resize(560, 460);
    Sprache();
}

void Toptionen::Sprache() {
    setWindowTitle(programm_.deutsch() ? QStringLiteral("Optionen") : QStringLiteral("Options"));
}

}  // namespace quarnelo::ui
