// Number text and Windows-1252 conversion.

#include "toolkit/text.h"
#include "toolkit/testing/utf8.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

using namespace tk;

namespace {

std::string Format(double value, int decimals) {
    std::string s;
    return FormatNumber(s, value, decimals);
}

}  // namespace

// strtod's grammar in the classic locale, whatever locale is set: a comma
// ends the number, and so does anything that cannot continue it.
TEST(ParseNumber, WorkedValuesAndAPointInADecimalCommaLocale) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},
        {".5", 0.5},
        {"1e3", 1000},
        {" \t\n7", 7},
        {"1,5", 1},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"+2.5e-1", 0.25},
        {"1e", 1},
        {"INF", HUGE_VAL},
        {"-infinity", -HUGE_VAL},
        {"0x10", 16},
        {"0X1.8p1", 3},
        {"0x", 0},
        {"1e400", HUGE_VAL},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"2.2250738585072011e-308", 2.2250738585072009e-308}};
    auto check = [&] {
        for (auto [text, value] : cases) EXPECT_EQ(ParseNumber(text), value) << text;
        EXPECT_TRUE(std::isnan(ParseNumber("nan(x_1)")));
        EXPECT_TRUE(std::signbit(ParseNumber("-0")));
        // The sign applies to not-a-number too; a number in the parentheses
        // is the payload, as the GNU C library reads it, on every platform.
        for (auto [text, bits] : {std::pair{"-nan", 0xFFF8000000000000},
                                  {"NAN(0x1F)", 0x7FF800000000001F},
                                  {"-nan(017)", 0xFFF800000000000F},
                                  {"nan(12_)", 0x7FF8000000000000}})
            EXPECT_EQ(std::bit_cast<std::uint64_t>(ParseNumber(text)), bits) << text;
    };
    check();
    const char* comma = nullptr;
    for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8", "Swedish_Sweden.1252", "German"})
        if ((comma = std::setlocale(LC_ALL, name)) != nullptr) break;
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma here";
    check();
    std::setlocale(LC_ALL, "C");
}

TEST(CopyText, CopiesWholeOrPrefixAndReplacesOldContents) {
    std::string s = "old";
    for (auto [source, n, expected] : {std::tuple{"abcdef", -3, "abcdef"},
                                       {"abcdef", 3, "abc"},
                                       {"ab", 5, "ab"},
                                       {"", 0, ""},
                                       {nullptr, 0, ""}})
        EXPECT_EQ(CopyText(s, source, n), expected) << n;
    AppendText(CopyText(s, "12.5", 0), " ohm");
    AppendText(s, nullptr);
    EXPECT_EQ(s, "12.5 ohm");
}

// Every double and any text: tests/fuzz.
TEST(FormatNumber, WorkedValues) {
    const std::tuple<double, int, const char*> cases[] = {{1234.5678, 2, "1234.57"},
                                                          {1234.5678, 0, "1235"},
                                                          {1234.5678, 8, "1234.56780000"},
                                                          {1234.5678, 9, "1234.56780000"},
                                                          {1234.5678, 1000, "1234.56780000"},
                                                          {1234567.25, 1, "1234567.3"},
                                                          {0.125, 2, "0.13"},
                                                          {-0.125, 2, "-0.13"},
                                                          {2.5, 0, "3"},
                                                          {-2.5, 0, "-3"},
                                                          {999.5, 0, "1000"},
                                                          {2.675, 2, "2.67"},
                                                          {0.99999999999999988898, 8, "1.00000000"},
                                                          {1e-9, 8, "0.00000000"},
                                                          {NAN, 0, "nan"},
                                                          {-NAN, 9, "nan"},
                                                          {HUGE_VAL, 2, "inf"},
                                                          {-HUGE_VAL, 8, "-inf"},
                                                          {-0.0, 2, "-0.00"},
                                                          {-0.0, 0, "-0"},
                                                          {-0.004, 0, "-0"},
                                                          {1e22, 0, "10000000000000000000000"}};
    for (auto [value, decimals, expected] : cases)
        EXPECT_EQ(Format(value, decimals), expected) << value;
    std::string s = "keep";
    EXPECT_EQ(&FormatNumber(s, 3.0, -1), &s);
    EXPECT_EQ(FormatNumber(s, 3.0, -1000), "keep");
    EXPECT_EQ(ParseNumber(nullptr), 0.0);
    for (double value :
         {1e308, -DBL_MAX}) {  // whole: all 309 digits of the exact value, as glibc prints it
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.8f", value);
        EXPECT_EQ(Format(value, 8), expected);
    }
}

