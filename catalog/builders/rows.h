// Row format of the compiled-in unit catalog.
//
// Every category builder is a constant table of rows. A group row sets the
// group text for the unit rows that follow it; a unit row names one unit in
// one or both languages. The emitter (catalog/builders/emit.h) walks the rows
// for one language and hands each unit to the add-unit routine.
#pragma once

#include <cstddef>

namespace quarnelo::catalog {

enum class RowKind : unsigned char { Group, Unit };
enum class RowLang : unsigned char { Both, De, En };

struct Row {
    RowKind kind;
    RowLang lang;
    const char* de;      // German name or group text
    const char* en;      // English name or group text
    const char* abbr;    // abbreviation, "" when there is none
    const char* factor;  // factor text exactly as emitted
};

/// Group with a German and an English text.
constexpr Row Group(const char* de, const char* en) { return {RowKind::Group, RowLang::Both, de, en, "", ""}; }
/// Group with the same text in both languages.
constexpr Row Group(const char* both) { return {RowKind::Group, RowLang::Both, both, both, "", ""}; }
/// Unit with the same name in both lists.
constexpr Row Both(const char* name, const char* abbr, const char* factor) {
    return {RowKind::Unit, RowLang::Both, name, name, abbr, factor};
}
/// Unit in both lists, German name first, English name second.
constexpr Row Pair(const char* de, const char* en, const char* abbr, const char* factor) {
    return {RowKind::Unit, RowLang::Both, de, en, abbr, factor};
}
/// Unit of the German list only.
constexpr Row OnlyDe(const char* name, const char* abbr, const char* factor) {
    return {RowKind::Unit, RowLang::De, name, name, abbr, factor};
}
/// Unit of the English list only.
constexpr Row OnlyEn(const char* name, const char* abbr, const char* factor) {
    return {RowKind::Unit, RowLang::En, name, name, abbr, factor};
}

/// One category builder: default positions of the three comparison boxes per
/// language and the rows in emission order.
struct BuilderTable {
    int vorgabeDe[3];
    int vorgabeEn[3];
    const Row* rows;
    std::size_t count;
};

}  // namespace quarnelo::catalog

// Declares the table of one category; the builder file defines it with
// QUARNELO_BUILDER at its end.
#define QUARNELO_BUILDER(key, de1, de2, de3, en1, en2, en3, rowsArray)                        \
    namespace quarnelo::catalog::builders {                                                   \
    extern const BuilderTable Einheiten_##key;                                                \
    const BuilderTable Einheiten_##key = {{de1, de2, de3}, {en1, en2, en3}, rowsArray,        \
                                          sizeof(rowsArray) / sizeof(rowsArray[0])};          \
    }
