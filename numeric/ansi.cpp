#include "numeric/ansi.h"

#include <array>

namespace quarnelo::numeric {
namespace {

// Unicode values of the bytes 0x80..0x9F; 0 marks the undefined bytes, which
// decode to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Unicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char16_t u = kHigh[b - 0x80];
        return u ? u : char16_t(b);
    }
    return char16_t(b);
}

char Ansi(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    if (u == 0x2212) return '-';
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u && u != 0) return char(0x80 + i);
    if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) return char(u);
    return '?';
}

}  // namespace

std::string AnsiAusUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;  // a character beyond the BMP is never in the code page
            out.push_back('?');
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back('?');
        } else {
            out.push_back(Ansi(c));
        }
    }
    return out;
}

std::string AnsiAusUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        char32_t cp;
        int len;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
        else { out.push_back('?'); ++i; continue; }
        if (i + len > text.size()) { out.push_back('?'); break; }
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            unsigned char cb = static_cast<unsigned char>(text[i + k]);
            if ((cb & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (cb & 0x3F);
        }
        if (!ok) { out.push_back('?'); ++i; continue; }
        out.push_back(Ansi(cp));
        i += len;
    }
    return out;
}

std::u16string Utf16AusAnsi(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) out.push_back(Unicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8AusAnsi(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        char16_t u = Unicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out.push_back(char(u));
        } else if (u < 0x800) {
            out.push_back(char(0xC0 | (u >> 6)));
            out.push_back(char(0x80 | (u & 0x3F)));
        } else {
            out.push_back(char(0xE0 | (u >> 12)));
            out.push_back(char(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(char(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string AsciiGross(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

}  // namespace quarnelo::numeric
