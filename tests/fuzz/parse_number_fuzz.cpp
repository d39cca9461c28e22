// Fuzz target: ParseNumber is the classic locale's strtod bit for bit (NaN
// payloads, the sign of zero), also in a decimal-comma locale, on the input as
// a text and on a text of the pieces its bytes select (which reaches strtod's
// corners far more often).

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
    // NaN with a payload, NaN, infinity, no number, zero, subnormal, text behind, the rest.
    const double e = expected;
    kinds[std::isnan(e)       ? ((bits(e) & 0x7FFFFFFFFFFFF) != 0 ? 0 : 1)
          : std::isinf(e)     ? 2
          : e == 0            ? (end == text ? 3 : 4)
          : !std::isnormal(e) ? 5
                              : (*end != '\0' ? 6 : 7)] = std::signbit(e) ? 1 : 0;
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
