// The term evaluator: a recursive splitter over the text of a term.
//
// Terms are Windows-1252 text (see ansi.h) with ASCII letters already
// upper-cased and every decimal separator already turned into the program's
// separator. The evaluator does no syntax checking; callers run TermGueltig
// first.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "long double must be the 80-bit extended type");

namespace quarnelo::numeric {

/// An evaluation that ended without a result. The message is one of
/// "'%s' is not a valid floating point value" and "Floating point overflow".
class EvalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Evaluates `term` with the value `x` for the variable X. Numbers in the term
/// use `dezimaltrenner` as decimal separator. Throws EvalError.
long double TermBerechnen(std::string_view term, long double x, char dezimaltrenner);

/// The power rule of "^": 0 where the power cannot be formed.
long double Potenz(long double basis, long double exponent);

/// The FAK function: x * (x-1) * ... down to the last factor above 1; 1 for
/// x <= 1. Throws EvalError on overflow.
long double Fakultaet(long double x);

/// Reads a plain number: optional blanks, optional sign, digits with at most one
/// `dezimaltrenner`, optional exponent "E"/"e" with optional sign and digits,
/// optional blanks. False when the text is none or lies beyond the extended range.
bool ZahlLesen(std::string_view text, char dezimaltrenner, long double& wert);

}  // namespace quarnelo::numeric
