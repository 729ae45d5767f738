// SI prefixes: box texts of both languages, factors and the best prefix.
// Prefix texts are UTF-8 (they hold "µ" and "ä").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "numeric/format.h"

namespace quarnelo::numeric {

/// A prefix-box text with its factor.
struct TPrefixFac {
    std::string Vorsatz;
    long double Faktor = 1.0L;
};

/// Name and symbol of a prefix ("Kilo", "k"); both empty for none.
struct TPrefixRec {
    std::string Name;
    std::string Symbol;
};

/// "Kein Präfix" or "No Prefix".
std::string KeinPraefix(bool deutsch);

/// The factor of a prefix-box text, read from its first two characters.
long double VorsatzFaktor(std::string_view text);

/// Name and symbol of one of the box texts of either language.
TPrefixRec VorsatzName(std::string_view text);

/// The prefix that brings |wert| into [1, 1000), by the thresholds of 0.99999999
/// times a power of a thousand.
TPrefixFac BestesPraefix(long double wert, bool deutsch);

/// The 21 box texts of one language in box order, "Kein Präfix"/"No Prefix" in the middle.
std::vector<std::string> VorsatzBoxFuellen(bool deutsch);

/// One row of the unit table as the prefix commands see it.
struct PraefixZeile {
    std::string wert;     // value text (UTF-8)
    std::string vorsatz;  // prefix cell (UTF-8), empty for none
    bool markiert = false;
};

/// The table command "find fitting prefixes": every selected row gets the best
/// prefix for its value. Evaluation errors propagate; earlier rows keep their texts.
void findprefixClick(std::vector<PraefixZeile>& zeilen, const Zahlformat& format, bool deutsch);

/// The table command "delete prefixes": every selected row gets its value
/// without prefix.
void delprefixClick(std::vector<PraefixZeile>& zeilen, const Zahlformat& format);

}  // namespace quarnelo::numeric
