// Torque; base unit newton metre.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Newtonmeter", "Newton Metre", "Nm", "1"),
    OnlyDe("Meterkilogramm", "mkg", "0,101971621"),
    Both("Metre Kilogram", "mkg", "0,101971621"),

    Group("Angloamerikanisch", "Anglo American"),  // international pound and foot, standard gravity
    Both("Inch-Pound", "in·lbf", "inch*0,45359237*9,80665"),
    Both("Foot-Pound", "ft·lbf", "0,3048*0,45359237*9,80665"),
    Both("Foot-Poundal", "ft·pdl", "0,3048*0,3048*0,45359237"),
    Both("Inch-Ounce", "in·ozf", "inch*0,028349523125*9,80665"),
    Both("Kip-Inch", "kip·in", "inch*453,59237*9,80665"),
    Both("Kip-Foot", "kip·ft", "0,3048*453,59237*9,80665"),
};

}  // namespace

QUARNELO_BUILDER(torque, 0, 1, 4, 0, 1, 4, kRows)
