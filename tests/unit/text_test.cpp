// Number text and Windows-1252 conversion.

#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Format(double value, int decimals) {
    std::string s;
    return FormatNumber(s, value, decimals);
}

// Reference for the fixed-notation rule from exact integer arithmetic, independent of any
// floating-point formatter: |value| * 10^decimals rounded half up. Valid for |value| < 2^90.
std::string ReferenceFormat(double value, int decimals) {
    int exponent = 0;
    unsigned __int128 scaled = std::uint64_t(std::ldexp(std::frexp(std::fabs(value), &exponent), 53)), q = 0;
    const int shift = exponent - 53;   // |value| == scaled * 2^shift
    for (int i = 0; i < decimals; ++i) scaled *= 10;
    if (shift >= 0)
        q = scaled << shift;
    else if (shift > -127)   // else far below half a unit
        q = (scaled >> -shift) + ((scaled >> (-shift - 1)) & 1);
    std::string digits;
    for (; q != 0 || int(digits.size()) <= decimals; q /= 10) digits.insert(0, 1, char('0' + int(q % 10)));
    if (decimals > 0) digits.insert(digits.end() - decimals, '.');
    return (std::signbit(value) ? "-" : "") + digits;
}

}  // namespace

TEST(CopyText, CopiesWholeOrPrefixAndReplacesOldContents) {
    std::string s = "old";
    for (auto [source, n, expected] : {std::tuple{"abcdef", -3, "abcdef"}, {"abcdef", 3, "abc"},
                                       {"ab", 5, "ab"}, {"", 0, ""}, {nullptr, 0, ""}})
        EXPECT_EQ(CopyText(s, source, n), expected) << n;
    AppendText(CopyText(s, "12.5", 0), " ohm");
    AppendText(s, nullptr);
    EXPECT_EQ(s, "12.5 ohm");
}

TEST(FormatNumber, WorkedValues) {
    const std::tuple<double, int, const char*> cases[] = {
        {1234.5678, 2, "1234.57"}, {1234.5678, 0, "1235"}, {1234.5678, 8, "1234.56780000"},
        {1234.5678, 9, "1234.56780000"}, {1234.5678, 1000, "1234.56780000"}, {1234567.25, 1, "1234567.3"},
        {0.125, 2, "0.13"}, {-0.125, 2, "-0.13"}, {2.5, 0, "3"}, {-2.5, 0, "-3"}, {999.5, 0, "1000"},
        {2.675, 2, "2.67"}, {0.99999999999999988898, 8, "1.00000000"}, {1e-9, 8, "0.00000000"},
        {NAN, 0, "nan"}, {-NAN, 9, "nan"}, {HUGE_VAL, 2, "inf"}, {-HUGE_VAL, 8, "-inf"}, {-0.0, 2, "-0.00"},
        {-0.0, 0, "-0"}, {-0.004, 0, "-0"}, {1e22, 0, "10000000000000000000000"}};
    for (auto [value, decimals, expected] : cases) EXPECT_EQ(Format(value, decimals), expected) << value;
    std::string s = "keep";
    EXPECT_EQ(&FormatNumber(s, 3.0, -1), &s);
    EXPECT_EQ(FormatNumber(s, 3.0, -1000), "keep");
    for (double value : {1e308, -DBL_MAX}) {   // whole: all 309 digits of the exact value, as glibc prints it
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.8f", value);
        EXPECT_EQ(Format(value, 8), expected);
    }
}

TEST(FormatNumber, MatchesHalfUpReferenceOnGeneratedValues) {
    std::mt19937_64 rng(20260130);
    auto check = [&](double v) {   // stops at the first difference
        for (int d = 0; d <= 8 && !HasFatalFailure(); ++d) ASSERT_EQ(Format(v, d), ReferenceFormat(v, d));
    };
    // Multiples of powers of two (many are exact halves), halves after runs of nines, decimal texts ending
    // in 5 (mostly just off the half in binary) and random magnitudes.
    for (int i = 0; i < 6000; ++i) check((i % 2 ? -1 : 1) * std::ldexp(rng() % 20000001, -1 - i % 30));
    for (double p = 10; p <= 1e15; p *= 10) check(p - 0.5), check(0.5 - p);
    std::uniform_int_distribution<long long> mantissa(0, 99999999999LL);
    for (int i = 0; i < 5000; ++i)
        check(std::stod(std::to_string(mantissa(rng)) + "5e-" + std::to_string(1 + rng() % 12)));
    std::uniform_real_distribution<double> exponent(-40.0, 60.0), unit(1.0, 2.0);
    for (int i = 0; i < 20000; ++i) check(std::ldexp(i % 2 ? unit(rng) : -unit(rng), int(exponent(rng))));
}

