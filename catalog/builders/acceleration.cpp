// Acceleration; base unit metre per second squared.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Meter pro Quadratsekunde", "Metre per Second Squared", "m/s²", "1"),
    Pair("Zentimeter pro Quadratsekunde", "Centimetre per Second Squared", "cm/s²", "0,01"),
    Both("Galileo", "Gal", "0,01"),
    Pair("Standardgravitation", "Standard Gravity", "g", "9,80665"),
    Both("Eötvös", "E", "1E-9"),
    // International inch, foot, yard and mile; the German list also names
    // each unit in German.
    Group("Anglo American"),
    OnlyDe("Zoll pro Quadratsekunde", "in/s²", "inch"),
    Both("Inch per Second Squared", "in/s²", "inch"),
    OnlyDe("Fuß pro Quadratsekunde", "ft/s²", "0,3048"),
    Both("Foot per Second Squared", "ft/s²", "0,3048"),
    OnlyDe("Yard pro Quadratsekunde", "yd/s²", "0,9144"),
    Both("Yard per Second Squared", "yd/s²", "0,9144"),
    OnlyDe("Fuß pro Quadratminute", "ft/min²", "0,3048/3600"),
    Both("Foot per Minute Squared", "ft/min²", "0,3048/3600"),
    OnlyDe("Meilen pro Stunde pro Sekunde", "mph/s", "0,44704"),
    Both("Mile per Hour per Second", "mph/s", "0,44704"),
    OnlyDe("Meilen pro Quadratstunde", "mi/h²", "1609,344/12960000"),
    Both("Mile per Hour Squared", "mi/h²", "1609,344/12960000"),
    OnlyDe("Meilen pro Quadratminute", "mi/min²", "1609,344/3600"),
    Both("Mile per Minute Squared", "mi/min²", "1609,344/3600"),
    OnlyDe("Meilen pro Quadratsekunde", "mi/s²", "1609,344"),
    Both("Mile per Second Squared", "mi/s²", "1609,344"),
    Group("Nautisch", "Nautical"),  // international knot, 1852 m per hour
    Pair("Knoten pro Sekunde", "Knot per Second", "kn/s", "1852/3600"),
};

}  // namespace

QUARNELO_BUILDER(acceleration, 0, 12, 21, 0, 12, 21, kRows)
