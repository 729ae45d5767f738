#include "numeric/checks.h"

#include <cstdint>

#include "numeric/ansi.h"
#include "numeric/term.h"

namespace quarnelo::numeric {

std::string SchnellErsetzen(std::string_view text, std::string_view such, std::string_view ersatz) {
    std::string out;
    if (text.empty()) return out;
    if (such.empty()) return std::string(text);
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool treffer = i + such.size() <= text.size();
        for (std::size_t k = 0; treffer && k < such.size(); ++k)
            treffer = AnsiGross(static_cast<unsigned char>(text[i + k])) ==
                      AnsiGross(static_cast<unsigned char>(such[k]));
        if (treffer) {
            out.append(ersatz);
            i += such.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

namespace {
// True when `such` occurs in `text`, letters compared without regard to case.
bool EnthaeltOhneFall(std::string_view text, std::string_view such) {
    if (such.size() > text.size()) return false;
    const unsigned char erstes = AnsiGross(static_cast<unsigned char>(such[0]));
    for (std::size_t i = 0; i + such.size() <= text.size(); ++i) {
        if (AnsiGross(static_cast<unsigned char>(text[i])) != erstes) continue;
        std::size_t k = 1;
        while (k < such.size() && AnsiGross(static_cast<unsigned char>(text[i + k])) ==
                                      AnsiGross(static_cast<unsigned char>(such[k])))
            ++k;
        if (k == such.size()) return true;
    }
    return false;
}
}  // namespace

int ZeichenZaehlen(std::string_view text, char zeichen) {
    int n = 0;
    for (char c : text) n += c == zeichen;
    return n;
}

bool IstZahl(std::string_view text, char dezimaltrenner) {
    long double v;
    return ZahlLesen(text, dezimaltrenner, v);
}

bool IstGanzzahl(std::string_view text, int* wert) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negativ = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;
    std::uint64_t v = 0;
    for (; i < n; ++i) {
        char c = text[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * (hex ? 16 : 10) + d;
        if (v > 0xFFFFFFFFull) return false;
    }
    std::int64_t s;
    if (hex) {
        // Eight hexadecimal digits fill the 32 bits, the top one being the sign.
        s = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        if (negativ) s = -s;
        if (s < INT32_MIN || s > INT32_MAX) return false;
    } else {
        s = negativ ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
        if (s < INT32_MIN || s > INT32_MAX) return false;
    }
    if (wert) *wert = static_cast<int>(s);
    return true;
}

bool TermGueltig(std::string_view text) {
    if (text.empty()) return false;
    if (ZeichenZaehlen(text, '(') != ZeichenZaehlen(text, ')')) return false;
    // Constants, parentheses, exponent markers and function names, in this order.
    static const char* const kRegeln[][2] = {
        {")-", ")+"}, {"SQINCH", "Z"}, {"CUINCH", "Z"}, {"INCH", "Z"}, {"PI", "Z"}, {"(", "1"}, {")", "Z"},
        {"E-", "0"}, {"E", "0"},
        {"ARCTAN\xB0", "1"}, {"ARCSIN\xB0", "1"}, {"ARCCOS\xB0", "1"}, {"ARCTAN", "1"}, {"ARCSIN", "1"},
        {"ARCCOS", "1"}, {"SQRT", "1"}, {"SIN\xB0", "1"}, {"COS\xB0", "1"}, {"TAN\xB0", "1"}, {"SIN", "1"},
        {"COS", "1"}, {"TAN", "1"}, {"ABS", "1"}, {"FAK", "1"}, {"INT", "1"}, {"LN", "1"}, {"LG", "1"},
        {"LB", "1"},
    };
    std::string code(text);
    // Which upper-cased characters occur at all: a rule whose first character is
    // absent cannot match (replacements only add "Z", "1", "0" and "+").
    bool da[256] = {};
    for (char c : code) da[AnsiGross(static_cast<unsigned char>(c))] = true;
    for (const auto& r : kRegeln)
        if (da[static_cast<unsigned char>(r[0][0])] && EnthaeltOhneFall(code, r[0]))
            code = SchnellErsetzen(code, r[0], r[1]);
    // Digits, infix operators and separators. Each of these rules maps one
    // character to a text that no later rule touches, so one pass does them all.
    std::string zeichen;
    zeichen.reserve(code.size() + 8);
    zeichen.push_back('0');
    for (char c : code) {
        if (c == '0' || (c >= '2' && c <= '9')) zeichen.push_back('1');
        else if (c == '/' || c == '*' || c == '+' || c == '^' || c == ',' || c == '.') zeichen.push_back('0');
        else if (c == '-') zeichen += "10";
        else zeichen.push_back(c);
    }
    zeichen.push_back('0');
    code = std::move(zeichen);
    if (code.find("Z1") != std::string::npos) return false;
    for (char& c : code)
        if (c == 'Z') c = '1';
    if (code.find("00") != std::string::npos) return false;
    return IstZahl(code, ',');
}

bool ZweiTermeGueltig(std::string_view text) {
    std::string t = AsciiGross(text);
    for (char& c : t)
        if (c == 'X') c = '1';
    std::size_t amp = t.find('&');
    if (amp == std::string::npos || t.find('&', amp + 1) != std::string::npos) return false;
    return TermGueltig(std::string_view(t).substr(0, amp)) && TermGueltig(std::string_view(t).substr(amp + 1));
}

std::string WertNormalisieren(std::string_view text, char sep) {
    std::string t = AsciiGross(text);
    for (char& c : t)
        if (c == ',' || c == '.') c = sep;
    // E-digits becomes *10^(-digits).
    if (t.find("E-") != std::string::npos) {
        std::string out;
        out.reserve(t.size() + 8);
        std::size_t i = 0;
        while (i < t.size()) {
            if (t[i] == 'E' && i + 2 < t.size() + 0 && t[i + 1] == '-' && t[i + 2] >= '0' && t[i + 2] <= '9') {
                std::size_t k = i + 2;
                while (k < t.size() && t[k] >= '0' && t[k] <= '9') ++k;
                out += "*10^(-";
                out.append(t, i + 2, k - (i + 2));
                out += ")";
                i = k;
            } else {
                out.push_back(t[i++]);
            }
        }
        t = std::move(out);
    }
    if (t.find("E+") != std::string::npos) {
        std::string out;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == 'E' && i + 1 < t.size() && t[i + 1] == '+') {
                out.push_back('E');
                ++i;
            } else {
                out.push_back(t[i]);
            }
        }
        t = std::move(out);
    }
    if (t.find('E') != std::string::npos) {
        std::string out;
        for (char c : t) {
            if (c == 'E') out += "*10^";
            else out.push_back(c);
        }
        t = std::move(out);
    }
    return t;
}

bool WertFinden(std::string_view text, long double& wert, char sep) {
    std::string t = WertNormalisieren(text, sep);
    wert = 0.0L;
    long double v;
    if (ZahlLesen(t, sep, v)) {
        wert = v;
        return true;
    }
    if (TermGueltig(t)) {
        wert = TermBerechnen(t, 0.0L, sep);
        return true;
    }
    return false;
}

}  // namespace quarnelo::numeric