TEST(Cp1252, LiteralsTablesAndUtf8) {
    static_assert("€"_cp[0] == '\x80' && "€"_cp[1] == '\0');
    EXPECT_STREQ("Motstånd ÅÄÖ åäö ‰…—™Ÿ"_cp,
                 "Motst\xE5nd \xC5\xC4\xD6 \xE5\xE4\xF6 \x89\x85\x97\x99\x9F");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("\x80\x99\x9F\xE5\0", 5)), std::string("€™Ÿå") + '\0');
    for (int b = 0; b < 256;
         ++b) {  // every byte round trips; the five unassigned ones have no character
        const bool gap = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const char32_t cp = CodePointFromCp1252(static_cast<unsigned char>(b));
        const std::string byte(1, char(b));
        EXPECT_EQ(Cp1252FromCodePoint(cp), gap ? -1 : b) << b;
        EXPECT_TRUE(!gap || cp == char32_t(b)) << b;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), gap ? "" : byte) << b;
    }
    // Characters outside Windows-1252 and malformed bytes are dropped; the next character survives.
    for (auto [utf8, cp1252] : {std::pair{"Motstånd €", "Motst\xE5nd \x80"},
                                {"a\u0100b😀c\u0081d", "abcd"},
                                {"a\x80"
                                 "b",
                                 "ab"},
                                {"a\xC3"
                                 "b",
                                 "ab"},
                                {"a\xC3", "a"},
                                {"\xC0\xB1x", "x"},
                                {"\xE0\x80\xA9x", "x"},
                                {"\xED\xA0\x80x", "x"},
                                {"\xF4\x90\x80\x80x", "x"},
                                {"\xE2\x82\xC3\xA5", "\xE5"}})
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
}

// Typing, pasting and dropping into a field all come down to these rules.
TEST(FieldInput, FirstLineWithoutControlsInWindows1252UpToTheRoomLeft) {
    const std::tuple<std::u32string_view, bool, std::size_t, const char*> cases[] = {
        {U"1,5 k\u03A9", false, 12, "1,5 k"},  // no Ω in Windows-1252
        {U"\t4\u20AC7\u00E5", false, 12,
         "4\x80"
         "7\xE5"},                       // TAB dropped, € and å kept
        {U"12\r\n34", false, 12, "12"},  // first line only
        {U"5\n", false, 12, "5"},
        {U"\n5", false, 12, ""},
        {U"1\u20282", false, 12, "1"},
        {U"1\u00852", false, 12, "1"},
        {U"1\f2", false, 12, "1"},
        {U"a\x01\x1F\x7F\x81\u200Bb", false, 12, "ab"},  // controls, gaps, zero width
        {U"\U0001F600x", false, 12, "x"},
        {U"1234567890123", false, 12, "123456789012"},  // the limit
        {U"ab\u03A9cd", false, 3, "abc"},               // room counts what is taken
        {U"12", false, 0, ""},
        {U"1a,2.3\u0665 45", true, 12, "12345"},  // digits-only fields
        {U"", false, 12, ""}};
    for (auto [text, digits, room, taken] : cases)
        EXPECT_EQ(FieldInput(text, digits, room), taken)
            << Cp1252ToUtf8(std::string(taken)) << " room " << room;
}
