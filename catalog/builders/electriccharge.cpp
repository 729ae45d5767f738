// Electric charge; base unit coulomb.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Coulomb", "C", "1"),
    Pair("Amperesekunde", "Ampere Second", "As", "1"),
    Pair("Amperestunde", "Ampere Hour", "Ah", "3600"),
    Both("Abcoulomb (CGS)", "abC", "10"),
    Both("Statcoulomb (CGS)", "statC", "3,335641E-10"),
    Both("Franklin", "Fr", "3,335641E-10"),

    // The German list names these units under the German and the English name.
    Group("Physik", "Physics"),  // SI 2019 exact constants; Planck charge after CODATA
    Pair("Planck-Ladung", "Planck Charge", "qP", "1,875545956E-18"),
    OnlyDe("Planck Charge", "qP", "1,875545956E-18"),
    Pair("Elementarladung", "Elementary Charge", "e", "1,602176634E-19"),
    OnlyDe("Elementary Charge", "e", "1,602176634E-19"),
    Both("Faraday", "F", "96485,3321233100184"),
    Pair("Internationales Coulomb (1908)", "International Coulomb (1908)", "C int", "0,99985"),
    OnlyDe("International Coulomb (1908)", "C int", "0,99985"),
    Pair("Mikrocoulomb", "Microcoulomb", "µC", "1E-6"),
    OnlyDe("Microcoulomb", "µC", "1E-6"),
    Both("Millicoulomb", "mC", "0,001"),
    Pair("Milliamperesekunde", "Milliampere Second", "mAs", "0,001"),
    OnlyDe("Milliampere Second", "mAs", "0,001"),
    Pair("Mikroamperestunde", "Microampere Hour", "µAh", "0,0036"),
    OnlyDe("Microampere Hour", "µAh", "0,0036"),
    Pair("Milliamperestunde", "Milliampere Hour", "mAh", "3,6"),
    OnlyDe("Milliampere Hour", "mAh", "3,6"),
    Pair("Kiloamperestunde", "Kiloampere Hour", "kAh", "3600000"),
    OnlyDe("Kiloampere Hour", "kAh", "3600000"),

    Group("Vergleiche", "Comparisons"),  // nominal capacities of common cells, typical discharges
    Pair("Statische Entladung (Türklinke)", "Static Shock (Door Handle)", "", "1E-6"),
    Pair("Blitzkondensator einer Kamera (100 µF, 330 V)", "Camera Flash Capacitor (100 µF, 330 V)", "", "0,033"),
    Pair("Blitz (Wolke-Erde)", "Lightning Bolt (Cloud to Ground)", "", "15"),
    Pair("Hörgerätebatterie (Größe 312)", "Hearing Aid Battery (Size 312)", "", "648"),
    Pair("Knopfzelle CR2032", "Button Cell CR2032", "", "810"),
    Pair("9-Volt-Block", "9 Volt Battery", "", "1980"),
    Pair("Mignon-Batterie (AAA)", "AAA Battery", "", "3600"),
    Pair("Mignon-Batterie (AA)", "AA Battery", "", "9000"),
    Pair("Lithium-Ionen-Zelle 18650", "Lithium-Ion Cell 18650", "", "10800"),
    Pair("Smartphone-Akku (4000 mAh)", "Smartphone Battery (4000 mAh)", "", "14400"),
    Pair("Powerbank (10000 mAh)", "Power Bank (10000 mAh)", "", "36000"),
    Pair("Autobatterie (60 Ah)", "Car Battery (60 Ah)", "", "216000"),
    Pair("Ladung der Erde", "Charge of the Earth", "", "500000"),
    Pair("LKW-Batterie (180 Ah)", "Truck Battery (180 Ah)", "", "648000"),
};

}  // namespace

QUARNELO_BUILDER(electriccharge, 0, 2, 6, 0, 2, 6, kRows)
