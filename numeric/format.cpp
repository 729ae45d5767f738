#include "numeric/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

namespace quarnelo::numeric {
namespace {

// The value as decimal digits d1 d2 ... with |wert| = 0.d1d2... * 10^e.
struct Ziffernfolge {
    std::string ziffern;  // without trailing zeros; empty for zero
    int e = 0;
    bool negativ = false;
};

using u128 = unsigned __int128;

constexpr u128 Zehnerpotenz(int n) {
    u128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}
constexpr u128 kE17 = Zehnerpotenz(17);
constexpr u128 kE18 = Zehnerpotenz(18);

int Bits(u128 v) {
    int n = 0;
    while (v) {
        v >>= 1;
        ++n;
    }
    return n;
}

// round(m * 2^ex * 10^p) to nearest, ties to even, in exact 128-bit arithmetic;
// false when the numbers do not fit.
bool Skaliert(std::uint64_t m, int ex, int p, u128& n) {
    u128 zaehler = m;
    u128 nenner = 1;
    if (p >= 0) {
        if (p > 19) return false;
        zaehler *= Zehnerpotenz(p);
    } else {
        if (-p > 38) return false;
        nenner = Zehnerpotenz(-p);
    }
    if (ex >= 0) {
        if (Bits(zaehler) + ex > 127) return false;
        zaehler <<= ex;
    } else {
        if (Bits(nenner) - ex > 127) return false;
        nenner <<= -ex;
    }
    n = zaehler / nenner;
    u128 rest = zaehler % nenner;
    u128 doppelt = rest * 2;  // rest < nenner < 2^127
    if (doppelt > nenner || (doppelt == nenner && (n & 1))) ++n;
    return true;
}

// The 18 digits of a positive finite value without printf, where exact 128-bit
// arithmetic suffices (most values the program shows).
bool SchnellZerlegen(long double a, std::string& ziffern, int& e) {
    int k;
    long double fr = std::frexp(a, &k);  // a = fr * 2^k, fr in [0.5, 1)
    std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fr, 64));
    int ex = k - 64;
    int e10 = static_cast<int>(std::floor(std::log10(a)));
    for (int versuch = 0; versuch < 3; ++versuch) {
        u128 n;
        if (!Skaliert(m, ex, 17 - e10, n)) return false;
        if (n >= kE18) {
            ++e10;
            continue;
        }
        if (n < kE17) {
            --e10;
            continue;
        }
        ziffern.assign(18, '0');
        for (int i = 17; i >= 0; --i) {
            ziffern[static_cast<std::size_t>(i)] = static_cast<char>('0' + static_cast<int>(n % 10));
            n /= 10;
        }
        e = e10 + 1;
        return true;
    }
    return false;
}

// |wert| rounded to 18 significant digits (no trailing zeros removed).
Ziffernfolge Zerlegen(long double wert) {
    Ziffernfolge z;
    z.negativ = std::signbit(wert);
    long double a = std::fabs(wert);
    if (a == 0.0L || std::isnan(a)) return z;
    if (std::isinf(a)) {  // never produced by the evaluator; written as the largest digits
        z.ziffern = "INF";
        return z;
    }
    if (SchnellZerlegen(a, z.ziffern, z.e)) return z;
    char buf[64];
    // d.ddddddddddddddddde±x: 18 significant digits, correctly rounded.
    auto res = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, 17);
    *res.ptr = 0;
    std::string& d = z.ziffern;
    d.push_back(buf[0]);
    const char* p = buf + 2;
    while (*p >= '0' && *p <= '9') d.push_back(*p++);
    z.e = std::atoi(p + 1) + 1;
    return z;
}

// The 18 digits of `voll` rounded to `behalten` digits, half up, trailing zeros dropped.
Ziffernfolge Runden(const Ziffernfolge& voll, int behalten) {
    Ziffernfolge z;
    z.negativ = voll.negativ;
    if (voll.ziffern.empty() || voll.ziffern == "INF") {
        z.ziffern = voll.ziffern;
        return z;
    }
    std::string d = voll.ziffern;
    int e = voll.e;
    if (behalten < 0) {
        z.ziffern.clear();
        return z;
    }
    if (behalten < static_cast<int>(d.size())) {
        bool auf = d[behalten] >= '5';
        d.resize(behalten);
        if (auf) {
            int i = behalten - 1;
            while (i >= 0 && d[i] == '9') d[i--] = '0';
            if (i >= 0) {
                ++d[i];
            } else {
                d.insert(d.begin(), '1');
                d.pop_back();
                if (d.empty()) d = "1";
                ++e;
            }
        }
    }
    while (!d.empty() && d.back() == '0') d.pop_back();
    z.ziffern = d;
    z.e = d.empty() ? 0 : e;
    return z;
}

std::string Exponent(int wert, int mindest) {
    std::string s = std::to_string(std::abs(wert));
    if (static_cast<int>(s.size()) < mindest) s.insert(0, mindest - s.size(), '0');
    return s;
}

