// Text and number conversion: copying, fixed-notation formatting, parsing in
// the classic locale, and Windows-1252 <-> UTF-8.

#include "toolkit/text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tk {

std::string& CopyText(std::string& dest, const char* source, int n) {
    dest.clear();
    if (source == nullptr) return dest;
    if (n < 1) {
        dest = source;
        return dest;
    }
    for (int i = 0; i < n && source[i] != '\0'; ++i) dest.push_back(source[i]);
    return dest;
}

void AppendText(std::string& dest, const char* text) {
    if (text != nullptr) dest += text;
}

namespace {

constexpr int kMaxDecimals = 8;

// Room for the widest fixed-notation double: 309 integer digits, a sign, the
// point and one decimal more than the widest format, with a good margin.
constexpr std::size_t kNumberBuffer = 400;

// True when |value| lies exactly halfway between two multiples of
// 10^-decimals. Such a value times 2^(decimals+1) is an odd integer (the
// factor 5^decimals is odd and a double has no factor 5 in its denominator).
bool IsExactHalf(double magnitude, int decimals) {
    double scaled = std::ldexp(magnitude, decimals + 1);
    return std::isfinite(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

// Adds one unit in the last digit of a digit string with an optional '.',
// carrying through nines; a carry out of the front adds a leading '1'.
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        char& c = digits[i];
        if (c == '.') continue;
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string& FormatNumber(std::string& dest, double value, int decimals) {
    if (decimals < 0) return dest;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;

    if (std::isnan(value)) {
        dest = "nan";
        return dest;
    }
    if (std::isinf(value)) {
        dest = value < 0 ? "-inf" : "inf";
        return dest;
    }

    char buffer[kNumberBuffer];
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    if (!IsExactHalf(magnitude, decimals)) {
        // Not a tie: the correctly rounded conversion is the right answer.
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed, decimals);
        if (ec != std::errc{}) {
            dest = "nan";  // cannot happen with a buffer this size
            return dest;
        }
        dest.assign(buffer, end);
        return dest;
    }

    // An exact half: one more decimal shows it exactly (ending in '5'); drop
    // that digit and round the magnitude up, away from zero.
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::fixed, decimals + 1);
    if (ec != std::errc{}) {
        dest = "nan";
        return dest;
    }
    std::string digits(buffer, end - 1);
    if (decimals == 0) digits.pop_back();  // the point before the dropped digit
    IncrementDigits(digits);
    dest.clear();
    if (negative) dest.push_back('-');
    dest += digits;
    return dest;
}

#ifdef _WIN32

// The C runtime's strtod of mingw-w64 is the C99 one (hexadecimal, inf, nan,
// correctly rounded), but it reads the decimal point of the process's
// locale; msvcrt's own _strtod_l, which takes a locale, knows neither
// hexadecimal nor inf and nan. Nothing in the program sets a locale, so the
// point is '.'; should anything set one with another point, the text is read
// as if that point were a '.', and its own points stop the number.
double ParseNumber(const char* text) {
    if (text == nullptr) return 0.0;
    const char* point = std::localeconv()->decimal_point;
    if (point == nullptr || std::strcmp(point, ".") == 0 || std::strlen(point) != 1)
        return std::strtod(text, nullptr);
    std::string translated(text);
    for (char& c : translated) {
        if (c == point[0])
            c = '\x01';
        else if (c == '.')
            c = point[0];
    }
    return std::strtod(translated.c_str(), nullptr);
}

#else

namespace {

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

}  // namespace

double ParseNumber(const char* text) {
    if (text == nullptr) return 0.0;
    locale_t classic = ClassicLocale();
    if (classic == static_cast<locale_t>(0)) return std::strtod(text, nullptr);
    return strtod_l(text, nullptr, classic);
}

#endif

// ---- Windows-1252 ----------------------------------------------------------

int Cp1252FromCodePoint(char32_t cp) { return cp1252_detail::FromCodePoint(cp); }

char32_t CodePointFromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return cp1252_detail::kHigh[byte - 0x80];
    return byte;
}

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every code point of Windows-1252 lies in the basic plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence starting at text[i]. Returns the number of bytes
// consumed (at least 1); `cp` is set only for a well-formed sequence, and
// `valid` tells which. A malformed sequence consumes its lead byte and the
// continuation bytes that were still acceptable, so decoding resumes at the
// first offending byte.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[i]);
    valid = false;
    if (lead < 0x80) {
        cp = lead;
        valid = true;
        return 1;
    }
    int extra = 0;
    char32_t value = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 1;  // stray continuation byte, overlong lead or invalid byte
    }
    std::size_t used = 1;
    for (int k = 0; k < extra; ++k, ++used) {
        if (i + used >= text.size()) return used;
        const auto b = static_cast<unsigned char>(text[i + used]);
        const unsigned char lo = k == 0 ? low : 0x80;
        const unsigned char hi = k == 0 ? high : 0xBF;
        if (b < lo || b > hi) return used;
        value = (value << 6) | (b & 0x3F);
    }
    cp = value;
    valid = true;
    return used;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) AppendUtf8(out, CodePointFromCp1252(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        bool valid = false;
        i += DecodeUtf8(utf8, i, cp, valid);
        if (!valid) continue;
        int byte = Cp1252FromCodePoint(cp);
        if (byte >= 0) out.push_back(static_cast<char>(byte));
    }
    return out;
}

namespace {

bool IsLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

}  // namespace

std::string FieldInput(std::u32string_view text, bool digitsOnly, std::size_t room) {
    std::string taken;
    for (char32_t c : text) {
        if (taken.size() >= room || IsLineBreak(c)) break;
        if (c < 0x20 || c == 0x7F) continue;
        if (digitsOnly && (c < U'0' || c > U'9')) continue;
        const int byte = Cp1252FromCodePoint(c);
        if (byte >= 0) taken.push_back(static_cast<char>(byte));
    }
    return taken;
}

}  // namespace tk