// ParseNumber is strtod in the C locale, also in a locale with a decimal comma; FormatNumber keeps '.'.
TEST(NumberText, ClassicInAnyLocale) {
    const char* const pieces[] = {
        "00000000000000000001", "0", "1", "5", "12", ".", ".", ",", "+", "-", "e", "E", "e-", "x", "X", "0x",
        "p", "p-", "a", "f", "F", "(", ")", "nan", "NaN", "inf", "INF", "infinity", "Infinit", "_", " ", "\t",
        "\n", "ohm", "1e308", "1e-320"};
    std::mt19937_64 rng(7);
    auto bits = [](double d) { return std::bit_cast<std::uint64_t>(d); };
    std::vector<std::pair<std::string, std::uint64_t>> cases(100000);
    for (auto& [text, expected] : cases) {
        for (int k = int(rng() % 8); k > 0; --k) text += pieces[rng() % std::size(pieces)];
        expected = bits(std::strtod(text.c_str(), nullptr));
    }
    auto check = [&](const char* locale) {
        for (const auto& [text, expected] : cases)
            ASSERT_EQ(bits(ParseNumber(text.c_str())), expected) << locale << ": \"" << text << '"';
        EXPECT_EQ(ParseNumber(nullptr), 0.0);
        EXPECT_EQ(Format(2.5, 0) + " " + Format(1234567.125, 2), "3 1234567.13") << locale;
    };
    check("C");
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool tried = false;
    for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr) {
            tried = true;
            EXPECT_EQ(std::strtod("1,5", nullptr), 1.5) << name;   // the locale really has a decimal comma
            check(name);
        }
    std::setlocale(LC_ALL, saved.c_str());
    if (!tried) GTEST_SKIP() << "neither sv_SE.UTF-8 nor de_DE.UTF-8 is installed";
}

TEST(Cp1252, LiteralsTablesAndUtf8) {
    static_assert("€"_cp[0] == '\x80' && "€"_cp[1] == '\0');
    EXPECT_STREQ("Motstånd ÅÄÖ åäö ‰…—™Ÿ"_cp, "Motst\xE5nd \xC5\xC4\xD6 \xE5\xE4\xF6 \x89\x85\x97\x99\x9F");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("\x80\x99\x9F\xE5\0", 5)), std::string("€™Ÿå") + '\0');
    for (int b = 0; b < 256; ++b) {   // every byte round trips; the five unassigned ones have no character
        const bool gap = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const char32_t cp = CodePointFromCp1252(static_cast<unsigned char>(b));
        const std::string byte(1, char(b));
        EXPECT_EQ(Cp1252FromCodePoint(cp), gap ? -1 : b) << b;
        EXPECT_TRUE(!gap || cp == char32_t(b)) << b;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), gap ? "" : byte) << b;
    }
    // Characters outside Windows-1252 and malformed bytes are dropped; the next character survives.
    for (auto [utf8, cp1252] : {std::pair{"Motstånd €", "Motst\xE5nd \x80"}, {"a\u0100b😀c\u0081d", "abcd"},
                                {"a\x80" "b", "ab"}, {"a\xC3" "b", "ab"}, {"a\xC3", "a"}, {"\xC0\xB1x", "x"},
                                {"\xE0\x80\xA9x", "x"}, {"\xED\xA0\x80x", "x"}, {"\xF4\x90\x80\x80x", "x"},
                                {"\xE2\x82\xC3\xA5", "\xE5"}})
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
}
