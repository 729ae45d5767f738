// Radiation equivalent dose; base unit sievert.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Sievert", "Sv", "1"),
    Both("Röntgen Equivalent Man", "rem", "0,01"),
    Pair("Joule pro Kilogramm", "Joule per Kilogram", "J/kg", "1"),
};

}  // namespace

QUARNELO_BUILDER(radiationequivalentdose, 0, 1, 2, 0, 1, 2, kRows)
