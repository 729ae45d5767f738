// Plane angle; base unit radian. The trigonometric rows map an angle to its
// function value and back.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Pair("Radiant", "Radian", "rad", "1"),

    Group("Englisch", "English"),
    Both("Angular Mil", "µ", "2*pi/6400"),
    Both("Arcminute", "'", "pi/10800"),
    Both("Arcsecond", "\"", "pi/648000"),
    Both("Quadrant", "", "pi/2"),
    Both("Sextant", "", "pi/3"),
    Both("Turn", "", "2*pi"),
    Both("Degree (of Arc)", "°", "pi/180"),
    Both("Grad/Gradian/Gon", "grad", "2*pi/400"),
    Both("Octant", "", "pi/4"),
    Both("Point (Compass)", "", "2*pi/32"),
    Both("Sign (Zodiac)", "", "pi/6"),
    Both("Hour Angle", "h", "pi/12"),
    Both("Milliradian", "mrad", "1/1000"),
    Both("Centesimal Minute of Arc", "c", "pi/20000"),

    Group("Deutsch", "German"),
    Both("Altgrad", "°", "pi/180"),
    Both("Altminute", "′", "pi/10800"),
    Both("Altsekunde", "″", "pi/648000"),
    Both("Neugrad/Gon", "gon", "pi/200"),
    Both("Neuminute", "c", "pi/20000"),
    Both("Neusekunde", "cc", "pi/2000000"),
    Both("Vollwinkel", "", "2*pi"),
    Both("Gestreckter Winkel", "", "pi"),
    Both("Rechter Winkel", "∟", "pi/2"),
    Both("Strich (NATO)", "mil", "2*pi/6400"),
    Both("Strich (Warschauer Pakt)", "", "2*pi/6000"),
    Both("Nautischer Strich (Kompass)", "", "2*pi/32"),
    Both("Stundenwinkel", "h", "pi/12"),
    Both("Zeitminute", "m", "pi/720"),
    Both("Zeitsekunde", "s", "pi/43200"),
    Both("Tierkreiszeichen", "", "pi/6"),
    Both("Achtelkreis", "", "pi/4"),
    Both("Milliradiant", "mrad", "1/1000"),
    Both("Mikroradiant", "µrad", "1/1000000"),

    Group("Bogenmaß", "Radian"),
    Both("Sinus", "", "sinx&arcsinx"),
    Both("Cosinus", "", "cosx&arccosx"),
    Both("Tangens", "", "tanx&arctanx"),
    Both("Arkussinus", "", "arcsinx&sinx"),
    Both("Arkuscosinus", "", "arccosx&cosx"),
    Both("Arkustangens", "", "arctanx&tanx"),

    Group("Grad", "Degree"),
    Both("Sinus", "°", "sin°x&arcsin°x"),
    Both("Cosinus", "°", "cos°x&arccos°x"),
    Both("Tangens", "°", "tan°x&arctan°x"),
    Both("Arkussinus", "°", "arcsin°x&sin°x"),
    Both("Arkuscosinus", "°", "arccos°x&cos°x"),
    Both("Arkustangens", "°", "arctan°x&tan°x"),

    Group("Tibet"),  // Kalacakra division: 27 lunar mansions, 60 chu tshod, 60 chu srang, 6 dbugs
    Pair("Khyim (Tierkreiszeichen)", "Khyim (Zodiac Sign)", "", "2*pi/12"),
    Pair("Rgyu skar (Mondhaus)", "Rgyu skar (Lunar Mansion)", "", "2*pi/27"),
    Both("Chu tshod", "", "2*pi/(27*60)"),
    Both("Chu srang", "", "2*pi/(27*3600)"),
    Both("Dbugs", "", "2*pi/(27*21600)"),

    Group("Andere", "Others"),
    Pair("Binärgrad", "Binary Degree", "brad", "2*pi/256"),
};

}  // namespace

QUARNELO_BUILDER(planeangle, 0, 7, 2, 0, 7, 2, kRows)
