// Density; base unit kilogram per cubic metre.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Kilogramm pro Kubikmeter", "Kilogram per Cubic Metre", "kg/m³", "1"),
    Pair("Kilogramm pro Liter", "Kilogram per Litre", "kg/L", "1000"),
    Pair("Gramm pro Milliliter", "Gram per Millilitre", "g/mL", "1000"),
    Pair("Gramm pro Liter", "Gram per Litre", "g/L", "1"),
    Both("Slug per Cubic Foot", "slug/ft³", "515,3788184"),
    OnlyDe("Slug pro Kubikfuß", "slug/ft³", "515,3788184"),

    // International avoirdupois pound (0,45359237 kg) and ounce (1/16 lb), international inch,
    // imperial gallon 4,54609 L, US gallon 231 cubic inches; long ton 2240 lb, short ton 2000 lb.
    // The German list names each unit under its English and its German name.
    Group("Avoirdupois"),
    Both("Ounce per Cubic Foot", "oz/ft³", "0,028349523125/(cuinch*1728)"),
    OnlyDe("Unze pro Kubikfuß", "oz/ft³", "0,028349523125/(cuinch*1728)"),
    Both("Ounce per Cubic Inch", "oz/in³", "0,028349523125/cuinch"),
    OnlyDe("Unze pro Kubikzoll", "oz/in³", "0,028349523125/cuinch"),
    Both("Pound per Cubic Foot", "lb/ft³", "0,45359237/(cuinch*1728)"),
    OnlyDe("Pfund pro Kubikfuß", "lb/ft³", "0,45359237/(cuinch*1728)"),
    Both("Pound per Cubic Inch", "lb/in³", "0,45359237/cuinch"),
    OnlyDe("Pfund pro Kubikzoll", "lb/in³", "0,45359237/cuinch"),
    Both("Pound per Gallon (Imperial)", "lb/gal", "0,45359237/0,00454609"),
    OnlyDe("Pfund pro Gallone (Imperial)", "lb/gal", "0,45359237/0,00454609"),
    Both("Pound per Gallon (US)", "lb/gal", "0,45359237/(cuinch*231)"),
    OnlyDe("Pfund pro Gallone (US)", "lb/gal", "0,45359237/(cuinch*231)"),
    Both("Long Ton per Cubic Yard", "LT/yd³", "0,45359237*2240/(cuinch*46656)"),
    OnlyDe("Lange Tonne pro Kubikyard", "LT/yd³", "0,45359237*2240/(cuinch*46656)"),
    Both("Short Ton per Cubic Yard", "ST/yd³", "0,45359237*2000/(cuinch*46656)"),
    OnlyDe("Kurze Tonne pro Kubikyard", "ST/yd³", "0,45359237*2000/(cuinch*46656)"),

    // CGS unit; Planck mass over the cube of the Planck length (CODATA 2018).
    Group("Physik", "Physics"),
    Pair("Gramm pro Kubikzentimeter (CGS)", "Gram per Cubic Centimetre (CGS)", "g/cm³", "1000"),
    Pair("Planck-Dichte", "Planck Density", "ρP", "5,154848E96"),

    // Gases at 0 °C and 1013,25 hPa unless stated; solids and liquids at room temperature;
    // mean densities of celestial bodies after the NASA planetary fact sheets.
    Group("Vergleiche", "Comparisons"),
    Pair("Wasserstoff (0 °C)", "Hydrogen (0 °C)", "", "0,08988"),
    Both("Helium (0 °C)", "", "0,1786"),
    Pair("Luft (15 °C, Meereshöhe)", "Air (15 °C, Sea Level)", "", "1,225"),
    Pair("Kohlendioxid (0 °C)", "Carbon Dioxide (0 °C)", "", "1,977"),
    Pair("Saturn (mittlere Dichte)", "Saturn (Mean Density)", "", "687"),
    Both("Ethanol (20 °C)", "", "789,3"),
    Pair("Eis (0 °C)", "Ice (0 °C)", "", "916,7"),
    Pair("Wasser (4 °C)", "Water (4 °C)", "", "999,972"),
    Pair("Meerwasser", "Seawater", "", "1025"),
    Pair("Sonne (mittlere Dichte)", "Sun (Mean Density)", "", "1408"),
    Both("Aluminium", "", "2699"),
    Pair("Mond (mittlere Dichte)", "Moon (Mean Density)", "", "3344"),
    Pair("Diamant", "Diamond", "", "3515"),
    Pair("Erde (mittlere Dichte)", "Earth (Mean Density)", "", "5514"),
    Pair("Eisen", "Iron", "", "7874"),
    Pair("Kupfer", "Copper", "", "8960"),
    Pair("Blei", "Lead", "", "11340"),
    Pair("Quecksilber (0 °C)", "Mercury (0 °C)", "", "13595,1"),
    Both("Gold", "", "19320"),
    Both("Osmium", "", "22590"),
    Pair("Atomkern", "Atomic Nucleus", "", "2,3E17"),
};

}  // namespace

QUARNELO_BUILDER(density, 0, 6, 3, 0, 6, 3, kRows)
