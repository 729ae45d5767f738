#include "numeric/term.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace quarnelo::numeric {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kGradZuRad = kPi / 180.0L;
constexpr long double kLogUntergrenze = 1e-15L;
constexpr long double kGanzzahlToleranz = 1e-18L;

[[noreturn]] void Ueberlauf() { throw EvalError("Floating point overflow"); }

[[noreturn]] void KeineZahl(std::string_view t) {
    throw EvalError("'" + std::string(t) + "' is not a valid floating point value");
}

long double Pruefen(long double v) {
    if (std::isinf(v) || std::isnan(v)) Ueberlauf();
    return v;
}

locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

bool IstOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

// A "-" that follows another operator negates the operand after it instead of
// being a split point: 2*-3 is -6, 2--3 is 5.
bool IstVorzeichen(std::string_view t, std::size_t i) { return i > 0 && IstOperator(t[i - 1]); }

// Position of the rightmost `op` at depth 0, or npos.
std::size_t SplitStelle(std::string_view t, char op) {
    int tiefe = 0;
    for (std::size_t i = t.size(); i-- > 0;) {
        char c = t[i];
        if (c == '(') ++tiefe;
        else if (c == ')') --tiefe;
        else if (c == op && tiefe == 0 && !(op == '-' && IstVorzeichen(t, i))) return i;
    }
    return std::string_view::npos;
}

bool BeginntMit(std::string_view t, std::string_view p) { return t.substr(0, p.size()) == p; }

long double GeschuetzterLog(long double v) { return v < kLogUntergrenze ? 0.0L : std::log(v); }

long double Teilen(long double l, long double r) {
    if (r == 0.0L) return 0.0L;
    long double q = l / r;
    return std::isinf(q) || std::isnan(q) ? 0.0L : q;
}

long double Arkussinus(long double v) {
    long double w = 1.0L - v * v;
    if (w < 0.0L) return 0.0L;
    return std::atan2(v, std::sqrt(w));
}

long double Arkuscosinus(long double v) {
    long double w = 1.0L - v * v;
    if (w < 0.0L) return 0.0L;
    return std::atan2(std::sqrt(w), v);
}

long double Berechne(std::string_view term, long double x, char sep);

__attribute__((noinline)) long double Atom(std::string_view t, long double x, char sep) {
    auto rest = [&](std::size_t n) { return Berechne(t.substr(n), x, sep); };
    if (BeginntMit(t, "LN")) return GeschuetzterLog(rest(2));
    if (BeginntMit(t, "LG")) return GeschuetzterLog(rest(2)) / std::log(10.0L);
    if (BeginntMit(t, "LB")) return GeschuetzterLog(rest(2)) / std::log(2.0L);
    if (BeginntMit(t, "SIN\xB0")) return std::sin(rest(4) * kGradZuRad);
    if (BeginntMit(t, "COS\xB0")) return std::cos(rest(4) * kGradZuRad);
    if (BeginntMit(t, "TAN\xB0")) {
        long double a = rest(4) * kGradZuRad;
        return Teilen(std::sin(a), std::cos(a));
    }
    if (BeginntMit(t, "SIN")) return std::sin(rest(3));
    if (BeginntMit(t, "COS")) return std::cos(rest(3));
    if (BeginntMit(t, "TAN")) {
        long double a = rest(3);
        return Teilen(std::sin(a), std::cos(a));
    }
    if (BeginntMit(t, "ARCTAN\xB0")) return std::atan(rest(7)) * 180.0L / kPi;
    if (BeginntMit(t, "ARCSIN\xB0")) return Arkussinus(rest(7)) * 180.0L / kPi;
    if (BeginntMit(t, "ARCCOS\xB0")) return Arkuscosinus(rest(7)) * 180.0L / kPi;
    if (BeginntMit(t, "ARCTAN")) return std::atan(rest(6));
    if (BeginntMit(t, "ARCSIN")) return Arkussinus(rest(6));
    if (BeginntMit(t, "ARCCOS")) return Arkuscosinus(rest(6));
    if (BeginntMit(t, "ABS")) return std::fabs(rest(3));
    if (BeginntMit(t, "EXP")) return Pruefen(std::exp(rest(3)));
    if (BeginntMit(t, "FAK")) return Fakultaet(rest(3));
    if (BeginntMit(t, "INT")) return std::floor(rest(3));
    if (BeginntMit(t, "SQRT")) {
        long double v = rest(4);
        return v < 0.0L ? 0.0L : std::sqrt(v);
    }
    if (t[0] == '(') return Berechne(t.size() >= 2 ? t.substr(1, t.size() - 2) : std::string_view(), x, sep);
    if (t == "CUINCH") return 0.000016387064L;
    if (t == "SQINCH") return 0.00064516L;
    if (t == "INCH") return 0.0254L;
    if (t == "PI") return kPi;
    if (t == "X") return x;
    long double v;
    if (!ZahlLesen(t, sep, v)) KeineZahl(t);
    return v;
}

