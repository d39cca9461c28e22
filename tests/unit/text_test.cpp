// Windows-1252 and what a field takes of a text (number text: tests/fuzz/).

#include "toolkit/text.h"
#include "toolkit/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace tk;

TEST(Cp1252, LiteralsTablesAndUtf8) {
    static_assert("€"_cp[0] == '\x80' && "€"_cp[1] == '\0');
    EXPECT_STREQ("Motstånd ÅÄÖ åäö ‰…—™Ÿ"_cp,
                 "Motst\xE5nd \xC5\xC4\xD6 \xE5\xE4\xF6 \x89\x85\x97\x99\x9F");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("\x80\x99\x9F\xE5\0", 5)), std::string("€™Ÿå") + '\0');
    // Every byte round trips; the five unassigned ones have no character.
    for (int b = 0; b < 256; ++b) {
        const bool gap = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const char32_t cp = CodePointFromCp1252(static_cast<unsigned char>(b));
        const std::string byte(1, char(b));
        EXPECT_EQ(Cp1252FromCodePoint(cp), gap ? -1 : b) << b;
        EXPECT_TRUE(!gap || cp == char32_t(b)) << b;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), gap ? "" : byte) << b;
    }
}

// Typing, pasting and dropping into a field all come down to these rules.
TEST(FieldInput, FirstLineWithoutControlsInWindows1252UpToTheRoomLeft) {
    const std::tuple<std::u32string_view, bool, std::size_t, const char*> cases[] = {
        {U"1,5 k\u03A9", false, 12, "1,5 k"},            // no Ω in Windows-1252
        {U"\t4\u20AC7\u00E5", false, 12, "4\2007\345"},  // TAB dropped, € and å kept
        {U"12\r\n34", false, 12, "12"},                  // first line only
        {U"5\n", false, 12, "5"},
        {U"\n5", false, 12, ""},
        {U"1\u20282", false, 12, "1"},
        {U"1\u00852", false, 12, "1"},
        {U"1\f2", false, 12, "1"},
        {U"a\x01\x1F\x7F\x81\u200Bb", false, 12, "ab"},  // controls, gaps, zero width
        {U"\U0001F600x\xD800y", false, 12, "xy"},        // a lone surrogate is dropped too
        {U"1234567890123", false, 12, "123456789012"},   // the limit
        {U"ab\u03A9cd", false, 3, "abc"},                // room counts what is taken
        {U"12", false, 0, ""},
        {U"1a,2.3\u0665 45", true, 12, "12345"},  // digits-only fields
        {U"", false, 12, ""}};
    for (auto [text, digits, room, taken] : cases) {
        std::u16string units;  // the same text in UTF-16
        for (char32_t c : text)
            c < 0x10000
                ? units.append(1, char16_t(c))
                : units.append({char16_t(0xD7C0 + (c >> 10)), char16_t(0xDC00 | (c & 0x3FF))});
        EXPECT_EQ(FieldInput(units, digits, room), taken) << "room " << room;
    }
}
