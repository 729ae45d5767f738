// Pressure; base unit pascal.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Metrisch", "Metric"),
    Both("Pascal", "Pa", "1"),
    Pair("Hektopascal", "Hectopascal", "hPa", "100"),
    Both("Kilopascal", "kPa", "1000"),
    Both("Bar", "bar", "100000"),
    Both("Pièze/Pieze (MTS)", "pz", "1000"),
    Both("Barye (CGS)", "Ba", "0,1"),

    Group("Angloamerikanisch", "Anglo American"),  // avoirdupois pound, international inch and foot, standard gravity
    Both("Pound per Square Inch", "psi", "0,45359237*9,80665/sqinch"),
    Both("Pound per Square Foot", "psf", "0,45359237*9,80665/(sqinch*144)"),
    Both("Kilogramm Force per Square Metre", "kgf/m²", "9,80665"),
    Both("Kip per Square Inch", "ksi", "453,59237*9,80665/sqinch"),
    Both("Poundal per Square Foot", "pdl/sq ft", "1,488164 "),
    Both("Ounce per Square Inch", "osi", "0,028349523125*9,80665/sqinch"),
    Both("Kip per Square Foot", "ksf", "453,59237*9,80665/(sqinch*144)"),
    Both("Short Ton per Square Foot", "tsf", "907,18474*9,80665/(sqinch*144)"),
    Both("Short Ton per Square Inch", "tsi", "907,18474*9,80665/sqinch"),
    Both("Long Ton per Square Inch", "LT/in²", "1016,0469088*9,80665/sqinch"),

    Group("Atmosphäre", "Atmosphere"),
    Pair("Physikalische Atmosphäre", "Standard Atmosphere", "atm", "101325"),
    Pair("Technische Atmosphäre", "Technical Atmosphere", "at", "98066,5"),
    Pair("Kilopond pro Quadratzentimeter", "Kilogram-Force per Square Centimetre", "kp/cm²", "98066,5"),
    Both("Millibar", "mbar", "100"),

    Group("Wasser", "Water"),  // 1000 kg/m³ at standard gravity; German list adds the English names
    Pair("Millimeter Wassersäule", "Millimetre of Water", "mmH₂O", "9,80665"),
    OnlyDe("Millimetre of Water", "mmH₂O", "9,80665"),
    Pair("Zentimeter Wassersäule", "Centimetre of Water", "cmH₂O", "98,0665"),
    OnlyDe("Centimetre of Water", "cmH₂O", "98,0665"),
    Pair("Meter Wassersäule", "Metre of Water", "mH₂O", "9806,65"),
    OnlyDe("Metre of Water", "mH₂O", "9806,65"),
    Pair("Zoll Wassersäule", "Inch of Water", "inH₂O", "inch*9806,65"),
    OnlyDe("Inch of Water", "inH₂O", "inch*9806,65"),
    Pair("Fuß Wassersäule", "Foot of Water", "ftH₂O", "0,3048*9806,65"),
    OnlyDe("Foot of Water", "ftH₂O", "0,3048*9806,65"),

    Group("Quecksilber", "Mercury"),  // 13595,1 kg/m³ at standard gravity; German list adds the English names
    Both("Torr", "", "101325/760"),
    Pair("Millimeter Quecksilbersäule", "Millimetre of Mercury", "mmHg", "133,322387415"),
    OnlyDe("Millimetre of Mercury", "mmHg", "133,322387415"),
    Pair("Zentimeter Quecksilbersäule", "Centimetre of Mercury", "cmHg", "1013250/760"),
    OnlyDe("Centimetre of Mercury", "cmHg", "1013250/760"),
    Pair("Zentimeter Quecksilbersäule", "Centimetre of Mercury", "cmHg", "1,333224E3"),
    OnlyDe("Centimetre of Mercury", "cmHg", "1,333224E3"),
    Pair("Zoll Quecksilbersäule", "Inch of Mercury", "inHg", "inch*133322,387415"),
    OnlyDe("Inch of Mercury", "inHg", "inch*133322,387415"),
    Pair("Fuß Quecksilbersäule", "Foot of Mercury", "ftHg", "0,3048*133322,387415"),
    OnlyDe("Foot of Mercury", "ftHg", "0,3048*133322,387415"),
    Pair("Meter Quecksilbersäule", "Metre of Mercury", "mHg", "133322,387415"),
    OnlyDe("Metre of Mercury", "mHg", "133322,387415"),
    Pair("Mikrometer Quecksilbersäule", "Micrometre of Mercury", "µmHg", "0,133322387415"),
    OnlyDe("Micrometre of Mercury", "µmHg", "0,133322387415"),

    Group("Physik", "Physics"),  // CODATA; energy density in the same dimension
    Pair("Newton pro Quadratmeter", "Newton per Square Metre", "N/m²", "1"),
    Pair("Dyn pro Quadratzentimeter", "Dyne per Square Centimetre", "dyn/cm²", "0,1"),
    Pair("Joule pro Kubikmeter", "Joule per Cubic Metre", "J/m³", "1"),
    Pair("Megaelektronenvolt pro Kubikfemtometer", "Megaelectronvolt per Cubic Femtometre", "MeV/fm³", "1,602176634E32"),
    Pair("Atomare Einheit des Drucks", "Atomic Unit of Pressure", "", "2,94210156974E13"),
    Pair("Planck-Druck", "Planck Pressure", "", "4,63309E113"),

    Group("Vergleiche", "Comparisons"),  // typical and measured values; gauge pressures for tyres and vessels
    Pair("Hörschwelle (Schalldruck)", "Threshold of Hearing (Sound Pressure)", "", "0,00002"),
    Pair("Oberfläche des Mars (Mittel)", "Surface of Mars (Mean)", "", "610"),
    Pair("Tripelpunkt des Wassers", "Triple Point of Water", "", "611,657"),
    Pair("Diastolischer Blutdruck (80 mmHg)", "Diastolic Blood Pressure (80 mmHg)", "", "80*133,322387415"),
    Pair("Systolischer Blutdruck (120 mmHg)", "Systolic Blood Pressure (120 mmHg)", "", "120*133,322387415"),
    Pair("Gipfel des Mount Everest", "Summit of Mount Everest", "", "33700"),
    Pair("Oberfläche des Titan", "Surface of Titan", "", "146700"),
    Pair("Autoreifen (Überdruck)", "Car Tyre (Gauge)", "", "220000"),
    Pair("Sektflasche (Überdruck)", "Champagne Bottle (Gauge)", "", "600000"),
    Pair("Rennradreifen (Überdruck)", "Racing Bicycle Tyre (Gauge)", "", "700000"),
    Pair("Espressomaschine (Brühdruck)", "Espresso Machine (Brewing Pressure)", "", "900000"),
    Pair("Oberfläche der Venus", "Surface of Venus", "", "9,2E6"),
    Pair("Tauchflasche (Fülldruck)", "Scuba Tank (Filling Pressure)", "", "2E7"),
    Pair("Challengertief (Meeresgrund)", "Challenger Deep (Sea Floor)", "", "1,086E8"),
    Pair("Wasserstrahlschneiden", "Water Jet Cutting", "", "4E8"),
    Pair("Erdkern (Zentrum)", "Earth's Core (Centre)", "", "3,6E11"),
    Pair("Zentrum der Sonne", "Centre of the Sun", "", "2,65E16"),
};

}  // namespace

QUARNELO_BUILDER(pressure, 0, 31, 8, 0, 26, 8, kRows)