// A term split at its rightmost `op` at depth 0 is L op R with L split again the
// same way; walking all split points from the left gives the same grouping
// ((p0 op p1) op p2) ... without recursing once per operator.
__attribute__((noinline)) long double Kette(std::string_view t, char op, long double x, char sep) {
    int tiefe = 0;
    std::size_t start = 0;
    bool erstes = true;
    long double ergebnis = 0.0L;
    auto verbinden = [&](std::string_view teil) {
        long double r = Berechne(teil, x, sep);
        if (erstes) {
            ergebnis = r;
            erstes = false;
            return;
        }
        switch (op) {
            case '+': ergebnis = Pruefen(ergebnis + r); break;
            case '-': ergebnis = Pruefen(ergebnis - r); break;
            case '*': ergebnis = Pruefen(ergebnis * r); break;
            case '/': ergebnis = Teilen(ergebnis, r); break;
            default: ergebnis = Potenz(ergebnis, r); break;
        }
    };
    // The depth of a position counts the parentheses after it, as the scan from
    // the right does; this also holds for unbalanced text.
    for (char c : t) tiefe += c == '(' ? 1 : (c == ')' ? -1 : 0);
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == '(') --tiefe;
        else if (c == ')') ++tiefe;
        else if (c == op && tiefe == 0 && !(op == '-' && IstVorzeichen(t, i))) {
            verbinden(t.substr(start, i - start));
            start = i + 1;
        }
    }
    verbinden(t.substr(start));
    return ergebnis;
}

