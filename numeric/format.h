// Number formatting with the three formats and the fraction notation.
#pragma once

#include <string>

namespace quarnelo::numeric {

enum class Format { General, Fixed, Scientific };

/// What ZahlFormatieren reads of the options: the format radios in their test
/// order, the derived precision and digit count, fractions and the separator.
struct Zahlformat {
    bool general = true;
    bool fixed = false;
    bool exponent = false;
    int genauigkeit = 6;
    int ziffern = 3;
    bool bruch = true;
    char dezimaltrenner = ',';
};

/// Writes `wert` in `format` with precision `p` and digit count `d`.
std::string Zahltext(long double wert, Format format, int p, int d, char dezimaltrenner);

/// The fraction text ("1/3", "-4/3", "22/9") when the decimals of `wert` repeat in
/// one of the fourteen known patterns; empty otherwise.
std::string BruchErkennen(long double wert, char dezimaltrenner);

/// Every computed value the program shows passes through here.
std::string ZahlFormatieren(long double wert, const Zahlformat& f);

}  // namespace quarnelo::numeric
