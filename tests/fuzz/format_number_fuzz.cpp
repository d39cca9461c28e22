// Fuzz target: FormatNumber, in a decimal-comma locale, of each 8-byte piece as
// a double and as a 56-bit multiple of a power of two, with -1 to 9 decimals and
// with bytes 8..11 as decimals: into the destination it returns, untouched for
// negative decimals, else glibc's "%.*f" (classic locale, at most 8 decimals)
// but that an exact half rounds away from zero.

#include "toolkit/text.h"

#include <locale.h>
#include <algorithm>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tk;

namespace {

locale_t CommaLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE.ISO-8859-1", "C"})
            if (locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0))) return l;
        std::abort();
    }();
    return locale;
}

// glibc's "%.*f" in the classic locale; 1074 decimals show any double exactly.
std::string Printf(double value, int decimals) {
    char text[1 + 309 + 1 + 1074 + 1];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void Check(double value, int decimals) {
    std::string dest = "untouched";
    const locale_t saved = uselocale(CommaLocale());
    const bool same = &FormatNumber(dest, value, decimals) == &dest;
    uselocale(saved);

    std::string want = "untouched";
    if (decimals >= 0 && std::isnan(value)) {
        want = "nan";
    } else if (decimals >= 0) {
        // An exact half (a 5 after the last decimal kept, then only zeros):
        // glibc follows the rounding mode, so round outwards.
        const int places = std::min(decimals, 8);
        const std::string shorter = Printf(std::fabs(value), places + 1);
        if (shorter.back() == '5') {  // only then the slow exact text
            const std::string exact = Printf(std::fabs(value), 1074);
            if (exact.starts_with(shorter) &&
                exact.find_first_not_of('0', shorter.size()) == std::string::npos)
                std::fesetround(std::signbit(value) ? FE_DOWNWARD : FE_UPWARD);
        }
        want = Printf(value, places);
        std::fesetround(FE_TONEAREST);
    }
    if (same && dest == want && dest.size() <= 319) return;
    std::fprintf(stderr, "FormatNumber(%a [%016llX], %d) gave \"%s\"%s; expected \"%s\"\n", value,
                 static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)), decimals,
                 dest.c_str(), same ? "" : " not in the destination", want.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto piece = [&](std::size_t at, std::size_t length) {
        std::uint64_t bits = 0;
        for (std::size_t k = 0; k < length && at + k < size; ++k)
            bits |= std::uint64_t(data[at + k]) << (8 * k);
        return bits;
    };
    const auto decimals = static_cast<std::int32_t>(static_cast<std::uint32_t>(piece(8, 4)));
    for (std::size_t at = 0; at == 0 || at < size; at += 8) {
        const std::uint64_t bits = piece(at, 8);
        // Low byte: a power of two from 2^-64 to 2^63; the rest: a signed multiplier.
        const double multiple =
            std::ldexp(static_cast<double>(static_cast<std::int64_t>(bits) >> 8),
                       static_cast<std::int8_t>(bits & 0xFF) / 2);
        for (double value : {std::bit_cast<double>(bits), multiple})
            for (int d = -1; d <= 10; ++d) Check(value, d == 10 ? decimals : d);
    }
    return 0;
}
