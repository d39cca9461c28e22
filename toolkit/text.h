// Text and number conversion.
//
// Texts inside the program are 8-bit Windows-1252 strings. Source files are
// UTF-8; a literal written as "Motstånd"_cp is converted to Windows-1252 when
// the program is compiled, and a character with no Windows-1252 byte is a
// compile error. Everything but the literal is in namespace tk.
#pragma once

#include "window.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tk {

// Copies `source` into `dest`: the whole source when n < 1, else its first n
// characters (fewer when the source is shorter). Returns dest.
std::string& CopyText(std::string& dest, const char* source, int n);
void AppendText(std::string& dest, const char* text);

// Fixed notation with 0..8 decimals (above 8 uses 8), '.' as the decimal
// point whatever the locale, exact halves rounded away from zero ("0.125"
// with 2 decimals gives "0.13"), "inf", "-inf", "nan", "-0.00". A negative
// number of decimals leaves dest untouched. Returns dest.
std::string& FormatNumber(std::string& dest, double value, int decimals);

// strtod in the classic locale, whatever locale the process runs in; the end
// position is discarded, so a text with no number in front gives 0.0.
double ParseNumber(const char* text);

// Opens a document or web address with the desktop's handler.
void OpenWithShell(Window window, const char* target, int show);

// ---- Windows-1252 ----------------------------------------------------------

// The Windows-1252 byte for a Unicode code point, or -1 when it has none
// (0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned).
inline int Cp1252FromCodePoint(char32_t cp);
// The Unicode code point of a Windows-1252 byte (unassigned bytes map to
// the C1 control of the same value).
inline char32_t CodePointFromCp1252(unsigned char byte);
// The code points of a Windows-1252 text, and back: code points with no
// Windows-1252 byte are dropped.
std::u32string CodePointsOfCp1252(std::string_view cp1252);
std::string Cp1252(std::u32string_view text);

// ---- What an edit field takes ----------------------------------------------

// The part of `text` a single-line edit field takes when it is typed, pasted
// or dropped in place of the field's selection, in Windows-1252: the text up
// to its first line break (CR, LF, VT, FF, NEL, LS or PS), without control
// characters (TAB included) and characters Windows-1252 lacks, only the
// digits for a digits-only field, and at most `room` characters: the
// field's limit less the characters that stay. The text is UTF-16, as the
// platforms hold it, read only as far as the rules go (a long paste is not
// converted); a surrogate is a character Windows-1252 lacks, as is the
// character a pair of them makes.
std::string FieldInput(std::u16string_view text, bool digitsOnly, std::size_t room);

namespace cp1252_detail {

constexpr char32_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

constexpr int FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i) {
        bool unassigned = kHigh[i] < 0xA0;
        if (!unassigned && kHigh[i] == cp) return 0x80 + i;
    }
    return -1;
}

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    constexpr Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
    }
};

template <std::size_t N>
constexpr std::array<char, N> Convert(const char (&in)[N]) {
    std::array<char, N> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i + 1 < N;) {
        auto b = static_cast<unsigned char>(in[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else
            throw "malformed UTF-8 in a text literal";
        for (int k = 1; k <= extra; ++k) {
            if (i + k + 1 >= N) throw "truncated UTF-8 in a text literal";
            cp = (cp << 6) | (static_cast<unsigned char>(in[i + k]) & 0x3F);
        }
        i += static_cast<std::size_t>(extra) + 1;
        int byte = FromCodePoint(cp);
        if (byte < 0) throw "a text literal holds a character that Windows-1252 lacks";
        out[o++] = static_cast<char>(byte);
    }
    return out;
}

template <Utf8Literal S>
struct Storage {
    static constexpr std::array<char, sizeof(S.bytes)> value = Convert(S.bytes);
};

}  // namespace cp1252_detail

inline int Cp1252FromCodePoint(char32_t cp) { return cp1252_detail::FromCodePoint(cp); }
inline char32_t CodePointFromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? cp1252_detail::kHigh[byte - 0x80] : byte;
}

}  // namespace tk

// "Motstånd"_cp: the literal as a NUL-terminated Windows-1252 string.
template <tk::cp1252_detail::Utf8Literal S>
constexpr const char* operator""_cp() {
    return tk::cp1252_detail::Storage<S>::value.data();
}
