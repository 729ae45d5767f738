// Radiation exposure (ion dose); base unit röntgen.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Röntgen", "R", "1"),
    Both("Parker", "", "1"),
    Both("Röntgen Equivalent Man", "rem", "0,0838"),
    Both("Röntgen Equivalent Physical", "", "1"),
    Both("Sievert", "Sv", "8,38"),
    Pair("Coulomb pro Kilogramm", "Coulomb per Kilogram", "C/kg", "3875,9689922480"),
    Pair("Microcoulomb pro Kilogramm", "Microcoulomb per Kilogram", "µC/kg", "0,0038759689922480"),
    Pair("Millicoulomb pro Kilogramm", "Millicoulomb per Kilogram", "mC/kg", "3,8759689922480"),
};

}  // namespace

QUARNELO_BUILDER(radiationexposure, 0, 1, 5, 0, 1, 5, kRows)
