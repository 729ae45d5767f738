#include "numeric/prefix.h"

#include <cmath>

#include "numeric/ansi.h"
#include "numeric/checks.h"

namespace quarnelo::numeric {
namespace {

struct Praefix {
    const char* code;  // first two characters of the box text
    const char* symbol;
    long double faktor;
    const char* de;
    const char* en;
    const char* nameDe;
    const char* nameEn;
};

// Box order, "no prefix" between deci and deca.
constexpr Praefix kPraefixe[] = {
    {"y ", "y", 1e-24L, "y Yocto (*10^-24)", "y Yocto (*10^-24)", "Yocto", "Yocto"},
    {"z ", "z", 1e-21L, "z Zepto (*10^-21)", "z Zepto (*10^-21)", "Zepto", "Zepto"},
    {"a ", "a", 1e-18L, "a Atto (*10^-18)", "a Atto (*10^-18)", "Atto", "Atto"},
    {"f ", "f", 1e-15L, "f Femto (*10^-15)", "f Femto (*10^-15)", "Femto", "Femto"},
    {"p ", "p", 1e-12L, "p Piko (*10^-12)", "p Pico (*10^-12)", "Piko", "Pico"},
    {"n ", "n", 1e-9L, "n Nano (*10^-9)", "n Nano (*10^-9)", "Nano", "Nano"},
    {"\xC2\xB5 ", "\xC2\xB5", 1e-6L, "\xC2\xB5 Mikro (*10^-6)", "\xC2\xB5 Micro (*10^-6)", "Mikro", "Micro"},
    {"m ", "m", 1e-3L, "m Milli (*0,001)", "m Milli (*0.001)", "Milli", "Milli"},
    {"c ", "c", 1e-2L, "c Zenti (*0,01)", "c Centi (*0.01)", "Zenti", "Centi"},
    {"d ", "d", 1e-1L, "d Dezi (*0,1)", "d Deci (*0.1)", "Dezi", "Deci"},
    {"da", "da", 1e1L, "da Deka (*10)", "da Deca (*10)", "Deka", "Deca"},
    {"h ", "h", 1e2L, "h Hekto (*100)", "h Hecto (*100)", "Hekto", "Hecto"},
    {"k ", "k", 1e3L, "k Kilo (*1000)", "k Kilo (*1000)", "Kilo", "Kilo"},
    {"M ", "M", 1e6L, "M Mega (*10^6)", "M Mega (*10^6)", "Mega", "Mega"},
    {"G ", "G", 1e9L, "G Giga (*10^9)", "G Giga (*10^9)", "Giga", "Giga"},
    {"T ", "T", 1e12L, "T Tera (*10^12)", "T Tera (*10^12)", "Tera", "Tera"},
    {"P ", "P", 1e15L, "P Peta (*10^15)", "P Peta (*10^15)", "Peta", "Peta"},
    {"E ", "E", 1e18L, "E Exa (*10^18)", "E Exa (*10^18)", "Exa", "Exa"},
    {"Z ", "Z", 1e21L, "Z Zetta (*10^21)", "Z Zetta (*10^21)", "Zetta", "Zetta"},
    {"Y ", "Y", 1e24L, "Y Yotta (*10^24)", "Y Yotta (*10^24)", "Yotta", "Yotta"},
};
constexpr int kAnzahl = sizeof(kPraefixe) / sizeof(kPraefixe[0]);
constexpr int kDeka = 10;  // index of "da", the first entry after "no prefix"

const Praefix& NachSymbol(const char* symbol) {
    for (const Praefix& p : kPraefixe)
        if (std::string_view(p.symbol) == symbol) return p;
    return kPraefixe[0];
}

TPrefixFac Ergebnis(const char* symbol, bool deutsch) {
    const Praefix& p = NachSymbol(symbol);
    return {deutsch ? p.de : p.en, p.faktor};
}

}  // namespace

std::string KeinPraefix(bool deutsch) { return deutsch ? "Kein Pr\xC3\xA4" "fix" : "No Prefix"; }

long double VorsatzFaktor(std::string_view text) {
    if (text.find('*') == std::string_view::npos) return 1.0L;
    for (const Praefix& p : kPraefixe) {
        std::string_view code(p.code);
        if (text.substr(0, code.size()) == code) return p.faktor;
    }
    // A typed text with "*" that names no prefix counts as no prefix.
    return 1.0L;
}

TPrefixRec VorsatzName(std::string_view text) {
    if (text.find('*') == std::string_view::npos) return {};
    for (const Praefix& p : kPraefixe) {
        if (text == p.de) return {p.nameDe, p.symbol};
        if (text == p.en) return {p.nameEn, p.symbol};
    }
    return {};
}

TPrefixFac BestesPraefix(long double wert, bool deutsch) {
    long double a = std::fabs(wert);
    if (a >= 1.0L && a < 1000.0L) return {KeinPraefix(deutsch), 1.0L};
    if (a > 1.0L) {
        if (a >= 9.9999999e23L) return Ergebnis("Y", deutsch);
        if (a >= 9.9999999e20L) return Ergebnis("Z", deutsch);
        if (a >= 9.9999999e17L) return Ergebnis("E", deutsch);
        if (a >= 9.9999999e14L) return Ergebnis("P", deutsch);
        if (a >= 9.9999999e11L) return Ergebnis("T", deutsch);
        if (a >= 999999990.0L) return Ergebnis("G", deutsch);
        if (a >= 999999.99L) return Ergebnis("M", deutsch);
        return Ergebnis("k", deutsch);
    }
    if (a < 9.9999999e-22L) return Ergebnis("y", deutsch);
    if (a < 9.9999999e-19L) return Ergebnis("z", deutsch);
    if (a < 9.9999999e-16L) return Ergebnis("a", deutsch);
    if (a < 9.9999999e-13L) return Ergebnis("f", deutsch);
    if (a < 9.9999999e-10L) return Ergebnis("p", deutsch);
    if (a < 9.9999999e-7L) return Ergebnis("n", deutsch);
    if (a < 0.00099999999L) return Ergebnis("\xC2\xB5", deutsch);
    return Ergebnis("m", deutsch);
}

std::vector<std::string> VorsatzBoxFuellen(bool deutsch) {
    std::vector<std::string> box;
    box.reserve(kAnzahl + 1);
    for (int i = 0; i < kAnzahl; ++i) {
        if (i == kDeka) box.push_back(KeinPraefix(deutsch));
        box.push_back(deutsch ? kPraefixe[i].de : kPraefixe[i].en);
    }
    return box;
}

namespace {
long double ZeilenWert(const PraefixZeile& z, char sep) {
    long double v = 0.0L;
    if (!WertFinden(AnsiAusUtf8(z.wert), v, sep)) v = 0.0L;
    return v;
}
}  // namespace

void findprefixClick(std::vector<PraefixZeile>& zeilen, const Zahlformat& format, bool deutsch) {
    for (PraefixZeile& z : zeilen) {
        if (!z.markiert) continue;
        long double v = ZeilenWert(z, format.dezimaltrenner) * VorsatzFaktor(z.vorsatz);
        TPrefixFac p = BestesPraefix(v, deutsch);
        z.wert = ZahlFormatieren(v / p.Faktor, format);
        z.vorsatz = p.Vorsatz.find('*') != std::string::npos ? p.Vorsatz : std::string();
    }
}

void delprefixClick(std::vector<PraefixZeile>& zeilen, const Zahlformat& format) {
    for (PraefixZeile& z : zeilen) {
        if (!z.markiert) continue;
        long double v = ZeilenWert(z, format.dezimaltrenner);
        z.wert = ZahlFormatieren(v * VorsatzFaktor(z.vorsatz), format);
        z.vorsatz.clear();
    }
}

}  // namespace quarnelo::numeric
