// Fuzz target: ParseNumber is strtod in the classic locale, bit for bit (NaN
// payloads and the sign of zero included), in the classic locale and in one
// with a decimal comma.
//
// Every input is tried twice: its bytes as a NUL-terminated text, and a text
// assembled from the pieces its bytes select, which reaches the corners of
// strtod far more often than raw bytes do.

#include "toolkit/text.h"

#include <locale.h>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace tk;

namespace {

// The pieces a byte selects: the corpus depends on their order and number.
std::vector<std::string> MakePieces() {
    std::vector<std::string> pieces;
    auto add = [&](std::string_view joined) {  // the pieces between bars
        for (std::size_t at = 0, bar = 0; at <= joined.size(); at = bar + 1) {
            bar = std::min(joined.find('|', at), joined.size());
            pieces.emplace_back(joined.substr(at, bar - at));
        }
    };
    add("0|1|2|3|4|5|6|7|8|9|.|,|+|-| "
        "|\t|\n|\v\f\r|e|E|e+|e-|0x|0X|x|p|P|p-|a|F|nan|NAN|nan(|)|(|_|"
        "inf|INF|infinity|INFINITY|infinit|\xA0|\x80|\xC3\xA5|\xFF|'");
    pieces.insert(pieces.end(), {std::string(40, '0'), std::string(400, '9'),
                                 "1" + std::string(800, '0'), std::string(25, '1')});
    // The digits of the smallest subnormal, then the edges of a double.
    add("4940656458412465441765687928682213723651|2.2250738585072011e-308|"
        "1.7976931348623157e308|1e-324|2.4703282292062327e-324|0x1.fffffffffffff|0x1p-1074|"
        "0x.8p-1073|9007199254740993|e99999999999999999999|00000000000000000000000000000000001|"
        "5e-1|1.00000000000000011102230246251565404236316680908203125");
    return pieces;
}
const std::vector<std::string> kPieces = MakePieces();

locale_t FirstLocale(std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0))) return l;
    std::abort();
}

// Written on every kind of result, so that the fuzzer sees a new kind as new
// coverage (strtod itself is not instrumented).
volatile int kinds[8];

void Check(const char* text) {
    static const locale_t classic = FirstLocale({"C"}),
                          comma =
                              FirstLocale({"sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE.ISO-8859-1", "C"});
    const locale_t saved = uselocale(classic);
    char* end = nullptr;
    const double expected = std::strtod(text, &end), inClassic = ParseNumber(text);
    uselocale(comma);
    const double inComma = ParseNumber(text);
    uselocale(saved);

    const auto bits = [](double d) {
        return static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(d));
    };
    if (bits(inClassic) != bits(expected) || bits(inComma) != bits(expected)) {
        std::fputs("ParseNumber disagrees with strtod on \"", stderr);
        for (const char* p = text; *p != '\0'; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '"' && c != '\\' ? "%c" : "\\x%02X",
                         c);
        }
        std::fprintf(stderr,
                     "\": strtod %016llX, ParseNumber %016llX, in a decimal-comma locale %016llX\n",
                     bits(expected), bits(inClassic), bits(inComma));
        std::abort();
    }
    const int negative = std::signbit(expected) ? 1 : 0;
    if (std::isnan(expected) && (bits(expected) & 0x7FFFFFFFFFFFF) != 0)
        kinds[0] = negative;  // a payload
    else if (std::isnan(expected))
        kinds[1] = negative;
    else if (std::isinf(expected))
        kinds[2] = negative;
    else if (expected == 0 && end == text)
        kinds[3] = negative;  // no number at all
    else if (expected == 0)
        kinds[4] = negative;
    else if (!std::isnormal(expected))
        kinds[5] = negative;
    else if (*end != '\0')
        kinds[6] = negative;  // text behind the number
    else
        kinds[7] = negative;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    Check(raw.c_str());  // up to the first NUL byte
    std::string assembled;
    for (std::size_t i = 0; i < size; ++i) assembled += kPieces[data[i] % std::size(kPieces)];
    Check(assembled.c_str());
    return 0;
}
