#include "ui/u_userunits.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Tuserunits::Tuserunits(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Tuserunits"));
    resize(620, 480);
    Sprache();
}

void Tuserunits::Sprache() {
    setWindowTitle(programm_.deutsch() ? QStringLiteral("Benutzerdefinierte Einheiten") : QStringLiteral("User-Defined Units"));
}

}  // namespace quarnelo::ui
