// Electric current; base unit ampere.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Ampere", "A", "1"),
    Both("Gilbert", "Gb", "0,7957747"),
    Both("Amperewindung", "Aw", "1"),
    Both("Ampere Turn (MKS)", "At", "1"),
    Pair("Watt pro Volt", "Watt per Volt", "W/V", "1"),
    Pair("Coulomb pro Sekunde", "Coulomb per Second", "C/s", "1"),
    Both("Abampere (CGS)", "abamp", "10"),
    Both("Statampere (CGS)", "statamp", "3,335641E-10"),
    Both("Biot (CGS)", "Bi", "10"),
    Pair("Jacobische Knallgaseinheit", "Jacobische Knallgaseinheit (Oxyhydrogen Gas Unit)", "", "0,09"),

    Group("Physik", "Physics"),  // international units: 1948 mean values; 1990 conventional values; CODATA
    Pair("Internationales Ampere (1908)", "International Ampere (1908)", "A int", "0,99985"),
    Pair("Konventionelles Ampere (1990)", "Conventional Ampere (1990)", "A90", "1,00000008887144"),
    Pair("Planck-Stromstärke", "Planck Current", "IP", "3,4789E25"),
    Pair("Atomare Einheit der Stromstärke", "Atomic Unit of Current", "", "6,62361823751E-3"),
    Pair("Elektromagnetische Einheit", "Electromagnetic Unit (EMU)", "emu", "10"),
    OnlyDe("Electromagnetic Unit (EMU)", "emu", "10"),
    Both("Esu per Second", "esu/s", "3,335641E-10"),
};

}  // namespace

QUARNELO_BUILDER(electriccurrent, 0, 14, 9, 0, 15, 9, kRows)