std::string Allgemein(const Ziffernfolge& z, int p, int d, char sep) {
    if (z.ziffern.empty()) return "0";
    std::string out = z.negativ ? "-" : "";
    const std::string& g = z.ziffern;
    int e = z.e;
    if (e > p || e < -3) {
        out.push_back(g[0]);
        if (g.size() > 1) {
            out.push_back(sep);
            out.append(g, 1);
        }
        out.push_back('E');
        if (e - 1 < 0) out.push_back('-');
        out += Exponent(e - 1, d >= 0 && d <= 4 ? d : 0);
        return out;
    }
    if (e <= 0) {
        out += "0";
        out.push_back(sep);
        out.append(-e, '0');
        out += g;
        return out;
    }
    if (static_cast<int>(g.size()) <= e) {
        out += g;
        out.append(e - g.size(), '0');
    } else {
        out.append(g, 0, e);
        out.push_back(sep);
        out.append(g, e);
    }
    return out;
}

}  // namespace

namespace {
std::string ZahltextAus(const Ziffernfolge& voll, Format format, int p, int d, char sep) {
    if (p < 2) p = 2;
    if (p > 18) p = 18;
    if (format == Format::Fixed) {
        int dd = d < 0 ? 0 : (d > 18 ? 18 : d);
        // The digits up to the dd-th decimal place, no more than p; the exponent
        // decides how many that is, so round once for it first.
        const Ziffernfolge& grob = voll;
        int behalten = grob.ziffern.empty() ? 0 : std::min(p, grob.e + dd);
        Ziffernfolge z = Runden(voll, behalten);
        if (!z.ziffern.empty() && z.e > p) return Allgemein(Runden(voll, p), p, d, sep);
        std::string out = z.ziffern.empty() || !z.negativ ? "" : "-";
        const std::string& g = z.ziffern;
        if (g.empty() || z.e <= 0) {
            out += "0";
        } else if (static_cast<int>(g.size()) <= z.e) {
            out += g;
            out.append(z.e - g.size(), '0');
        } else {
            out.append(g, 0, z.e);
        }
        if (dd > 0) {
            out.push_back(sep);
            for (int k = 1; k <= dd; ++k) {
                int idx = z.e + k - 1;  // digit index of the k-th decimal place
                out.push_back(!g.empty() && idx >= 0 && idx < static_cast<int>(g.size()) ? g[idx] : '0');
            }
        }
        return out;
    }
    Ziffernfolge z = Runden(voll, p);
    if (format == Format::General) return Allgemein(z, p, d, sep);
    // Scientific.
    std::string out = z.ziffern.empty() || !z.negativ ? "" : "-";
    std::string g = z.ziffern.empty() ? "0" : z.ziffern;
    g.resize(p, '0');
    out.push_back(g[0]);
    out.push_back(sep);
    out.append(g, 1);
    int e = z.ziffern.empty() ? 0 : z.e - 1;
    out.push_back('E');
    out.push_back(e < 0 ? '-' : '+');
    out += Exponent(e, d >= 0 && d <= 4 ? d : 0);
    return out;
}

std::string BruchAus(const Ziffernfolge& voll, char sep) {
    std::string s = ZahltextAus(voll, Format::General, 15, 0, sep);
    std::size_t pos = s.find(sep);
    if (pos == std::string::npos || s.size() <= 10) return "";
    // A text in scientific form has no integer part before its separator: its
    // mantissa may repeat, but the value is no fraction of the listed kind.
    if (s.find('E') != std::string::npos) return "";
    std::string ganz = s.substr(0, pos);
    std::string rest = s.substr(pos);
    bool negativ = !ganz.empty() && ganz[0] == '-';
    long double n = std::fabs(std::strtold(ganz.c_str(), nullptr));
    struct Muster {
        const char* ziffern;
        int nenner;
        int addend;
    };
    static const Muster kMuster[] = {
        {"3333333333333", 3, 1},  {"6666666666666", 3, 2},  {"1111111111111", 9, 1},
        {"2222222222222", 9, 2},  {"4444444444444", 9, 4},  {"5555555555555", 9, 5},
        {"7777777777777", 9, 7},  {"8888888888888", 9, 8},  {"1666666666666", 6, 1},
        {"8333333333333", 6, 5},  {"0833333333333", 12, 1}, {"4166666666666", 12, 5},
        {"5833333333333", 12, 7}, {"9166666666666", 12, 11},
    };
    for (const Muster& m : kMuster) {
        std::string suche(1, sep);
        suche += m.ziffern;
        if (rest.find(suche) == std::string::npos) continue;
        long double zaehler = m.nenner * n + m.addend;
        if (negativ) zaehler = -zaehler;
        return Zahltext(zaehler, Format::General, 15, 0, sep) + "/" + std::to_string(m.nenner);
    }
    return "";
}

}  // namespace

std::string Zahltext(long double wert, Format format, int p, int d, char sep) {
    return ZahltextAus(Zerlegen(wert), format, p, d, sep);
}

std::string BruchErkennen(long double wert, char sep) { return BruchAus(Zerlegen(wert), sep); }

std::string ZahlFormatieren(long double wert, const Zahlformat& f) {
    const Ziffernfolge voll = Zerlegen(wert);
    std::string s;
    if (f.general) s = ZahltextAus(voll, Format::General, f.genauigkeit, f.ziffern, f.dezimaltrenner);
    else if (f.fixed) s = ZahltextAus(voll, Format::Fixed, f.genauigkeit, f.ziffern, f.dezimaltrenner);
    else if (f.exponent) s = ZahltextAus(voll, Format::Scientific, f.genauigkeit, f.ziffern, f.dezimaltrenner);
    if (f.bruch) {
        std::string b = BruchAus(voll, f.dezimaltrenner);
        if (!b.empty()) s = b;
    }
    return s;
}

}  // namespace quarnelo::numeric
