// Checks and readers of typed text. All texts are Windows-1252 (see ansi.h).
#pragma once

#include <string>
#include <string_view>

namespace quarnelo::numeric {

/// Every occurrence of `such` replaced by `ersatz`, letters compared without
/// regard to case; occurrences never overlap and a replacement is never searched again.
std::string SchnellErsetzen(std::string_view text, std::string_view such, std::string_view ersatz);

/// Number of positions holding `zeichen`.
int ZeichenZaehlen(std::string_view text, char zeichen);

/// True when the whole text is a plain number in the separator `dezimaltrenner`.
bool IstZahl(std::string_view text, char dezimaltrenner);

/// True when the whole text is a 32-bit whole number (decimal, or hexadecimal
/// after "$", "x", "X", "0x" or "0X"); the value goes to `wert` when given.
bool IstGanzzahl(std::string_view text, int* wert = nullptr);

/// True when the text is a term the evaluator accepts (the 0/1 encoding).
bool TermGueltig(std::string_view text);

/// True when the text is a valid two-way formula A&B in X.
bool ZweiTermeGueltig(std::string_view text);

/// Reads a typed value: upper-cases, turns "," and "." into `dezimaltrenner`,
/// rewrites E-notation, then reads a plain number or evaluates a valid term.
/// False (and `wert` 0) when the text is no value. Evaluation errors propagate.
bool WertFinden(std::string_view text, long double& wert, char dezimaltrenner);

/// The normalisation WertFinden applies before its checks (exposed for callers
/// that must evaluate the same text, and for tests).
std::string WertNormalisieren(std::string_view text, char dezimaltrenner);

}  // namespace quarnelo::numeric
