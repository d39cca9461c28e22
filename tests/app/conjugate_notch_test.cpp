// Conjugate link (500) and notch filter across a driver (507): labels for what
// a user types, the notch depth table at its boundaries, and both pages end to
// end through the scenario driver.

#include "drive_runner.h"

#include "calc/loudspeaker/conjugate_link.h"
#include "calc/loudspeaker/notch_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

FieldInputs Typed(const std::string& a, const std::string& b) {
    const std::vector<std::string> texts = {a, b};
    return InputsFromTexts(texts);
}

TEST(ConjugateLink, LabelsForTypedValues) {
    const char* cases[][4] = {
        {"6,4", "0,5", "6.4 ohm", "12 uF"},   {"8", "1", "8.0 ohm", "16 uF"},
        {"4", "0.25", "4.0 ohm", "16 uF"},    {"-8", "1", "-8.0 ohm", "16 uF"},
        {"", "", "0.0 ohm", "0.00 uF"},       {"0", "-1", "0.0 ohm", "-inf uF"},
        {"nan", "1", "0.00 ohm", "0.00 uF"},  {"abc", "1x", "0.0 ohm", "inf uF"},
        {"inf", "1", "inf ohm", "0 uF"},      {"1e-300", "1", "0.0 ohm", "inf uF"},
        {"123456789012", "1", "123456789012.0 ohm", "0 uF"},
    };
    for (const auto& c : cases) {
        const ConjugateLinkLabels labels = ConjugateLinkPage(Typed(c[0], c[1]));
        EXPECT_EQ(labels.r1, c[2]) << c[0] << " | " << c[1];
        EXPECT_EQ(labels.c1, c[3]) << c[0] << " | " << c[1];
    }
    const std::string huge = ConjugateLinkPage(Typed("1e308", "1")).r1;
    EXPECT_EQ(huge.substr(0, 20), "10000000000000000109");
    EXPECT_EQ(huge.size(), 309u + 6u);   // every digit, then ".0 ohm"
}

TEST(NotchFilter, DepthTableBoundariesAndWidth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto below = [](double v) { return std::nextafter(v, 0.0); };
    const std::pair<double, int> cases[] = {
        {below(0.0006), 73}, {0.0006, 72}, {0.001, 68}, {below(0.1), 60}, {0.1, 59}, {0.14, 57},
        {0.5, 39}, {0.70, 29}, {0.73, 28}, {below(3.5), 10}, {3.5, 9}, {4.0, 8}, {5.0, 7},
        {19.0, 1}, {below(30.0), 1}, {30.0, 0}, {inf, 0}, {0.0, 73}, {-1.0, 73}, {nan, 73},
    };
    for (const auto& [r1, depth] : cases) EXPECT_EQ(NotchDepth(r1), depth) << r1;
    // Across the table the depth falls one pixel at a time, 73 times.
    int steps = 0, last = 73;
    for (double r1 = 0.0001; r1 < 40.0; r1 *= 1.0001) {
        const int depth = NotchDepth(r1);
        ASSERT_TRUE(depth == last || depth == last - 1) << r1;
        steps += last - depth;
        last = depth;
    }
    EXPECT_EQ(steps, 73);
    const int widths[][2] = {{73, 0}, {9, 0}, {8, 2}, {7, 4}, {6, 8}, {5, 16}, {4, 32}, {0, 32}};
    for (const auto& w : widths) EXPECT_EQ(NotchWidth(w[0]), w[1]) << w[0];
}

