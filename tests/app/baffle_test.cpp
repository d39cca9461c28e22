// Baffle step (505) and its compensation (506): values and curve place for
// what a user types, and both pages end to end through the scenario driver.

#include "drive_runner.h"

#include "calc/loudspeaker/baffle_step.h"
#include "calc/loudspeaker/baffle_step_compensation.h"

#include <gtest/gtest.h>

namespace {

FieldInputs Typed(std::vector<std::string> texts) { return InputsFromTexts(texts); }

TEST(BaffleStep, FrequencyCurvePlaceAndRange) {
    const struct {
        const char* width;
        const char* frequency;
        int marker;   // red marker x; 0 when no curve is drawn
        bool outOfRange;
    } cases[] = {
        {"300", "383 Hz", 566, false},     {"115", "1000 Hz", 659, false},   // the 1 kHz line
        {"287,5", "400 Hz", 571, false},   {"20", "5750 Hz", 830, false},
        {"11500", "10 Hz", 210, false},    {"10", "11500 Hz", 893, false},   // bounds in range
        {"9.99", "11512 Hz", 893, true},   {"9.07", "12679 Hz", 900, true},  // curve and message
        {"9.06", "12693 Hz", 0, true},     {"", "inf Hz", 0, true},
        {"-300", "-383 Hz", 0, true},      {"inf", "0 Hz", 0, true},
        {"nan", "nan Hz", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const BaffleStepView view = BaffleStepPage(Typed({c.width}));
        EXPECT_EQ(view.frequency, c.frequency);
        EXPECT_EQ(view.curve ? view.x0 + 301 : 0, c.marker);
        EXPECT_EQ(view.outOfRange, c.outOfRange);
    }
    const std::string huge = BaffleStepPage(Typed({"1e-300"})).frequency;
    EXPECT_EQ(huge.size(), 306u + 3u);   // 1.15e305, every digit
}

TEST(BaffleStepCompensation, LabelsAndGraphOffset) {
    const struct {
        const char *width, *impedance, *frequency, *coil, *resistor;
        double offset;
    } cases[] = {
        {"300", "8", "383 Hz", "2.35 mH", "8 ohm", 105.0},
        {"300", "6,5", "383 Hz", "1.91 mH", "6.5 ohm", 105.0},
        {"300", ".5", "383 Hz", "0.15 mH", "0.0 ohm", 105.0},   // label by the rule, L1 uses 0.5
        {"300", "-8", "383 Hz", "-2.35 mH", "0.0 ohm", 105.0},
        {"300", "abc", "383 Hz", "0.00 mH", "abc ohm", 105.0},
        {"", "", "0 Hz", "0.00 mH", "0.0 ohm", -725.0},         // an infinite frequency reads 0
        {"-0", "8", "-inf Hz", "-0.00 mH", "8 ohm", -725.0},    // only a leading 'i' is replaced
        {"nan", "8", "nan Hz", "nan mH", "8 ohm", -725.0},
        {"123456789012", "8", "0 Hz", "967340168.56 mH", "8 ohm", -725.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " | " + c.impedance);
        const auto labels = BaffleStepCompensationPage(Typed({c.width, c.impedance}));
        EXPECT_EQ(labels.frequency, c.frequency);
        EXPECT_EQ(labels.coil, c.coil);
        EXPECT_EQ(labels.resistor, c.resistor);
        EXPECT_EQ(labels.graphOffset, c.offset);
    }
}

// ---- End to end through the driver ------------------------------------------

void ExpectLines(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    for (const auto& line : wanted) EXPECT_TRUE(Has(lines, line)) << line;
}

TEST(BaffleStepPage, CurveMarkerTabAndOutOfRange) {
    DriveResult run = Drive(
        "menu Baffelsteg\ntype 300\nkey Return\ndump\n"
        "pixel 566 225\npixel 566 344\npixel 566 224\npixel 900 311\npixel 900 312\n"
        "pixel 900 313\npixel 300 351\npixel 960 311\npixel 205 350\n"
        // TAB recalculates this page and leaves the focus where it is.
        "key Backspace\nkey Backspace\nkey Backspace\ntype 20\nkey Tab\ndump\n"
        "pixel 830 300\npixel 566 300\npixel 600 350\n"
        "command 2102\nmenu Baffelsteg\nkey Backspace\nkey Backspace\ntype 9,99\nkey Return\ndump\n"
        "key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\nkey Tab\ndump\npixel 893 300\n"
        "menu Resistance connected in parallel\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 5u);
    ExpectLines(dumps[0], {"focus 280 40", "text 385 45 label 0x000000 \"mm\"",
                           "text 20 15 heading 0x000000 \"Baffelsteg\"",
                           "text 15 40 label 0x000000 \"TAB    = Flytta\"",
                           "text 180 45 label 0x000000 \"Högtalarens bredd\"",
                           "text 565 205 result 0x000000 \"383 Hz\"",
                           "text 202 343 small 0x000000 \"0\""});
    EXPECT_FALSE(Has(dumps[0], "text 500 380 label 0x000000 \"OUT OF RANGE\""));
    ExpectLines(dumps[1], {"focus 280 40", "text 829 205 result 0x000000 \"5750 Hz\""});
    ExpectLines(dumps[2], {"text 20 15 heading 0x000000 \"Baffelstep\"",
                           "text 15 40 label 0x000000 \"TAB    = Move\"",
                           "text 180 45 label 0x000000 \"Speaker width\"",
                           "text 892 205 result 0x000000 \"11512 Hz\"",
                           "text 500 380 label 0x000000 \"OUT OF RANGE\""});
    // Empty: the message alone, no frequency label and no marker.
    EXPECT_EQ(Texts(dumps[3]).size(), Texts(dumps[2]).size() - 1);
    EXPECT_TRUE(Has(dumps[3], "text 500 380 label 0x000000 \"OUT OF RANGE\""));
    EXPECT_TRUE(Has(dumps[4], "screen 1005"));   // a TAB here leaves no recalc behind
    ExpectLines(Lines(run.out), {
        "pixel 566 225 0x0000FF", "pixel 566 344 0x0000FF", "pixel 566 224 0xFFFFFF",
        "pixel 900 311 0x000000", "pixel 900 312 0x000000", "pixel 900 313 0xF0F0F0",
        "pixel 300 351 0x000000", "pixel 960 311 0xFFFFFF", "pixel 205 350 0xFFFFFF",
        "pixel 830 300 0x0000FF", "pixel 566 300 0xFFFFFF", "pixel 600 350 0x000000",
        "pixel 893 300 0xFFFFFF"});
}

TEST(BaffleStepCompensationPage, SchematicGridShiftAndFocus) {
    DriveResult run = Drive(
        "menu Baffelsteg kompensation\ntype 300\nkey Tab\ntype 8\nkey Return\ndump\n"
        "pixel 670 230\npixel 670 339\npixel 670 340\npixel 764 300\npixel 659 300\n"
        "pixel 437 400\npixel 430 230\n"
        "key Tab\ndump\n"
        "command 2102\nmenu Baffelsteg kompensation\nkey Backspace\nkey Backspace\nkey Backspace\n"
        "key Return\ndump\npixel 764 300\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 3u);
    ExpectLines(dumps[0], {"focus 280 70", "text 181 483 label 0x000000 \"GND\"",
                           "text 330 276 label 0x000000 \"R 1\"",
                           "text 180 75 label 0x000000 \"Högtalarens imp.\"",
                           "text 300 291 result 0x000000 \"8 ohm\"",
                           "text 360 385 result 0x000000 \"8 ohm\"",
                           "text 670 210 result 0x000000 \"383 Hz\"",
                           "text 460 291 result 0x000000 \"2.35 mH\""});
    EXPECT_TRUE(Has(dumps[1], "focus 280 40"));   // TAB moves round the ring, draws nothing
    EXPECT_EQ(Texts(dumps[0]), Texts(dumps[1]));
    ExpectLines(dumps[2], {"text 20 15 heading 0x000000 \"Baffle Step Compensation\"",
                           "text 15 40 label 0x000000 \"TAB    = Move\"",
                           "text 670 210 result 0x000000 \"0 Hz\""});
    EXPECT_FALSE(Has(dumps[2], "text 770 400 label 0x000000 \"OUT OF RANGE\""));
    ExpectLines(Lines(run.out), {
        "pixel 670 230 0x0000FF", "pixel 670 339 0x0000FF", "pixel 670 340 0xFFFFFF",
        "pixel 764 300 0xC8C8C8",   // the 1 kHz line, shifted 105 pixels
        "pixel 659 300 0xFFFFFF", "pixel 437 400 0x000000", "pixel 430 230 0x000000",
        "pixel 764 300 0xFFFFFF"});  // an empty width leaves no grid line in view
}

}  // namespace
