// Electromotive force; base unit volt.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Volt", "V", "1"),
    Both("Abvolt (CGS)", "abV", "1E-8"),
    Both("Statvolt (CGS)", "statV", "299,792458"),
    Both("Daniell", "", "1,1"),
    Both("Bunsen", "", "1,9"),

    Group("Physik", "Physics"),  // 1948 mean international volt; 1990 conventional volt; CODATA
    Pair("Internationales Volt (1908)", "International Volt (1908)", "V int", "1,00034"),
    Pair("Konventionelles Volt (1990)", "Conventional Volt (1990)", "V90", "1,00000010666511"),
    Pair("Atomare Einheit der Spannung", "Atomic Unit of Electric Potential", "", "27,211386245988"),
    Pair("Planck-Spannung", "Planck Voltage", "VP", "1,04295E27"),

    Group("Vergleiche", "Comparisons"),  // nominal and typical values
    Pair("EKG-Signal", "ECG Signal", "", "0,001"),
    Pair("Thermoelement Typ K (100 °C)", "Thermocouple Type K (100 °C)", "", "0,004096"),
    Pair("Ruhepotential einer Nervenzelle", "Resting Potential of a Nerve Cell", "", "0,07"),
    Pair("Siliziumsolarzelle (Leerlauf)", "Silicon Solar Cell (Open Circuit)", "", "0,6"),
    Pair("Weston-Normalelement (20 °C)", "Weston Standard Cell (20 °C)", "", "1,0183"),
    Pair("Nickel-Metallhydrid-Akku", "Nickel-Metal Hydride Cell", "", "1,2"),
    Pair("Alkali-Mangan-Batterie (AA)", "Alkaline Battery (AA)", "", "1,5"),
    Pair("Bleiakkumulator (Zelle)", "Lead-Acid Cell", "", "2"),
    Pair("Knopfzelle CR2032", "Button Cell CR2032", "", "3"),
    Pair("Lithium-Ionen-Zelle", "Lithium-Ion Cell", "", "3,7"),
    Pair("USB-Anschluss", "USB Port", "", "5"),
    Pair("9-Volt-Block", "9 Volt Battery", "", "9"),
    Pair("Autobatterie", "Car Battery", "", "12"),
    Pair("LKW-Bordnetz", "Truck Electrical System", "", "24"),
    Pair("Netzspannung USA", "Mains Voltage USA", "", "120"),
    Pair("Zitterrochen", "Electric Ray", "", "220"),
    Pair("Netzspannung Europa", "Mains Voltage Europe", "", "230"),
    Pair("Drehstrom Europa (Außenleiter)", "Three-Phase Supply Europe (Line to Line)", "", "400"),
    Pair("Straßenbahn-Fahrleitung", "Tram Overhead Line", "", "750"),
    Pair("Porsche Taycan (Batterie)", "Porsche Taycan (Battery)", "", "800"),
    Pair("Zitteraal (Electrophorus voltai)", "Electric Eel (Electrophorus voltai)", "", "860"),
    Pair("Weidezaun", "Electric Fence", "", "8000"),
    Pair("Bahnstrom Deutschland", "Railway Power Germany", "", "15000"),
    Pair("Elektrostatische Entladung (Teppich)", "Electrostatic Discharge (Carpet)", "", "20000"),
    Pair("Bildröhre (Anodenspannung)", "Cathode Ray Tube (Anode Voltage)", "", "25000"),
    Pair("Hochgeschwindigkeitsstrecke Frankreich (LGV)", "High-Speed Line France (LGV)", "", "25000"),
    Pair("Röntgenröhre (Diagnostik)", "X-Ray Tube (Diagnostics)", "", "100000"),
    Pair("Höchstspannungsleitung Deutschland", "Extra-High Voltage Line Germany", "", "380000"),
    Pair("HGÜ Changji–Guquan", "HVDC Changji–Guquan", "", "1100000"),
    Pair("Blitz", "Lightning", "", "1E8"),
};

}  // namespace

QUARNELO_BUILDER(voltage, 0, 3, 4, 0, 3, 4, kRows)