TEST(NotchFilter, LabelsForTypedValues) {
    const char* cases[][6] = {   // f, R1 -> frequency, C1, L1, R1 labels
        {"1000", "0.5", "1000 Hz", "25.33 uF", "1.00 mH", "0.5 ohm"},
        {"2500,0", "5", "2500.0 Hz", "6.41 uF", "0.63 mH", "5 ohm"},
        {"3000", "40", "3000 Hz", "4.87 uF", "0.58 mH", "40 ohm"},
        {"", "", " Hz", "0.00 uF", "0.00 mH", " ohm"},            // L1 inf, C1 nan
        {"-1000", "-1", "-1000 Hz", "0.00 uF", "nan mH", "-1 ohm"},  // only inf is replaced
        {"nan", "nan", "0 Hz", "0.00 uF", "nan mH", "nan ohm"},
        {"inf", ".5", "inf Hz", "0.00 uF", "0.00 mH", ".5 ohm"},     // inf x inf x 0
        {" 50", " 5", " 50 Hz", "2265.58 uF", "4.47 mH", "0.00 ohm"},  // only R1's blank
        {"1e308", "abc", "1e308 Hz", "0.00 uF", "0.00 mH", "abc ohm"},
        {"123456789012", "1", "123456789012 Hz", "0.00 uF", "0.00 mH", "1 ohm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c[0]) + " | " + c[1]);
        const NotchFilterLabels labels = NotchFilterPage(Typed(c[0], c[1]));
        EXPECT_EQ(labels.frequency, c[2]);
        EXPECT_EQ(labels.c1, c[3]);
        EXPECT_EQ(labels.l1, c[4]);
        EXPECT_EQ(labels.resistor, c[5]);
    }
    EXPECT_EQ(NotchFilterPage(Typed("1", "")).depth, 73);
    EXPECT_EQ(NotchFilterPage(Typed("1", "5")).width, 4);
    const NotchFilterLabels tiny = NotchFilterPage(Typed("1e-300", "1"));
    EXPECT_EQ(tiny.l1.substr(0, 10), "3162277660");   // 152 digits, shown whole
    EXPECT_EQ(tiny.l1.size(), 152u + 6u);
    EXPECT_EQ(tiny.c1, "inf uF");
}

// Runs the script and expects each line somewhere in the transcript.
std::vector<std::vector<std::string>> ExpectLines(const std::string& script,
                                                  const std::vector<std::string>& expected) {
    const DriveResult run = Drive(script);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    for (const auto& line : expected) EXPECT_TRUE(Has(lines, line)) << line;
    return Dumps(run.out);
}

TEST(ConjugateLinkPage, BothLanguagesFixedGraphAndFocus) {
    const auto dumps = ExpectLines(
        "menu Konjugatlänk (Zobel)\ntype 6,4\nkey Tab\ntype 0,5\nkey Return\ndump\n"
        "pixel 775 240\npixel 774 240\npixel 700 375\npixel 784 372\npixel 390 395\n"
        "key Tab\ndump\ncommand 2102\nmenu Conjugate link (Zobel)\ndump\n",
        {"text 20 15 heading 0x000000 \"Konjugatlänk\"", "text 188 223 label 0x000000 \"IN\"",
         "text 180 45 label 0x000000 \"Elementets Re\"", "text 410 303 label 0x000000 \"R 1\"",
         "text 650 200 label 0x000000 \"Impedansen blir rak\"",
         "text 411 320 result 0x000000 \"6.4 ohm\"", "text 435 425 result 0x000000 \"12 uF\"",
         // 1300 Hz under x 796 puts the 1 kHz line at 659 + 116.
         "pixel 775 240 0xC8C8C8", "pixel 774 240 0xFFFFFF",
         // The flat impedance, the grey rise leaving it, C1's plate over the branch.
         "pixel 700 375 0x000000", "pixel 784 372 0xC8C8C8", "pixel 390 395 0xC8C8C8",
         "text 15 40 label 0x000000 \"TAB    = Move and calculate\"",
         "text 180 75 label 0x000000 \"Driver Le\"",
         "text 650 200 label 0x000000 \"The impedance becomes straight\""});
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_TRUE(Has(dumps[0], "focus 280 70"));   // ENTER runs once and moves on
    EXPECT_TRUE(Has(dumps[1], "focus 280 40"));   // TAB: focus only
    EXPECT_EQ(Texts(dumps[1]), Texts(dumps[0]));
}

TEST(NotchFilterPage, DipDepthsOutOfRangeAndBothLanguages) {
    const auto dumps = ExpectLines(
        // Empty fields: depth 73, f off the grid.
        "menu NotchFilter\nkey Return\ndump\n"
        "pixel 796 422\npixel 797 422\npixel 796 423\npixel 790 350\n"
        // 1300 Hz, R1 5: depth 7, shoulders 4 pixels wider.
        "command 2102\nmenu NotchFilter\ntype 1300\nkey Tab\ntype 5\nkey Return\ndump\n"
        "pixel 777 350\npixel 778 350\npixel 790 350\npixel 814 350\npixel 797 357\n"
        "pixel 796 358\nkey Tab\ndump\n"
        // 1000 Hz, R1 40: flat, over the 1 kHz line at x 796.
        "key End\nkey Backspace\nkey Backspace\nkey Backspace\ntype 000\n"
        "key Tab\nkey Backspace\ntype 40\nkey Return\ndump\n"
        "pixel 790 350\npixel 796 351\n",
        {"text 770 400 label 0x000000 \"OUT OF RANGE\"",
         "text 180 75 label 0x000000 \"Motstånd    R 1\"",
         "text 15 40 label 0x000000 \"TAB    = Flytta\"", "text 405 423 result 0x000000 \" ohm\"",
         "pixel 796 422 0x000000", "pixel 797 422 0x000000", "pixel 796 423 0xFFFFFF",
         "pixel 790 350 0xFFFFFF", "text 20 15 heading 0x000000 \"Notch filter\"",
         "text 15 40 label 0x000000 \"TAB    = Move\"", "text 426 325 label 0x000000 \"L 1\"",
         "text 800 210 result 0x000000 \"1300 Hz\"", "text 413 273 result 0x000000 \"17.09 uF\"",
         "text 425 340 result 0x000000 \"0.88 mH\"", "text 405 423 result 0x000000 \"5 ohm\"",
         "pixel 777 350 0x000000", "pixel 778 350 0x000000", "pixel 790 350 0xAAAAAA",
         "pixel 814 350 0x000000", "pixel 797 357 0x000000", "pixel 796 358 0xFFFFFF",
         "text 800 210 result 0x000000 \"1000 Hz\"", "pixel 790 350 0x000000",
         "pixel 796 351 0xC8C8C8"});
    ASSERT_EQ(dumps.size(), 4u);
    EXPECT_FALSE(Has(Texts(dumps[1]), "770 400 label 0x000000 \"OUT OF RANGE\""));
    EXPECT_TRUE(Has(dumps[1], "focus 280 70"));
    EXPECT_TRUE(Has(dumps[2], "focus 280 40"));
    EXPECT_EQ(Texts(dumps[2]), Texts(dumps[1]));
}

}  // namespace
