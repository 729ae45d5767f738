#include "ui/u_bugreport_en.h"

#include "ui/programm.h"

namespace quarnelo::ui {

Tbugreport_en::Tbugreport_en(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Tbugreport_en"));
    resize(480, 360);
    sprache();
}

void Tbugreport_en::sprache() {
    setWindowTitle(QStringLiteral("Report Bug or Improvement"));
}

}  // namespace quarnelo::ui
