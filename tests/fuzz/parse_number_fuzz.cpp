// Fuzz target: ParseNumber is strtod in the classic locale, bit for bit (NaN
// payloads and the sign of zero included), whatever locale the thread runs in.
//
// Every input is tried twice: its bytes as a NUL-terminated text, and a text
// assembled from pieces the bytes select (signs, blanks, hex, exponents,
// "nan(...)", "infinity", high bytes, long digit runs), which reaches the
// corners of strtod far more often than raw bytes do.

#include "toolkit/text.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

const std::string kPieces[] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", ",", "+", "-", " ", "\t", "\n", "\v\f\r",
    "e", "E", "e+", "e-", "0x", "0X", "x", "p", "P", "p-", "a", "F", "nan", "NAN", "nan(", ")", "(", "_",
    "inf", "INF", "infinity", "INFINITY", "infinit", "\xA0", "\x80", "\xC3\xA5", "\xFF", "'",
    std::string(40, '0'), std::string(400, '9'), "1" + std::string(800, '0'), std::string(25, '1'),
    "4940656458412465441765687928682213723651",   // digits of the smallest subnormal
    "2.2250738585072011e-308", "1.7976931348623157e308", "1e-324", "2.4703282292062327e-324",
    "0x1.fffffffffffff", "0x1p-1074", "0x.8p-1073", "9007199254740993", "e99999999999999999999",
    "00000000000000000000000000000000001", "5e-1", "1.00000000000000011102230246251565404236316680908203125",
};
constexpr std::size_t kPieceCount = sizeof kPieces / sizeof kPieces[0];

locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

// A locale with a decimal comma, or the classic one when none is installed.
locale_t CommaLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE.ISO-8859-1"})
            if (locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0))) return l;
        return ClassicLocale();
    }();
    return locale;
}

void PrintText(const char* text) {
    std::fputc('"', stderr);
    for (const char* p = text; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') std::fputc(c, stderr);
        else std::fprintf(stderr, "\\x%02X", c);
    }
    std::fputs("\"\n", stderr);
}

// Written on every kind of result, so that the branches stay in.
volatile int kinds[8];

void Check(const char* text) {
    const locale_t classic = ClassicLocale(), comma = CommaLocale();
    if (classic == static_cast<locale_t>(0) || comma == static_cast<locale_t>(0)) std::abort();
    const locale_t saved = uselocale(classic);
    char* end = nullptr;
    const double expected = std::strtod(text, &end);
    uselocale(comma);
    const double inComma = ParseNumber(text);
    uselocale(classic);
    const double inClassic = ParseNumber(text);
    uselocale(saved);

    const auto want = std::bit_cast<std::uint64_t>(expected);
    if (std::bit_cast<std::uint64_t>(inClassic) != want || std::bit_cast<std::uint64_t>(inComma) != want) {
        std::fputs("ParseNumber disagrees with strtod in the classic locale on ", stderr);
        PrintText(text);
        std::fprintf(stderr, "strtod %a (%016llX), ParseNumber %a (%016llX), in a decimal-comma locale %a (%016llX)\n",
                     expected, static_cast<unsigned long long>(want), inClassic,
                     static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(inClassic)), inComma,
                     static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(inComma)));
        std::abort();
    }

    // Branch on the kind of result so that the fuzzer sees a new kind of
    // number as new coverage (strtod itself is not instrumented).
    const int negative = std::signbit(expected) ? 1 : 0;
    if (std::isnan(expected)) {
        if ((want & 0x7FFFFFFFFFFFF) != 0) kinds[0] = negative;   // with a payload
        else kinds[1] = negative;
    } else if (std::isinf(expected)) {
        kinds[2] = negative;
    } else if (expected == 0) {
        if (end == text) kinds[3] = negative;   // no number at all
        else kinds[4] = negative;
    } else if (!std::isnormal(expected)) {
        kinds[5] = negative;
    } else if (*end != '\0') {
        kinds[6] = negative;   // a number with text behind it
    } else {
        kinds[7] = negative;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    Check(raw.c_str());   // up to the first NUL byte

    std::string assembled;
    for (std::size_t i = 0; i < size; ++i) assembled += kPieces[data[i] % kPieceCount];
    Check(assembled.c_str());
    return 0;
}
