// Force; base unit newton.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Metrisch", "Metric"),
    Both("Nanonewton", "nN", "0,000000001"),
    Both("Micronewton", "", "0,000001"),
    Both("Millinewton", "mN", "0,001"),
    Both("Newton", "N", "1"),
    Both("Kilonewton", "KN", "1000"),
    Both("Meganewton", "MN", "1000000"),
    Both("Giganewton", "GN", "1000000000"),
    Pair("Joule pro Meter", "Joule per Metre", "J/m", "1"),
    Pair("Pascal pro Quadratmeter", "Pascal per Square Metre", "Pa/m²", "1"),
    Both("Dyne (CGS)", "dyn", "1E-5"),
    Both("Sthen (Mieschen)", "sn", "100"),
    Both("Sthen/Sthène (MTS)", "sn", "1000"),

    Group("Angloamerikanisch", "Anglo American"),  // avoirdupois pound 0,45359237 kg, standard gravity
    Pair("Pfund-Kraft", "Pound-Force", "lbf", "0,45359237*9,80665"),
    Pair("Unze-Kraft", "Ounce-Force", "ozf", "0,028349523125*9,80665"),
    Both("Kip", "kip", "453,59237*9,80665"),
    Both("Poundal", "pdl", "0,45359237*0,3048"),
    Pair("Short Ton-Kraft", "Short Ton-Force", "tnf", "907,18474*9,80665"),
    Pair("Long Ton-Kraft", "Long Ton-Force", "LTf", "1016,0469088*9,80665"),
    Pair("Grain-Kraft", "Grain-Force", "grf", "0,00006479891*9,80665"),

    Group("Schwerkraft", "Gravitational"),  // standard gravity 9,80665 m/s²; surface gravity after NASA fact sheets
    Pair("Pond", "Gram-Force", "p", "0,00980665"),
    Both("Kilopond", "kp", "9,80665"),
    Both("Kraftkilogramm (kgp, kgf)", "", "9,80665"),
    Pair("Megapond", "Tonne-Force", "Mp", "9806,65"),
    Pair("Gewicht eines Kilogramms auf dem Mond", "Weight of a Kilogram on the Moon", "", "1,62"),
    Pair("Gewicht eines Kilogramms auf dem Mars", "Weight of a Kilogram on Mars", "", "3,71"),
    Pair("Gewicht eines Kilogramms auf dem Jupiter", "Weight of a Kilogram on Jupiter", "", "24,79"),

    Group("Physik", "Physics"),  // CODATA; energy per length as used in particle and atomistic physics
    Pair("Planck-Kraft", "Planck Force", "FP", "1,21027E44"),
    Pair("Atomare Einheit der Kraft", "Atomic Unit of Force", "", "8,2387234983E-8"),
    Pair("Kilogramm-Meter pro Quadratsekunde", "Kilogram Metre per Second Squared", "kg·m/s²", "1"),
    Pair("Erg pro Zentimeter", "Erg per Centimetre", "erg/cm", "1E-5"),
    Pair("Joule pro Zentimeter", "Joule per Centimetre", "J/cm", "100"),
    Pair("Elektronenvolt pro Meter", "Electronvolt per Metre", "eV/m", "1,602176634E-19"),
    Pair("Elektronenvolt pro Ångström", "Electronvolt per Ångström", "eV/Å", "1,602176634E-9"),
    Pair("Kiloelektronenvolt pro Mikrometer", "Kiloelectronvolt per Micrometre", "keV/µm", "1,602176634E-10"),
    Pair("Megaelektronenvolt pro Zentimeter", "Megaelectronvolt per Centimetre", "MeV/cm", "1,602176634E-11"),
    Pair("Gigaelektronenvolt pro Femtometer", "Gigaelectronvolt per Femtometre", "GeV/fm", "1,602176634E5"),

    Group("Andere", "Others"),  // proposed British unit of 1 decinewton
    Both("Crinal", "", "0,1"),

    Group("Vergleiche", "Comparisons"),  // weights at standard gravity, rated thrusts, measured bite forces
    Pair("Gewicht einer 1-Euro-Münze", "Weight of a 1 Euro Coin", "", "0,0075*9,80665"),
    Pair("Gewicht eines Apfels (100 g)", "Weight of an Apple (100 g)", "", "0,1*9,80665"),
    Pair("Gewicht eines Erwachsenen (70 kg)", "Weight of an Adult (70 kg)", "", "70*9,80665"),
    Pair("Beißkraft des Menschen (Backenzähne)", "Human Bite Force (Molars)", "", "720"),
    Pair("Gewicht eines Autos (1,5 t)", "Weight of a Car (1,5 t)", "", "1500*9,80665"),
    Pair("Beißkraft eines Leistenkrokodils", "Bite Force of a Saltwater Crocodile", "", "16414"),
    Pair("Schub eines Strahltriebwerks GE90-115B", "Thrust of a GE90-115B Jet Engine", "", "115300*0,45359237*9,80665"),
    Pair("Schub der Saturn V beim Start", "Thrust of the Saturn V at Lift-Off", "", "3,4E7"),
    Pair("Gewicht des Eiffelturms", "Weight of the Eiffel Tower", "", "10100000*9,80665"),
    Pair("Anziehungskraft zwischen Erde und Mond", "Gravitational Force between Earth and Moon", "", "1,98E20"),
    Pair("Anziehungskraft zwischen Sonne und Erde", "Gravitational Force between Sun and Earth", "", "3,54E22"),
};

}  // namespace

QUARNELO_BUILDER(force, 3, 15, 21, 3, 15, 21, kRows)
