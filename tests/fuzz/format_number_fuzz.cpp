// Fuzz target: FormatNumber on every double and every number of decimals.
//
// The input is read in 8-byte pieces (a short last piece is padded with
// zeros). The first piece's bits are a double and the next four bytes a
// number of decimals; every piece is then also read as a double by its bits,
// and as a multiple of a power of two (which gives exact halves, runs of nines
// and large integers far more often than random bits do). Each double is
// formatted with the fuzzed number of decimals and with -1 to 9, in a locale
// with a decimal comma.
//
// The result must be the destination itself; untouched for negative decimals;
// "nan", "inf" or "-inf"; or -?digits with exactly min(decimals, 8) decimals
// after a '.', no needless leading zero, at most 309 integer digits. It must
// equal glibc's "%.*f" in the classic locale except at an exact half in the
// last decimal, where glibc rounds to even and FormatNumber away from zero.
// Exact halves are found from glibc's exact decimal text of the double.

#include "toolkit/text.h"

#include <algorithm>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

constexpr std::size_t kLongest = 1 + 309 + 1 + 8;   // sign, integer digits, point, decimals

locale_t Locale(const char* name) {
    return newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
}

locale_t ClassicLocale() {
    static const locale_t locale = Locale("C");
    return locale;
}

locale_t CommaLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE.ISO-8859-1"})
            if (locale_t l = Locale(name)) return l;
        return ClassicLocale();
    }();
    return locale;
}

[[noreturn]] void Fail(double value, int decimals, const std::string& got, const char* what, const char* want) {
    std::fprintf(stderr, "FormatNumber(%a [%016llX], %d) gave \"%s\": %s%s%s\n", value,
                 static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)), decimals, got.c_str(), what,
                 want[0] != '\0' ? "; expected " : "", want);
    std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// glibc's "%.*f" in the classic locale; 1074 decimals show every double exactly.
std::string Printf(double value, int decimals) {
    char text[kLongest + 1074];
    const int n = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) std::abort();
    return text;
}

// True when |value| lies exactly halfway between two multiples of
// 10^-decimals: its exact decimal text ends in a 5 right after the last
// decimal kept.
bool IsExactHalf(double value, int decimals) {
    const std::string shorter = Printf(value, decimals + 1);
    if (shorter.back() != '5' || std::strtod(shorter.c_str(), nullptr) != value) return false;   // cheap test first
    const std::string exact = Printf(value, 1074);
    return exact.compare(0, shorter.size(), shorter) == 0 &&
           exact.find_first_not_of('0', shorter.size()) == std::string::npos;
}

void Check(double value, int decimals) {
    static const std::string kUntouched = "untouched";
    std::string dest = kUntouched;
    const locale_t saved = uselocale(CommaLocale());
    const std::string& result = FormatNumber(dest, value, decimals);
    uselocale(ClassicLocale());
    const std::string got = dest;

    if (&result != &dest) Fail(value, decimals, got, "the result is not the destination", "");
    if (decimals < 0) {
        if (got != kUntouched) Fail(value, decimals, got, "negative decimals changed the destination", "");
        uselocale(saved);
        return;
    }
    if (got.size() > kLongest) Fail(value, decimals, got, "longer than the widest fixed-notation double", "");

    if (std::isnan(value) || std::isinf(value)) {
        const char* want = std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
        if (got != want) Fail(value, decimals, got, "wrong text", want);
        uselocale(saved);
        return;
    }

    // Shape: -?digits(.digits)? with the sign of the value and the decimals asked for.
    const int places = std::min(decimals, 8);
    std::size_t i = 0;
    if (std::signbit(value) != (!got.empty() && got[0] == '-'))
        Fail(value, decimals, got, "the sign does not match the value", "");
    if (std::signbit(value)) ++i;
    const std::size_t first = i;
    while (i < got.size() && IsDigit(got[i])) ++i;
    const std::size_t whole = i - first;
    if (whole < 1 || whole > 309 || (whole > 1 && got[first] == '0'))
        Fail(value, decimals, got, "malformed integer part", "");
    if (places > 0) {
        if (i >= got.size() || got[i] != '.') Fail(value, decimals, got, "no decimal point", "");
        const std::size_t point = i++;
        while (i < got.size() && IsDigit(got[i])) ++i;
        if (i - point - 1 != static_cast<std::size_t>(places))
            Fail(value, decimals, got, "wrong number of decimals", "");
    }
    if (i != got.size()) Fail(value, decimals, got, "stray characters", "");

    // Value: glibc's correctly rounded text, except that an exact half rounds
    // away from zero: glibc's text when it rounds outwards (it follows the
    // floating-point rounding mode).
    std::string want;
    if (IsExactHalf(value, places)) {
        std::fesetround(std::signbit(value) ? FE_DOWNWARD : FE_UPWARD);
        want = Printf(value, places);
        std::fesetround(FE_TONEAREST);
    } else {
        want = Printf(value, places);
    }
    if (got != want) Fail(value, decimals, got, "wrong digits", want.c_str());
    uselocale(saved);
}

void CheckAllDecimals(double value, int fuzzedDecimals) {
    Check(value, fuzzedDecimals);
    for (int decimals = -1; decimals <= 9; ++decimals) Check(value, decimals);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto piece = [&](std::size_t at, std::size_t length) {
        std::uint64_t bits = 0;
        for (std::size_t k = 0; k < length && at + k < size; ++k) bits |= std::uint64_t(data[at + k]) << (8 * k);
        return bits;
    };
    const auto decimals = static_cast<std::int32_t>(static_cast<std::uint32_t>(piece(8, 4)));
    for (std::size_t at = 0; at == 0 || at < size; at += 8) {
        const std::uint64_t bits = piece(at, 8);
        CheckAllDecimals(std::bit_cast<double>(bits), decimals);
        // Low byte: a power of two from 2^-64 to 2^63 (signed); the rest: a 56-bit multiplier.
        const double multiplier = static_cast<double>(static_cast<std::int64_t>(bits) >> 8);
        CheckAllDecimals(std::ldexp(multiplier, static_cast<std::int8_t>(bits & 0xFF) / 2), decimals);
    }
    return 0;
}
