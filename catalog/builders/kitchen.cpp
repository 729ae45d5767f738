// Kitchen measures; factors in cubic metres (no unit is the base itself).
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Metrisch", "Metric"),
    Pair("Liter", "Litre", "l", "0,001"),
    Pair("Deziliter", "Decilitre", "dl", "0,0001"),
    Pair("Zentiliter", "Centilitre", "cl", "0,00001"),
    Pair("Milliliter", "Millilitre", "ml", "0,000001"),
    Pair("Kubikzentimeter", "Cubic Centimetre", "ccm", "0,000001"),

    Group("Gewicht von Flüssigkeiten", "Weight of Liquids"),  // water: 1 kg fills 1 litre
    Pair("Milligramm", "Milligram", "mg", "1E-9"),
    Pair("Gramm", "Gram", "g", "1E-6"),
    Pair("Kilogramm", "Kilogram", "kg", "0,001"),
    Pair("Pfund (Avoirdupois)", "Pound (Avoirdupois)", "lb", "0,00045359237"),

    Group("Deutschland", "Germany"),  // household measures of German recipes
    Pair("Messerspitze", "Knife Tip", "Msp.", "0,0000005"),
    Pair("Teelöffel", "Teaspoon", "TL", "0,000005"),
    Pair("Esslöffel", "Tablespoon", "EL", "0,000015"),
    Pair("Schnapsglas", "Shot Glass", "", "0,00002"),
    Pair("Doppelter", "Double Shot", "", "0,00004"),
    Pair("Mokkatasse", "Demitasse", "", "0,00009"),
    Pair("Achtel", "Eighth", "", "0,000125"),
    Pair("Kölsch-Stange", "Kölsch Glass", "", "0,0002"),
    Pair("Tasse", "Cup", "", "0,00015"),
    Pair("Becher", "Beaker", "", "0,0002"),
    Pair("Viertele", "Viertele (Quarter Litre)", "", "0,00025"),
    Pair("Halbe", "Halbe (Half Litre)", "", "0,0005"),
    Pair("Maß", "Mass (Litre)", "", "0,001"),
    Both("Metze", "", "0,005/1,5"),
    Both("Metze", "", "0,0035"),

    Group("Australien", "Australia"),  // metric cooking measures
    Pair("Teelöffel", "Teaspoon", "tsp", "0,000005"),
    Pair("Esslöffel", "Tablespoon", "tbsp", "0,00002"),
    Pair("Tasse", "Cup", "c", "0,00025"),

    Group("Englisch", "British Imperial"),  // imperial gallon 4,54609 l; fluid ounce = 1/160 gallon
    Both("Minim", "min", "0,00454609/76800"),
    Both("Fluid Scruple", "fl.s.", "0,00454609/3840"),
    Both("Fluid Drachm", "fl.dr.", "0,00454609/1280"),
    Pair("Teelöffel", "Teaspoon", "tsp", "0,00454609*5/(160*24)"),
    Pair("Dessertlöffel", "Dessertspoon", "dsp", "0,00454609*5/(160*12)"),
    Pair("Esslöffel", "Tablespoon", "tbsp", "0,00454609*5/(160*8)"),
    Pair("Flüssigunze", "Fluid Ounce", "fl.oz.", "0,00454609/160"),
    Pair("Weinglas", "Wineglass", "", "0,00454609/64"),
    Both("Gill", "gi", "0,00454609/32"),
    Pair("Frühstückstasse", "Breakfast Cup", "", "0,00454609/16"),
    Pair("Tasse (UK metrisch)", "Cup (UK Metric)", "", "0,00025"),
    Both("Pint", "pt", "0,00454609/8"),
    Both("Quart", "qt", "0,00454609/4"),
    Both("Pottle", "", "0,00454609/2"),
    Pair("Gallone", "Gallon", "gal", "0,00454609"),
    Both("Peck", "pk", "0,00454609*2"),

    Group("Kanada", "Canada"),  // metric spoons; the cup of 8 imperial fluid ounces
    Pair("Teelöffel", "Teaspoon", "tsp", "0,000005"),
    Pair("Esslöffel", "Tablespoon", "tbsp", "0,000015"),
    Pair("Tasse", "Cup", "c", "0,00454609/20"),

    Group("USA"),  // US fluid ounce = 231/128 cubic inches; dry pint = 1/64 Winchester bushel
    Both("Smidgen", "", "(cuinch*231/128)/192"),
    Both("Pinch", "", "(cuinch*231/128)/96"),
    Both("Dash", "", "(cuinch*231/128)/48"),
    Both("Saltspoon", "ssp", "(cuinch*231/128)/24"),
    Both("Coffeespoon", "csp", "(cuinch*231/128)/12"),
    Pair("Teelöffel (US)", "Teaspoon (US)", "tsp", "(cuinch*231/128)/6"),
    Pair("Dessertlöffel (US)", "Dessertspoon (US)", "dsp", "(cuinch*231/128)/3"),
    Pair("Esslöffel (US)", "Tablespoon (US)", "tbsp", "(cuinch*231/128)/2"),
    Both("Minim (US)", "min", "(cuinch*231/128)/480"),
    Both("Fluid Dram (US)", "fl.dr.", "(cuinch*231/128)/8"),
    Pair("Flüssigunze (US)", "Fluid Ounce (US)", "fl.oz.", "cuinch*231/128"),
    Both("Pony", "", "cuinch*231/128"),
    Both("Jigger (US)", "", "(cuinch*231/128)*1,5"),
    Pair("Weinglas (US)", "Wineglass (US)", "", "(cuinch*231/128)*2"),
    Both("Gill (US)", "gi", "(cuinch*231/128)*4"),
    Pair("Teetasse (US)", "Teacup (US)", "", "(cuinch*231/128)*6"),
    Pair("Tasse (US)", "Cup (US)", "c", "(cuinch*231/128)*8"),
    Both("Pint (US)", "pt", "(cuinch*231/128)*16"),
    Both("Pint (US Dry)", "pt.", "10,6953125*pi*cuinch"),
    Both("Quart (US)", "qt", "(cuinch*231/128)*32"),
    Both("Quart (US Dry)", "", "21,390625*pi*cuinch"),
    Both("Fifth", "", "cuinch*231/5"),
    Both("Pottle (US)", "", "cuinch*231/2"),
    Pair("Gallone (US)", "Gallon (US)", "gal", "cuinch*231"),

    Group("Food and Drug Administration"),  // nutrition labelling measures
    Pair("Teelöffel", "Teaspoon", "tsp", "0,000005"),
    Pair("Esslöffel", "Tablespoon", "tbsp", "0,000015"),
    Pair("Flüssigunze", "Fluid Ounce", "fl.oz.", "0,00003"),
    Pair("Tasse", "Cup", "c", "0,00024"),

    Group("Teile", "Parts"),  // parts of a litre
    Pair("Achtelliter", "Eighth Litre", "", "0,001/8"),
    Pair("Viertelliter", "Quarter Litre", "", "0,001/4"),
    Pair("Drittelliter", "Third Litre", "", "0,001/3"),
    Pair("Halber Liter", "Half Litre", "", "0,001/2"),
    Pair("Dreiviertelliter", "Three Quarter Litre", "", "0,001*3/4"),
};

}  // namespace

QUARNELO_BUILDER(kitchen, 0, 6, 17, 0, 6, 17, kRows)
