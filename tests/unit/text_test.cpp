// Number text and Windows-1252 conversion.

#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string Format(double value, int decimals) {
    std::string s;
    return FormatNumber(s, value, decimals);
}

// Reference for the fixed-notation rule built from exact integer arithmetic,
// independent of any floating-point formatter: |value| * 10^decimals rounded
// half-up on the magnitude. Valid for |value| < 2^90.
std::string ReferenceFormat(double value, int decimals) {
    using U128 = unsigned __int128;
    const double magnitude = std::fabs(value);
    U128 q = 0;
    if (magnitude != 0) {
        int exponent = 0;
        const double fraction = std::frexp(magnitude, &exponent);
        const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
        const int shift = exponent - 53;  // magnitude == mantissa * 2^shift
        U128 scaled = mantissa;
        for (int i = 0; i < decimals; ++i) scaled *= 10;
        if (shift >= 0) {
            q = scaled << shift;
        } else if (-shift < 127) {
            const int s = -shift;
            q = scaled >> s;
            const U128 remainder = scaled - (q << s);
            if (remainder >= (U128{1} << (s - 1))) ++q;
        }  // else far below one half unit: rounds to zero
    }
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(q % 10)));
        q /= 10;
    } while (q != 0);
    while (digits.size() < static_cast<std::size_t>(decimals) + 1) digits.insert(digits.begin(), '0');
    if (decimals > 0) digits.insert(digits.end() - decimals, '.');
    return (std::signbit(value) ? "-" : "") + digits;
}

