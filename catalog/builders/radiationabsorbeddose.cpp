// Radiation absorbed dose; base unit gray (joule per kilogram).
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Gray", "Gy", "1"),
    Both("Rad", "rd", "0,01"),
    Both("Röntgen Equivalent Physical", "rep", "0,012"),
    Pair("Erg pro Gramm", "Erg per Gram", "", "0,0001"),  // 1 erg/g = 1E-7 J / 1E-3 kg
    Pair("Joule pro Kilogramm", "Joule per Kilogram", "J/kg", "1"),
    Pair("Milicoloumb pro Kilogramm", "Milicoloumb per Kilogram", "mC/kg", "0,046512"),
};

}  // namespace

QUARNELO_BUILDER(radiationabsorbeddose, 0, 1, 2, 0, 1, 2, kRows)
