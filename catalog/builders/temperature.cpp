// Temperature; base unit kelvin. Scales and fixed temperatures are two-way
// formulas: a plain factor would only convert temperature differences.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Skalen", "Scales"),
    Both("Celsius", "°C", "x+273,15&x-273,15"),
    Both("Fahrenheit", "°F", "(x+459,67)*5/9&x*1,8-459,67"),
    Both("Kelvin", "°K", "1"),
    Both("Reaumur", "°Re", "x*1,25+273,15&(x-273,15)*0,8"),
    Both("Rankine", "°Ra", "x*5/9&x*1,8"),
    Both("Delisle", "°De", "373,15-x*2/3&(373,15-x)*1,5"),
    Both("Newton", "°N", "x*100/33+273,15&(x-273,15)*0,33"),
    Both("Rømer", "°Rø", "(x-7,5)*40/21+273,15&(x-273,15)*21/40+7,5"),
    Group("Andere", "Others"),  // degrees of frost count downwards from the freezing point
    Both("Degree of Frost (Celsius)", "", "273,15-x&273,15-x"),
    Both("Degree of Frost (Fahrenheit)", "", "(491,67-x)*5/9&491,67-x*1,8"),
    Group("Physik", "Physics"),  // temperature equivalents from the exact SI constants e, h, c, k; CODATA 2018
    Both("Millikelvin", "mK", "x/1000&x*1000"),
    Both("Mikrokelvin", "µK", "x/1000000&x*1000000"),
    Both("Nanokelvin", "nK", "x/10^9&x*10^9"),
    Pair("Elektronvolt (Temperaturäquivalent)", "Electronvolt (Temperature Equivalent)", "eV", "x*16021,76634/1,380649&x*1,380649/16021,76634"),
    Pair("Kiloelektronvolt (Temperaturäquivalent)", "Kiloelectronvolt (Temperature Equivalent)", "keV", "x*16021766,34/1,380649&x*1,380649/16021766,34"),
    Pair("Rydberg-Energie (Temperaturäquivalent)", "Rydberg Energy (Temperature Equivalent)", "Ry", "x*157887,512402035&x/157887,512402035"),
    Pair("Hartree-Energie (Temperaturäquivalent)", "Hartree Energy (Temperature Equivalent)", "Eh", "x*315775,02480407&x/315775,02480407"),
    Pair("Wellenzahl (Temperaturäquivalent)", "Wavenumber (Temperature Equivalent)", "cm⁻¹", "x*1,438776877&x/1,438776877"),
    Pair("Planck-Temperatur", "Planck Temperature", "TP", "x*1,416784*10^32&x/1,416784/10^32"),
    Group("Vergleiche", "Comparisons"),  // ITS-90 fixed points, CRC boiling points, WMO records
    OnlyEn("Absolute Zero", "", "0&0"),
    Pair("Kälteste im Labor erreichte Temperatur (2021)", "Coldest Temperature Reached in a Laboratory (2021)", "", "x*38/10^12&x*10^12/38"),
    Pair("Lambda-Punkt von Helium", "Lambda Point of Helium", "", "x*2,1768&x/2,1768"),
    Pair("Kosmische Hintergrundstrahlung", "Cosmic Microwave Background", "", "x*2,72548&x/2,72548"),
    Pair("Siedepunkt von Helium", "Boiling Point of Helium", "", "x*4,222&x/4,222"),
    Pair("Siedepunkt von Wasserstoff", "Boiling Point of Hydrogen", "", "x*20,28&x/20,28"),
    Pair("Siedepunkt von Stickstoff", "Boiling Point of Nitrogen", "", "x*77,355&x/77,355"),
    Pair("Siedepunkt von Sauerstoff", "Boiling Point of Oxygen", "", "x*90,188&x/90,188"),
    Pair("Tiefste gemessene Lufttemperatur (Wostok 1983)", "Lowest Recorded Air Temperature (Vostok 1983)", "", "x*183,95&x/183,95"),
    Pair("Sublimationspunkt von Trockeneis", "Sublimation Point of Dry Ice", "", "x*194,686&x/194,686"),
    Pair("Erstarrungspunkt von Quecksilber", "Freezing Point of Mercury", "", "x*234,3156&x/234,3156"),
    Pair("Gefrierpunkt von Wasser", "Freezing Point of Water", "", "x*273,15&x/273,15"),
    Pair("Tripelpunkt von Wasser", "Triple Point of Water", "", "x*273,16&x/273,16"),
    Pair("Raumtemperatur", "Room Temperature", "", "x*293,15&x/293,15"),
    Pair("Schmelzpunkt von Gallium", "Melting Point of Gallium", "", "x*302,9146&x/302,9146"),
    Pair("Körpertemperatur des Menschen", "Human Body Temperature", "", "x*310,15&x/310,15"),
    Pair("Höchste gemessene Lufttemperatur (Death Valley 1913)", "Highest Recorded Air Temperature (Death Valley 1913)", "", "x*329,85&x/329,85"),
    Pair("Siedepunkt von Wasser", "Boiling Point of Water", "", "x*373,15&x/373,15"),
    Pair("Schmelzpunkt von Zinn", "Melting Point of Tin", "", "x*505,078&x/505,078"),
    Pair("Schmelzpunkt von Blei", "Melting Point of Lead", "", "x*600,61&x/600,61"),
    Pair("Schmelzpunkt von Zink", "Melting Point of Zinc", "", "x*692,677&x/692,677"),
    Pair("Oberflächentemperatur der Venus", "Surface Temperature of Venus", "", "x*737&x/737"),
    Pair("Schmelzpunkt von Aluminium", "Melting Point of Aluminium", "", "x*933,473&x/933,473"),
    Pair("Schmelzpunkt von Silber", "Melting Point of Silver", "", "x*1234,93&x/1234,93"),
    Pair("Schmelzpunkt von Gold", "Melting Point of Gold", "", "x*1337,33&x/1337,33"),
    Pair("Schmelzpunkt von Kupfer", "Melting Point of Copper", "", "x*1357,77&x/1357,77"),
    Pair("Schmelzpunkt von Eisen", "Melting Point of Iron", "", "x*1811&x/1811"),
    Pair("Schmelzpunkt von Wolfram", "Melting Point of Tungsten", "", "x*3695&x/3695"),
    Pair("Oberfläche der Sonne", "Surface of the Sun", "", "x*5772&x/5772"),
    Pair("Kern der Sonne", "Core of the Sun", "", "x*15700000&x/15700000"),
};

}  // namespace

QUARNELO_BUILDER(temperature, 0, 2, 1, 0, 2, 1, kRows)
