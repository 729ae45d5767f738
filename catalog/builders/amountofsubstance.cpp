// Amount of substance; base unit mole.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Mole", "mol", "1"),
    Both("Mol", "mol", "1"),
    Both("Standard Cubic Foot", "scf", "1,19804"),
};

}  // namespace

QUARNELO_BUILDER(amountofsubstance, 0, 2, 1, 0, 2, 1, kRows)
