// Electrical resistance; base unit ohm. Conductance units use the
// reciprocal formula 1/x in both directions.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Ohm", "Ω", "1"),
    Both("Abohm", "abΩ", "1E-9"),
    Both("Statohm", "statΩ", "8,9876E11"),
    Both("Siemens", "S", "1/x&1/x"),
    Both("Siemens", "℧", "1/x&1/x"),
    Both("Mho", "", "1/x&1/x"),

    Group("Physik", "Physics"),  // international units: 1948 mean values; 1990 conventional values; CODATA
    Pair("Internationales Ohm (1908)", "International Ohm (1908)", "Ω int", "1,00049"),
    Pair("Konventionelles Ohm (1990)", "Conventional Ohm (1990)", "Ω90", "1,00000001779367"),
    Pair("Von-Klitzing-Konstante", "Von Klitzing Constant", "RK", "25812,8074593045"),
    Pair("Wellenwiderstand des Vakuums", "Impedance of Free Space", "Z0", "376,730313668"),
    Pair("Planck-Impedanz", "Planck Impedance", "ZP", "29,9792458"),
};

}  // namespace

QUARNELO_BUILDER(electricalresistance, 0, 3, 5, 0, 3, 5, kRows)
