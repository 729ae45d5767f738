// Shoe sizes; base unit the foot length in centimetres. Shoe-size systems
// measure the last, which is longer than the foot, so their formulas add the
// allowance of the system before converting.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Fußlänge", "Foot Length"),
    Pair("Fußlänge in Zentimetern", "Centimetres", "cm", "1"),
    Pair("Fußlänge in Millimetern", "Millimetres", "mm", "0,1"),
    Pair("Fußlänge in Zoll/Inch", "Inch", "in", "2,54"),
    Group("Schuhlänge", "Shoe Length"),  // inner shoe length, 1,5 cm longer than the foot
    Pair("Schuhlänge in Zentimetern", "Centimetre", "cm", "x-1,5&x+1,5"),
    Pair("Schuhlänge in Millimetern", "Millimetre", "mm", "x/10-1,5&(x+1,5)*10"),
    Pair("Schuhlänge in Zoll/Inch", "Inch", "in", "(x*2,54)-1,5&(x+1,5)/2,54"),
    Group("Allgemein", "General"),  // Paris point (2/3 cm), Mondopoint (ISO 9407, foot length in mm)
    Both("Mondopoint", "", "x/10-0,25&(x+0,25)*10"),
    Pair("EU Europa", "EU Europe", "", "(x/1,5)-(1+1/3)&(x+(1+1/3))*1,5"),
    Pair("F Frankreich", "F France", "", "x/3*2&x/2*3"),
    Both("JP Japan", "", "x-0,25&x+0,25"),
    Both("Korea", "", "x/10&x*10"),
    Group("Erwachsene", "Adult"),  // barleycorn (1/3 inch) scale, size 0 at 8 1/3 inches of last
    Both("UK", "", "(x+25)/3*2,54-1,2&(x+1,2)/2,54*3-25"),
    Group("Männer", "Men"),
    Both("US", "", "(x+24)/3*2,54-1,2&(x+1,2)/2,54*3-24"),
    Both("US Sport", "", "x+18-0,25&x-18+0,25"),
    Both("Brannock", "", "(x+22)/3*2,54&x/2,54*3-22"),
    Pair("Australien", "Australia", "", "(x+24,5)/3*2,54-1,2&(x+1,2)/2,54*3-24,5"),
    Group("Frauen", "Women"),
    Both("US Fia", "", "(x+23)/3*2,54-1,2&(x+1,2)/2,54*3-23"),
    Both("US Common", "", "(x+22,5)/3*2,54-1,2&(x+1,2)/2,54*3-22,5"),
    Both("US Sport", "", "x+17-0,25&x-17+0,25"),
    Both("Brannock", "", "(x+21)/3*2,54&x/2,54*3-21"),
    Pair("Australien", "Australia", "", "(x+22,5)/3*2,54-1,2&(x+1,2)/2,54*3-22,5"),
    Group("Kinder", "Children"),
    Both("UK", "", "(x+12)/3*2,54-1,2&(x+1,2)/2,54*3-12"),
    Both("US", "", "(x+(35/3))/3*2,54-0,92&(x+0,92)/2,54*3-(35/3)"),
    Both("US-C Children", "", "x+6-0,25&x-6+0,25"),
    Both("US-Y Youth", "", "x+19-0,25&x-19+0,25"),
    Group("Vergleiche", "Comparisons"),  // foot lengths in centimetres
    Pair("Durchschnittliche Männergröße", "Average Male Size", "", "28"),
    Pair("Durchschnittliche Frauengröße", "Average Female Size", "", "23+1/3"),
    Pair("Fuß eines Neugeborenen", "Foot of a Newborn", "", "8"),
    Pair("Größter gemessener Fuß (Robert Wadlow)", "Largest Foot Measured (Robert Wadlow)", "", "47"),
};

}  // namespace

QUARNELO_BUILDER(shoesize, 0, 7, 11, 0, 7, 11, kRows)
