// Luminous intensity; base unit candela.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Candela", "cd", "1"),
    Pair("Candlepower (Neu)", "Candlepower (New)", "cp", "1"),
    Pair("Candlepower (Alt, vor 1948)", "Candlepower (Old, before 1948)", "cp", "0,981"),
    Both("Kerzenstärke", "", "1"),
    Both("Neue Kerze", "NK", "1"),
    Both("Hefnerkerze/Hefnereinheit", "HK", "0,903"),
    Both("Hefner Lamp", "HL", "0,903"),
    Both("Internationale Kerze", "", "0,98117"),
    Both("International Candle", "", "0,98117"),
    Both("DVGW Kerzen", "", "0,92248"),
    Both("Berliner Lichteinheiten", "", "0,90144"),

    Group("Vergleiche", "Comparisons"),  // ECE R7, COLREG, ICAO minima; lamps as flux/4π
    Pair("Kontroll-LED (3 mm)", "Indicator LED (3 mm)", "", "0,005"),
    Pair("Haushaltskerze", "Household Candle", "", "1"),
    Pair("Kfz-Schlussleuchte (Mindestwert)", "Vehicle Tail Lamp (Minimum)", "", "4"),
    Pair("Seitenlicht eines Schiffs (3 sm)", "Ship's Sidelight (3 nmi)", "", "12"),
    Pair("Hindernisfeuer niedriger Intensität (Typ B)", "Low-Intensity Obstacle Light (Type B)", "", "32"),
    Pair("Glühlampe 60 W", "Incandescent Lamp 60 W", "", "710/(4*pi)"),
    Pair("Kfz-Bremsleuchte (Mindestwert)", "Vehicle Stop Lamp (Minimum)", "", "60"),
    Pair("Topplicht eines Schiffs (6 sm)", "Ship's Masthead Light (6 nmi)", "", "94"),
    Pair("Glühlampe 100 W", "Incandescent Lamp 100 W", "", "1380/(4*pi)"),
    Pair("Verkehrsampel (200 mm)", "Traffic Light (200 mm)", "", "200"),
    Pair("Fahrradscheinwerfer (10 lx in 10 m)", "Bicycle Headlight (10 lx at 10 m)", "", "1000"),
    Pair("Hindernisfeuer mittlerer Intensität (Typ B)", "Medium-Intensity Obstacle Light (Type B)", "", "2000"),
    Pair("LED-Taschenlampe", "LED Flashlight", "", "3000"),
    Pair("Autoscheinwerfer (Abblendlicht)", "Car Headlight (Low Beam)", "", "20000"),
    Pair("Autoscheinwerfer (Fernlicht)", "Car Headlight (High Beam)", "", "50000"),
    Pair("Hindernisfeuer hoher Intensität (Typ A, Tag)", "High-Intensity Obstacle Light (Type A, Day)", "", "200000"),
    Pair("Leuchtturm (Hauptfeuer)", "Lighthouse (Main Light)", "", "1E6"),
    Both("Luxor Sky Beam, Las Vegas", "", "4,23E10"),
    Pair("Vollmond", "Full Moon", "", "3,7E16"),
    Pair("Sonne", "Sun", "", "2,98E27"),
    Both("Sirius", "", "7,45E28"),
};

}  // namespace

QUARNELO_BUILDER(luminousintensity, 0, 2, 7, 0, 2, 8, kRows)
