// Walks a builder table for one language.
#pragma once

#include "catalog/builders/rows.h"

namespace quarnelo::catalog {

/// Calls unit(name, abbr, group, factor) for every unit of the table that
/// belongs to the chosen language, in emission order.
template <class UnitFn>
void EmitRows(const BuilderTable& table, bool deutsch, UnitFn&& unit) {
    const char* group = "";
    for (std::size_t i = 0; i < table.count; ++i) {
        const Row& r = table.rows[i];
        if (r.kind == RowKind::Group) {
            group = deutsch ? r.de : r.en;
            continue;
        }
        if ((r.lang == RowLang::De && !deutsch) || (r.lang == RowLang::En && deutsch)) continue;
        unit(deutsch ? r.de : r.en, r.abbr, group, r.factor);
    }
}

}  // namespace quarnelo::catalog
