// Radiation activity; base unit becquerel (decays per second).
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Becquerel", "Bq", "1"),
    Both("Curie", "Ci", "3,7E10"),
    Both("Rutherford", "rd", "1E6"),
    Both("Stat", "St", "1,34545E4"),
    Both("Mache Einheit", "ME", "1,34545E7"),
    Both("Mache Unit", "ME", "1,34545E7"),
    Both("Counts per Minute", "cpm", "1/60"),
    Both("Counts per Second", "cps", "1"),
    Both("Eman", "", "0,000000134545/3,64"),
};

}  // namespace

QUARNELO_BUILDER(radiationactivity, 0, 2, 1, 0, 2, 1, kRows)
