// Pictures of every window in both languages, rendered without a display.
#pragma once

#include <QString>

namespace quarnelo::ui {

struct Programm;

/// Writes <window>-<lang>.png for the eight windows and Tprog-table-<lang>.png
/// for the table of the first category into `ordner`. Returns an exit code.
int Bildschirmfotos(Programm& p, const QString& ordner);

}  // namespace quarnelo::ui
