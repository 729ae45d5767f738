// Illuminance; base unit lux.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Lux", "lx", "1"),
    Both("Nox", "nx", "0,001"),
    Both("Phot (CGS)", "ph", "1E4"),
    Both("Lumen per Square Inch", "lm/in²", "1550,0031"),
    Both("Lumen per Square Foot", "lm/ft²", "10,763910417"),
    Both("Lumen pro Quadratzoll", "lm/in²", "1550,0031"),
    Both("Lumen pro Quadratfuß", "lm/ft²", "10,763910417"),
    Both("Footcandle", "fc", "10,763910417"),

    Group("Vergleiche", "Comparisons"),  // typical values; office after EN 12464-1
    Pair("Sternenlicht (mondlose Nacht)", "Starlight (Moonless Night)", "", "0,002"),
    Pair("Vollmond", "Full Moon", "", "0,25"),
    Pair("Ende der bürgerlichen Dämmerung", "End of Civil Twilight", "", "3,4"),
    Pair("Straßenbeleuchtung", "Street Lighting", "", "10"),
    Pair("Wohnzimmer", "Living Room", "", "50"),
    Pair("Büroarbeitsplatz", "Office Workplace", "", "500"),
    Pair("Bedeckter Himmel am Tag", "Overcast Daylight", "", "1000"),
    Pair("Direktes Sonnenlicht", "Direct Sunlight", "", "100000"),
};

}  // namespace

QUARNELO_BUILDER(illuminance, 0, 2, 1, 0, 2, 1, kRows)