bool VorMultiplikation(char c) { return c == ')' || (c >= '0' && c <= '9'); }
bool NachMultiplikation(char c) { return c == '(' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

long double Berechne(std::string_view term, long double x, char sep) {
    // Trim characters up to code 32 on both ends.
    std::size_t a = 0, b = term.size();
    while (a < b && static_cast<unsigned char>(term[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(term[b - 1]) <= 32) --b;
    std::string_view t = term.substr(a, b - a);
    if (t.empty()) return 0.0L;

    // A leading minus becomes 0-..., and an implicit product gets its "*".
    // One pass inserts every "*": an inserted "*" never forms a new pair.
    std::string eigen;
    bool vorne = t[0] == '-';
    bool implizit = false;
    for (std::size_t i = 0; i + 1 < t.size() && !implizit; ++i)
        implizit = VorMultiplikation(t[i]) && NachMultiplikation(t[i + 1]);
    if (vorne || implizit) {
        eigen.reserve(t.size() + 8);
        if (vorne) eigen.push_back('0');
        for (std::size_t i = 0; i < t.size(); ++i) {
            eigen.push_back(t[i]);
            if (i + 1 < t.size() && VorMultiplikation(t[i]) && NachMultiplikation(t[i + 1])) eigen.push_back('*');
        }
        t = eigen;
    }

    for (char op : {'+', '-', '*', '/', '^'}) {
        if (SplitStelle(t, op) == std::string_view::npos) continue;
        return Kette(t, op, x, sep);
    }
    return Atom(t, x, sep);
}

}  // namespace

long double TermBerechnen(std::string_view term, long double x, char dezimaltrenner) {
    return Berechne(term, x, dezimaltrenner);
}

long double Potenz(long double basis, long double exponent) {
    if (exponent == 0.0L) return 1.0L;
    if (basis == 0.0L && exponent > 0.0L) return 0.0L;
    long double betrag = std::fabs(exponent);
    long double bruch = betrag + kGanzzahlToleranz;
    bruch -= std::floor(bruch);
    if (bruch < 2 * kGanzzahlToleranz && betrag <= 2147483647.0L) {
        long long n = std::llround(betrag);
        long double ergebnis = 1.0L, b = basis;
        while (n > 0) {
            while (n % 2 == 0) {
                n /= 2;
                b *= b;
                if (std::isinf(b)) return 0.0L;
            }
            --n;
            ergebnis *= b;
            if (std::isinf(ergebnis)) return 0.0L;
        }
        if (exponent < 0.0L) return Teilen(1.0L, ergebnis);
        return ergebnis;
    }
    if (basis > 0.0L) {
        long double v = std::exp(exponent * std::log(basis));
        return std::isinf(v) || std::isnan(v) ? 0.0L : v;
    }
    return 0.0L;
}

long double Fakultaet(long double x) {
    if (x <= 1.0L) return 1.0L;
    // 1755! is beyond the extended range, and so is every product from here on.
    if (x >= 1755.0L) Ueberlauf();
    long double anzahl = std::ceil(x - 1.0L);  // factors x, x-1, ... above 1
    long double produkt = 1.0L;
    for (long double i = anzahl - 1.0L; i >= 0.0L; i -= 1.0L) produkt = Pruefen(produkt * (x - i));
    return produkt;
}

bool ZahlLesen(std::string_view text, char sep, long double& wert) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::string sauber;
    sauber.reserve(n + 2);
    bool negativ = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        sauber.push_back(text[i++]);
    }
    int ziffern = 0, signifikant = 0, nachkomma = 0;
    bool trenner = false;
    unsigned long long mantisse = 0;
    bool genau = true;  // the mantissa holds every significant digit
    for (; i < n; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            sauber.push_back(c);
            ++ziffern;
            if (trenner) ++nachkomma;
            if (mantisse == 0 && c == '0') continue;
            if (++signifikant > 19) genau = false;
            else mantisse = mantisse * 10 + static_cast<unsigned>(c - '0');
        } else if (c == sep && !trenner) {
            sauber.push_back('.');
            trenner = true;
        } else {
            break;
        }
    }
    if (ziffern == 0) return false;
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        std::string e;
        if (i < n && (text[i] == '+' || text[i] == '-')) e.push_back(text[i++]);
        std::size_t start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9') e.push_back(text[i++]);
        if (i > start) {
            sauber += "e" + e;
            if (i - start > 9) genau = false;
            else exponent = std::stoll(e);
        }
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return false;
    // Exact mantissa and an exact power of ten: one correctly rounded operation.
    const long long zehn = exponent - nachkomma;
    if (genau && mantisse < (1ull << 63) && zehn >= -27 && zehn <= 27) {
        static const long double kPotenz[28] = {
            1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
            1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
        long double v = static_cast<long double>(mantisse);
        v = zehn >= 0 ? v * kPotenz[zehn] : v / kPotenz[-zehn];
        wert = negativ ? -v : v;
        return true;
    }
    char* ende = nullptr;
    long double v = strtold_l(sauber.c_str(), &ende, CLocale());
    if (std::isinf(v) || std::isnan(v)) return false;
    wert = v;
    return true;
}

}  // namespace quarnelo::numeric
