// The 8-bit code page (Windows-1252) in which terms and factors are evaluated.
#pragma once

#include <string>
#include <string_view>

namespace quarnelo::numeric {

/// UTF-16 text to Windows-1252. Characters outside the code page become "?",
/// except the minus sign U+2212, which becomes "-". Unpaired surrogates become "?".
std::string AnsiAusUtf16(std::u16string_view text);

/// UTF-8 text to Windows-1252 with the same rules (malformed bytes become "?").
std::string AnsiAusUtf8(std::string_view text);

/// Windows-1252 text to UTF-16. The five bytes the code page leaves undefined
/// (81 8D 8F 90 9D) map to the C1 control characters of the same value.
std::u16string Utf16AusAnsi(std::string_view text);

/// Windows-1252 text to UTF-8.
std::string Utf8AusAnsi(std::string_view text);

/// Upper-cases the ASCII letters a-z only.
std::string AsciiGross(std::string_view text);

namespace detail {
constexpr unsigned char Gross(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}
struct GrossTabelle {
    unsigned char t[256];
    constexpr GrossTabelle() : t() {
        for (int i = 0; i < 256; ++i) t[i] = Gross(static_cast<unsigned char>(i));
    }
};
inline constexpr GrossTabelle kGross{};
}  // namespace detail

/// Upper-case mapping of the code page (letters a-z and the accented lower-case
/// letters of Windows-1252).
inline unsigned char AnsiGross(unsigned char c) { return detail::kGross.t[c]; }

}  // namespace quarnelo::numeric
