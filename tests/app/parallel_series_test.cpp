// Resistors in parallel (1005) and capacitors in series (1015): the values
// and labels for what a user types, and the pages end to end through the
// scenario driver in both languages.

#include "drive_runner.h"

#include "calc/electronics/capacitors_series.h"
#include "calc/electronics/resistors_parallel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

namespace {

FieldInputs Typed(std::vector<std::string> texts) { return InputsFromTexts(texts); }

struct LabelCase {
    const char* a;
    const char* b;
    const char* labelA;
    const char* labelB;
    const char* total;
};

// The page's three labels for each pair of typed texts.
template <typename Page>
void ExpectLabels(std::span<const LabelCase> cases, Page page) {
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        const auto labels = page(Typed({c.a, c.b}));
        EXPECT_EQ(labels.a, c.labelA);
        EXPECT_EQ(labels.b, c.labelB);
        EXPECT_EQ(labels.total, c.total);
    }
}

TEST(ResistorsParallel, LabelsFollowTheTextsAndTheDefaultRules) {
    const LabelCase cases[] = {
        {"100", "100", "100 ohm", "100 ohm", "50.00 ohm"},
        {"4.7", "2.2", "4.7 ohm", "2.2 ohm", "1.50 ohm"},
        {"", "", "0.00 ohm", "0.000 ohm", "0.00 ohm"},          // 0/0: not a number
        {"10", "-5", "10 ohm", "0.000 ohm", "-10.00 ohm"},      // B labelled by the rule
        {"4,7", "2,2", "4.7 ohm", "2.2 ohm", "1.50 ohm"},        // comma as decimal point
        {"12abc", "12", "12abc ohm", "12 ohm", "6.00 ohm"},      // digits then letters
        {"abc", "10", "abc ohm", "10 ohm", "0.00 ohm"},          // letters alone are 0
        {" 5", ".5", "0.00 ohm", "0.000 ohm", "0.45 ohm"},       // blank and point: below '0'
        {"5", "-5", "5 ohm", "0.000 ohm", "-inf ohm"},           // 25 / 0
        {"-5", "5", "0.00 ohm", "5 ohm", "-inf ohm"},
        {"nan", "1", "nan ohm", "1 ohm", "0.00 ohm"},            // a nan result reads 0.00
        {"inf", "1", "inf ohm", "1 ohm", "0.00 ohm"},            // inf / inf is not a number
    };
    ExpectLabels(cases, ResistorsParallelPage);
}

TEST(ResistorsParallel, TwelveCharactersAndExtremesAreShownWhole) {
    const auto big = ResistorsParallelPage(Typed({"1e308", "1e308"}));
    // (1e308 x 1e308) overflows to inf, and so does the sum: inf / inf.
    EXPECT_EQ(big.total, "0.00 ohm");
    const auto twelve = ResistorsParallelPage(Typed({"123456789012", "123456789012"}));
    EXPECT_EQ(twelve.a, "123456789012 ohm");
    EXPECT_EQ(twelve.total, "61728394506.00 ohm");
    const auto tiny = ResistorsParallelPage(Typed({"1e-300", "1e-300"}));
    EXPECT_EQ(tiny.total, "0.00 ohm");
    EXPECT_TRUE(std::isnan(ParallelResistance(0.0, 0.0)));
}

TEST(CapacitorsSeries, LabelsFollowTheTextsAndTheDefaultRules) {
    const LabelCase cases[] = {
        {"10", "10", "10 uF", "10 uF", "5.00 uF"},
        {"4.7", "2.2", "4.7 uF", "2.2 uF", "1.50 uF"},
        {"0", "4.7", "0 uF", "4.7 uF", "0.00 uF"},      // 1/0 is inf, 1/inf is 0
        {"", "", "0.00 uF", "0.00 uF", "0.00 uF"},      // both zero: 1/inf
        {"5", "-5", "5 uF", "0.00 uF", "inf uF"},       // 1/(0.2 - 0.2)
        {"4,7", "", "4.7 uF", "0.00 uF", "0.00 uF"},
        {"nan", "1", "nan uF", "1 uF", "0.00 uF"},
    };
    ExpectLabels(cases, CapacitorsSeriesPage);
    // -0.2 + 0.2 is +0 whichever comes first; two negatives give a negative total.
    EXPECT_EQ(CapacitorsSeriesPage(Typed({"-5", "5"})).total, "inf uF");
    EXPECT_EQ(CapacitorsSeriesPage(Typed({"-4", "-4"})).total, "-2.00 uF");
}

// ---- End to end through the driver ------------------------------------------

std::vector<std::string> PageTexts(const std::string& script) {
    DriveResult run = Drive(script);
    EXPECT_EQ(run.status, 0) << run.err;
    return Texts(LastDump(run.out));
}

TEST(ResistorsParallelPage, SwedishPageFromTheMenuListsEveryText) {
    const auto texts = PageTexts(
        "menu Motstånd parallellkopplat\n"
        "type 4,7\nkey Tab\ntype 2.2\nkey Return\ndump\n");
    const std::vector<std::string> expected = {
        "350 526 splash 0xFFFFFF \"Made by Tulke\"",
        "352 528 splash 0x969696 \"Made by Tulke\"",
        "385 45 label 0x000000 \"ohm\"",
        "385 75 label 0x000000 \"ohm\"",
        "20 15 heading 0x000000 \"Motstånd parallellkopplade\"",
        "15 40 label 0x000000 \"TAB    = Flytta\"",
        "15 55 label 0x000000 \"ENTER = Räkna\"",
        "180 45 label 0x000000 \"Motstånd A\"",
        "180 75 label 0x000000 \"Motstånd B\"",
        "470 250 label 0x000000 \"Summa:\"",
        "515 290 label 0x000000 \"A\"",
        "515 390 label 0x000000 \"B\"",
        "530 290 result 0x000000 \"4.7 ohm\"",
        "530 390 result 0x000000 \"2.2 ohm\"",
        "530 250 result 0x000000 \"1.50 ohm\"",
    };
    EXPECT_EQ(texts, expected);
}

