// Luminance; base unit candela per square metre.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Candela pro Quadratmeter", "Candela per Square Metre", "cd/m²", "1"),
    Pair("Candela per Quadratzentimeter", "Candela per Square Centimetre", "cd/cm²", "1E4"),
    Pair("Troland (Dunkel, 41,6mm²)", "Troland (Dark, 41,6mm²)", "Td", "x/41,6&x*41,6"),
    Pair("Troland (Hell, 3,14mm²)", "Troland (Bright, 3,14mm²)", "Td", "x/3,14&x*3,14"),
    Both("Nit", "", "1"),
    Both("Candela per Square Foot", "cd/ft²", "10,763910417"),
    Both("Candela per Square Inch", "cd/in²", "1550,0031"),
    Both("Candela pro Quadratfuß", "cd/ft²", "10,763910417"),
    Both("Candela pro Quadratzoll", "cd/in²", "1550,0031"),
    Both("Footlambert", "fL", "3,4262590996"),
    Both("Lambert", "L", "3183,0988618"),
    Both("Stilb (CGS)", "sb", "1E4"),
    Both("Blondel", "", "0,3183098861837906715"),
    Both("Apostilb", "asb", "0,3183098861837906715"),
    Both("Stilb", "sb", "1E4"),
    Both("Skot", "sk", "0,0003183098861837906715"),

    Group("Vergleiche", "Comparisons"),  // typical values
    Pair("Sehschwelle (Nachtsehen)", "Threshold of Vision (Scotopic)", "", "1E-6"),
    Pair("Mondloser Nachthimmel", "Moonless Night Sky", "", "1,7E-4"),
    Pair("Computerbildschirm (Weiß)", "Computer Monitor (White)", "", "300"),
    Pair("Vollmond (Oberfläche)", "Full Moon (Surface)", "", "2500"),
    Pair("Kerzenflamme", "Candle Flame", "", "7500"),
    Pair("Klarer Himmel am Tag", "Clear Daytime Sky", "", "8000"),
    Pair("Leuchtstoffröhre", "Fluorescent Tube", "", "10000"),
    Pair("Glühwendel einer Glühlampe", "Filament of an Incandescent Lamp", "", "1E7"),
    Pair("Sonnenscheibe (Mittag)", "Solar Disc (Noon)", "", "1,6E9"),
};

}  // namespace

QUARNELO_BUILDER(luminance, 0, 2, 12, 0, 2, 12, kRows)