std::uint64_t Bits(double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

// Sets a locale for the scope and restores the previous one afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : saved_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace

TEST(CopyText, CopiesWholeOrPrefixAndReplacesOldContents) {
    std::string s = "old";
    EXPECT_EQ(&CopyText(s, "0.00", 0), &s);
    EXPECT_EQ(s, "0.00");
    EXPECT_EQ(CopyText(s, "", 0), "");
    EXPECT_EQ(CopyText(s, "abcdef", -3), "abcdef");
    EXPECT_EQ(CopyText(s, "abcdef", 3), "abc");
    EXPECT_EQ(CopyText(s, "ab", 5), "ab");
    EXPECT_EQ(CopyText(s, nullptr, 0), "");

    s = "12.5";
    AppendText(s, " ohm");
    AppendText(s, nullptr);
    EXPECT_EQ(s, "12.5 ohm");
}

TEST(FormatNumber, WorkedValues) {
    EXPECT_EQ(Format(1234.5678, 2), "1234.57");
    EXPECT_EQ(Format(1234.5678, 0), "1235");
    EXPECT_EQ(Format(1234.5678, 8), "1234.56780000");
    EXPECT_EQ(Format(1234.5678, 9), Format(1234.5678, 8));
    EXPECT_EQ(Format(1234.5678, 1000), Format(1234.5678, 8));
    EXPECT_EQ(Format(1234567.25, 1), "1234567.3");  // no thousands separator
    EXPECT_EQ(Format(2.675, 2), "2.67");  // the double lies just below the half
    EXPECT_EQ(Format(1e-9, 8), "0.00000000");

    std::string s = "keep";
    EXPECT_EQ(&FormatNumber(s, 3.0, -1), &s);
    EXPECT_EQ(s, "keep");
    FormatNumber(s, 3.0, -1000);
    EXPECT_EQ(s, "keep");
}

TEST(FormatNumber, NanInfinityAndNegativeZero) {
    for (int d : {0, 2, 8, 9}) {
        EXPECT_EQ(Format(std::nan(""), d), "nan");
        EXPECT_EQ(Format(-std::nan(""), d), "nan");
        EXPECT_EQ(Format(HUGE_VAL, d), "inf");
        EXPECT_EQ(Format(-HUGE_VAL, d), "-inf");
    }
    EXPECT_EQ(Format(-0.0, 2), "-0.00");
    EXPECT_EQ(Format(-0.0, 0), "-0");
    EXPECT_EQ(Format(-0.001, 2), "-0.00");
    EXPECT_EQ(Format(-0.004, 0), "-0");
}

TEST(FormatNumber, ExactHalvesRoundAwayFromZero) {
    EXPECT_EQ(Format(0.125, 2), "0.13");
    EXPECT_EQ(Format(-0.125, 2), "-0.13");
    EXPECT_EQ(Format(0.5, 0), "1");
    EXPECT_EQ(Format(1.5, 0), "2");
    EXPECT_EQ(Format(2.5, 0), "3");
    EXPECT_EQ(Format(-2.5, 0), "-3");
    EXPECT_EQ(Format(999.5, 0), "1000");
    EXPECT_EQ(Format(99.875, 2), "99.88");
    EXPECT_EQ(Format(0.99999999999999988898, 8), "1.00000000");  // not a half, rounds up
    EXPECT_EQ(Format(std::ldexp(1.0, -9), 8), "0.00195313");      // 0.001953125
}

TEST(FormatNumber, HugeValuesKeepEveryDigit) {
    const std::string max = Format(-DBL_MAX, 8);
    ASSERT_EQ(max.size(), 1u + 309u + 1u + 8u);
    EXPECT_EQ(max.substr(0, 18), "-17976931348623157");
    EXPECT_EQ(max.substr(max.size() - 9), ".00000000");

    const std::string big = Format(1e308, 8);
    ASSERT_EQ(big.size(), 309u + 1u + 8u);
    // 1e308 is not a power of ten in binary; its full expansion is kept.
    EXPECT_EQ(big.substr(0, 17), "10000000000000000");
    EXPECT_EQ(big.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(Format(1e22, 0), "10000000000000000000000");
}

TEST(FormatNumber, MatchesHalfUpReferenceOnGeneratedValues) {
    std::mt19937_64 rng(20260130);
    int checked = 0, failures = 0;
    auto check = [&](double v) {
        for (int d = 0; d <= 8 && failures < 10; ++d, ++checked) {
            const std::string expected = ReferenceFormat(v, d);
            if (Format(v, d) != expected) {
                ++failures;
                ADD_FAILURE() << "value " << expected << "... decimals " << d << " gave " << Format(v, d);
            }
        }
    };
    // Multiples of powers of two: many of them are exact halves at some
    // number of decimals, including long runs of nines before the half.
    for (int n = 1; n <= 30; ++n) {
        for (int i = 0; i < 200; ++i) {
            const double k = static_cast<double>(rng() % 20000001);
            const double v = std::ldexp(k, -n);
            check(v);
            check(-v);
        }
    }
    // Halves after a run of nines carry into a new leading digit.
    for (double p = 10; p <= 1e15; p *= 10) {
        check(p - 0.5);
        check(0.5 - p);
    }
    // Decimal texts close to halves: mostly just off the half in binary.
    std::uniform_int_distribution<long long> mantissa(0, 99999999999LL);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = std::to_string(mantissa(rng)) + "5e-" + std::to_string(1 + rng() % 12);
        check(std::strtod(text.c_str(), nullptr));
    }
    // Random bit patterns over a wide range of magnitudes.
    std::uniform_real_distribution<double> exponent(-40.0, 60.0);
    std::uniform_real_distribution<double> unit(1.0, 2.0);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::ldexp(unit(rng), static_cast<int>(exponent(rng)));
        check(i % 2 ? v : -v);
    }
    EXPECT_GT(checked, 200000);
}

TEST(ParseNumber, ClassicStrtodForms) {
    EXPECT_EQ(ParseNumber("12abc"), 12.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("1e3"), 1000.0);
    EXPECT_EQ(ParseNumber(" \t\n7"), 7.0);
    EXPECT_EQ(ParseNumber("1,5"), 1.0);
    EXPECT_EQ(ParseNumber(""), 0.0);
    EXPECT_EQ(ParseNumber("-"), 0.0);
    EXPECT_EQ(ParseNumber("."), 0.0);
    EXPECT_EQ(ParseNumber(nullptr), 0.0);
    EXPECT_EQ(ParseNumber("INF"), HUGE_VAL);
    EXPECT_EQ(ParseNumber("-Infinity"), -HUGE_VAL);
    EXPECT_EQ(ParseNumber("0x10"), 16.0);
    EXPECT_EQ(ParseNumber("0x.8p1"), 1.0);
    EXPECT_EQ(ParseNumber("1e400"), HUGE_VAL);
    EXPECT_TRUE(std::isnan(ParseNumber("nan(abc_1)")));
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
    EXPECT_EQ(ParseNumber("2.675"), 2.675);
}

