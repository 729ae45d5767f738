// Volume flow; base unit cubic metre per second.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Kubikmeter pro Sekunde", "Cubic Metre per Second", "m³/s", "1"),
    Pair("Kubikmeter pro Minute", "Cubic Metre per Minute", "m³/min", "1/60"),
    Pair("Kubikmeter pro Stunde", "Cubic Metre per Hour", "m³/h", "1/3600"),
    Pair("Liter pro Sekunde", "Litre per Second", "LPS", "0,001"),
    Pair("Liter pro Minute", "Litre per Minute", "LPM", "0,001/60"),
    Pair("Liter pro Stunde", "Litre per Hour", "LPH", "0,001/3600"),
    Both("Sverdrup", "Sv", "1000000"),
    Both("Cumec", "cms", "1"),
    // International foot, US gallon of 231 cubic inches, imperial gallon of
    // 4,54609 litres, oil barrel of 42 US gallons; the German list also names
    // each unit in German.
    Group("Angloamerikanisch", "Anglo American"),
    OnlyDe("Kubikfuß pro Sekunde", "cfs", "0,028316846592"),
    Both("Cubic Foot per Second", "cfs", "0,028316846592"),
    OnlyDe("Kubikfuß pro Minute", "cfm", "0,028316846592/60"),
    Both("Cubic Foot per Minute", "cfm", "0,028316846592/60"),
    OnlyDe("Gallonen pro Minute (US)", "gpm", "cuinch*231/60"),
    Both("Gallon per Minute (US)", "gpm", "cuinch*231/60"),
    OnlyDe("Gallonen pro Minute (Imperial)", "gpm (Imp)", "0,00454609/60"),
    Both("Gallon per Minute (Imperial)", "gpm (Imp)", "0,00454609/60"),
    OnlyDe("Millionen Gallonen pro Tag (US)", "MGD", "cuinch*231000000/86400"),
    Both("Million Gallons per Day (US)", "MGD", "cuinch*231000000/86400"),
    OnlyDe("Acre-Fuß pro Tag", "ac-ft/d", "1233,48183754752/86400"),
    Both("Acre-Foot per Day", "ac-ft/d", "1233,48183754752/86400"),
    OnlyDe("Barrel pro Tag (Öl)", "bbl/d", "cuinch*9702/86400"),
    Both("Barrel per Day (Oil)", "bbl/d", "cuinch*9702/86400"),
    Group("Vergleiche", "Comparisons"),  // mean values
    Pair("Herzzeitvolumen in Ruhe", "Cardiac Output at Rest", "", "0,005/60"),
    Pair("Amazonas an der Mündung", "Amazon at its Mouth", "", "209000"),
    Pair("Floridastrom (Golfstrom)", "Florida Current (Gulf Stream)", "", "32000000"),
};

}  // namespace

QUARNELO_BUILDER(flow, 0, 3, 6, 0, 3, 6, kRows)