TEST(ResistorsParallelPage, EnglishPageAndItsDefaults) {
    DriveResult run = Drive(
        "command 2102\n"
        "menu Resistance connected in parallel\n"
        "key Return\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = LastDump(run.out);
    const auto texts = Texts(dump);
    EXPECT_TRUE(Has(dump, "language 2"));
    EXPECT_TRUE(Has(dump, "button 800 530 push \"CLOSE\""));
    EXPECT_TRUE(Has(texts, "20 15 heading 0x000000 \"Resistors in parallel\""));
    EXPECT_TRUE(Has(texts, "15 40 label 0x000000 \"TAB    = Move and calculate\""));
    EXPECT_TRUE(Has(texts, "15 55 label 0x000000 \"ENTER = Calculate\""));
    EXPECT_TRUE(Has(texts, "180 45 label 0x000000 \"Resistance A\""));
    EXPECT_TRUE(Has(texts, "470 250 label 0x000000 \"Sum  :\""));
    EXPECT_TRUE(Has(texts, "530 290 result 0x000000 \"0.00 ohm\""));
    EXPECT_TRUE(Has(texts, "530 390 result 0x000000 \"0.000 ohm\""));
    EXPECT_TRUE(Has(texts, "530 250 result 0x000000 \"0.00 ohm\""));
    EXPECT_FALSE(Has(texts, "180 45 label 0x000000 \"Motstånd A\""));
}

TEST(CapacitorsSeriesPage, BothLanguagesFromTheMenu) {
    DriveResult run = Drive(
        "menu Kondensator seriekopplat\n"
        "type 10\nkey Tab\ntype 10\nkey Return\ndump\n"
        "command 2102\n"
        "menu Capacitor connected in series\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    const std::vector<std::string> swedish = {
        "text 20 15 heading 0x000000 \"Kondensator seriekopplad\"",
        "text 180 45 label 0x000000 \"Kondensator A\"",
        "text 180 75 label 0x000000 \"Kondensator B\"",
        "text 470 280 label 0x000000 \"A\"",
        "text 570 280 label 0x000000 \"B\"",
        "text 475 410 label 0x000000 \"=\"",
        "text 455 260 result 0x000000 \"10 uF\"",
        "text 550 260 result 0x000000 \"10 uF\"",
        "text 505 410 result 0x000000 \"5.00 uF\"",
    };
    for (const auto& line : swedish) EXPECT_TRUE(Has(lines, line)) << line;
    const auto english = Texts(LastDump(run.out));
    EXPECT_TRUE(Has(english, "20 15 heading 0x000000 \"Capacitor in series\""));
    EXPECT_TRUE(Has(english, "180 45 label 0x000000 \"Capacitor A\""));
    EXPECT_TRUE(Has(english, "505 410 result 0x000000 \"5.00 uF\""));   // texts kept
}

TEST(CalculatorKeys, TabMovesTheFocusAroundTheRingAndRedrawsNothing) {
    DriveResult run = Drive(
        "command 1005\ntype 100\nkey Return\ndump\n"
        "type 7\nkey Tab\ndump\n"
        "key Tab\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 3u);
    // ENTER: recalculated, focus back in the first field.
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[0], "text 530 250 result 0x000000 \"0.00 ohm\""));
    // TAB: the typed 7 is not calculated, the page is unchanged, the focus moves on.
    EXPECT_TRUE(Has(dumps[1], "field 280 40 \"1007\""));
    EXPECT_TRUE(Has(dumps[1], "focus 280 70"));
    EXPECT_EQ(Texts(dumps[0]), Texts(dumps[1]));
    // From the last field of the ring back to the first.
    EXPECT_TRUE(Has(dumps[2], "focus 280 40"));
    EXPECT_EQ(Texts(dumps[0]), Texts(dumps[2]));
}

TEST(CalculatorKeys, OtherKeysOnlyEditAndFieldsKeepTheirTextsBetweenPages) {
    DriveResult run = Drive(
        "command 1015\ntype 10\nkey Tab\ntype 10\nkey Return\n"
        // Delete deletes nothing; Home, End and Backspace edit; nothing is recalculated.
        "key Delete\nkey Up\nkey F5\nkey Home\ntype 2\nkey End\nkey Backspace\ndump\n"
        // A thirteenth character is refused; the page keeps its text when left.
        "command 1005\ntype 123456789012345\nkey Return\ncommand 1015\ncommand 1005\ndump\n"
        // Opening the current page again redraws it and focuses its first field.
        "key Tab\ntype 4\nmenu Motstånd parallellkopplat\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_TRUE(Has(dumps[0], "field 280 40 \"21\""));
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[0], "text 505 410 result 0x000000 \"5.00 uF\""));
    EXPECT_TRUE(Has(dumps[1], "field 280 40 \"123456789012\""));
    EXPECT_TRUE(Has(dumps[1], "text 530 290 result 0x000000 \"123456789012 ohm\""));
    EXPECT_TRUE(Has(dumps[2], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[2], "text 530 390 result 0x000000 \"4 ohm\""));
}

}  // namespace