TEST(ParseNumber, AgreesWithStrtodOnGeneratedTexts) {
    static const char* const kPieces[] = {
        "0", "1", "5", "9", "12", ".", ".", ",", "+", "-", "e", "E", "e-", "x", "X", "0x", "p",
        "p-", "a", "f", "F", "c", "nan", "NaN", "inf", "INF", "infinity", "Infinit", "(", ")",
        "_", " ", "\t", "\n", "z", "ohm", "1e308", "1e-320", "00000000000000000001"};
    constexpr std::size_t kCount = sizeof kPieces / sizeof kPieces[0];
    std::mt19937_64 rng(7);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        const int pieces = static_cast<int>(rng() % 8);
        for (int k = 0; k < pieces; ++k) text += kPieces[rng() % kCount];
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = ParseNumber(text.c_str());
        if (std::isnan(expected)) {
            ASSERT_TRUE(std::isnan(got)) << '"' << text << '"';
        } else {
            ASSERT_EQ(Bits(got), Bits(expected)) << '"' << text << '"';
        }
    }
}

TEST(NumberText, IgnoresTheProcessLocale) {
    bool tried = false;
    for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8"}) {
        LocaleScope scope(name);
        if (!scope.active()) continue;
        tried = true;
        // Make sure the locale really uses a decimal comma.
        ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << name;
        EXPECT_EQ(ParseNumber("1.5"), 1.5) << name;
        EXPECT_EQ(ParseNumber("1,5"), 1.0) << name;
        EXPECT_EQ(ParseNumber("-2.5e2"), -250.0) << name;
        EXPECT_EQ(Format(1.5, 2), "1.50") << name;
        EXPECT_EQ(Format(2.5, 0), "3") << name;
        EXPECT_EQ(Format(1234567.125, 2), "1234567.13") << name;
    }
    if (!tried) GTEST_SKIP() << "neither sv_SE.UTF-8 nor de_DE.UTF-8 is installed";
}

TEST(Cp1252, LiteralsAreConvertedAtCompileTime) {
    static_assert("€"_cp[0] == '\x80' && "€"_cp[1] == '\0');
    const char* text = "Motstånd"_cp;
    ASSERT_EQ(std::strlen(text), 8u);
    EXPECT_EQ(static_cast<unsigned char>(text[5]), 0xE5);
    EXPECT_STREQ("ÅÄÖ åäö"_cp, "\xC5\xC4\xD6 \xE5\xE4\xF6");
    EXPECT_STREQ("‰ … —"_cp, "\x89 \x85 \x97");
}

TEST(Cp1252, ByteAndCodePointTables) {
    const int unassigned[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = CodePointFromCp1252(static_cast<unsigned char>(b));
        const bool gap = std::find(std::begin(unassigned), std::end(unassigned), b) != std::end(unassigned);
        if (gap) {
            EXPECT_EQ(cp, static_cast<char32_t>(b));
            EXPECT_EQ(Cp1252FromCodePoint(cp), -1);
            continue;
        }
        EXPECT_EQ(Cp1252FromCodePoint(cp), b) << b;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
    }
    EXPECT_EQ(CodePointFromCp1252(0x80), U'€');
    EXPECT_EQ(CodePointFromCp1252(0x9F), U'Ÿ');
    EXPECT_EQ(Cp1252FromCodePoint(U'™'), 0x99);
    EXPECT_EQ(Cp1252FromCodePoint(0x100), -1);
    EXPECT_EQ(Cp1252FromCodePoint(0x1F600), -1);
}

TEST(Cp1252, Utf8Conversion) {
    EXPECT_EQ(Cp1252ToUtf8("Motst\xE5nd \x80"), "Motstånd €");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8ToCp1252("Motstånd 5 €"), "Motst\xE5nd 5 \x80");
    // Characters outside Windows-1252 are dropped.
    EXPECT_EQ(Utf8ToCp1252("a\u0100b😀c\u0081d"), "abcd");
    // Malformed input is dropped; the next well-formed character survives.
    EXPECT_EQ(Utf8ToCp1252("a\x80" "b"), "ab");            // stray continuation
    EXPECT_EQ(Utf8ToCp1252("a\xC3" "b"), "ab");            // missing continuation
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a");                 // truncated at the end
    EXPECT_EQ(Utf8ToCp1252("\xC0\xB1x"), "x");             // overlong '1'
    EXPECT_EQ(Utf8ToCp1252("\xE0\x80\xA9x"), "x");         // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80x"), "x");         // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80x"), "x");     // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xC3\xA5"), "\xE5");   // cut-off € then å
}
