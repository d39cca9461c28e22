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

bool IsLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

}  // namespace

std::string FieldInput(std::u16string_view text, bool digitsOnly, std::size_t room) {
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
