// RC low-pass (1017), high-pass (1022) and band-pass (1027): the corners and
// value labels for what a user types, and the pages end to end through the
// scenario driver.

#include "drive_runner.h"

#include "app/graph.h"
#include "calc/electronics/rc_band_pass.h"
#include "calc/electronics/rc_corner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

FieldInputs Typed(std::vector<std::string> texts) { return InputsFromTexts(texts); }

TEST(RcFilter, CornerLabelsAndGraphOffsets) {
    const struct { const char *r, *c, *labelR, *labelC, *corner; int offset; } cases[] = {
        {"1000", "0,1", "1000 ohm", "0.1 uF", "1592 Hz -3dB", 96},
        {"10000", "1", "10000 ohm", "1 uF", "16 Hz -3dB", 545},
        {"4700", "0.047", "4700 ohm", "0.047 uF", "721 Hz -3dB", 170},
        {"1", "1", "1 ohm", "1 uF", "159236 Hz -3dB", kOutOfRange},
        {"", "abc", "0.00 ohm", "abc uF", "0 Hz -3dB", kOutOfRange},         // inf reads 0
        {" 1000", "-5", "0.00 ohm", "0.00 uF", "-32 Hz -3dB", kOutOfRange},
        {"-1000", "-0.1", "0.00 ohm", "0.00 uF", "1592 Hz -3dB", 96},
        {"0", "-1", "0 ohm", "0.00 uF", "-inf Hz -3dB", kOutOfRange},        // only 'i' is replaced
        {"nan", "1", "nan ohm", "1 uF", "nan Hz -3dB", kOutOfRange},
        {"1e308", "1e308", "1e308 ohm", "1e308 uF", "0 Hz -3dB", kOutOfRange},
        {"1e-300", "1e-300", "1e-300 ohm", "1e-300 uF", "0 Hz -3dB", kOutOfRange},
        {"123456789012", "1e-9", "123456789012 ohm", "1e-9 uF", "1290 Hz -3dB", 117},
    };
    for (const auto& c : cases) {
        const RcFilterLabels labels = RcFilterPage(Typed({c.r, c.c}));
        EXPECT_EQ(std::vector<std::string>({labels.r, labels.c, labels.corner}),
                  std::vector<std::string>({c.labelR, c.labelC, c.corner}));
        EXPECT_EQ(labels.graphOffset, c.offset) << c.r << " | " << c.c;
    }
    // The factor is 6.28, not 2 pi; a corner of 306 digits is shown whole.
    EXPECT_DOUBLE_EQ(RcCornerFrequency(1000, 0.1), 1 / 0.000628);
    const std::string huge = RcCornerOf(1e-300, 1).label;
    EXPECT_EQ(huge.size(), 306 + std::string(" Hz -3dB").size());
    EXPECT_EQ(huge.substr(0, 4), "1592");
}

TEST(RcBandPass, TwoIndependentCornersAndTheBareZeroOfR2) {
    const std::vector<std::string> cases[][2] = {
        {{"1000", "1", "1000", "0,01"},
         {"1000 ohm", "1 uF", "1000 ohm", "0.01 uF", "159 Hz -3dB", "15924 Hz -3dB"}},
        {{"", "", "", ""}, {"0.00 ohm", "0.00 uF", "0 ohm", "0.00 uF", "0 Hz -3dB", "0 Hz -3dB"}},
        {{"-1000", "1", ".5", "nan"},
         {"0.00 ohm", "1 uF", "0 ohm", "nan uF", "-159 Hz -3dB", "nan Hz -3dB"}},
        // No check that the high-pass corner lies below the low-pass one.
        {{"10", "0.01", "1e5", "10"},
         {"10 ohm", "0.01 uF", "1e5 ohm", "10 uF", "1592357 Hz -3dB", "0 Hz -3dB"}},
    };
    for (const auto& [typed, expected] : cases) {
        const RcBandPassLabels got = RcBandPassPage(Typed(typed));
        EXPECT_EQ(std::vector<std::string>({got.r1, got.c1, got.r2, got.c2, got.highPass, got.lowPass}),
                  expected);
    }
}

// ---- End to end through the driver ------------------------------------------

void ExpectAll(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    for (const auto& line : wanted) EXPECT_TRUE(Has(lines, line)) << line;
}

TEST(RcFilterPage, LowPassShiftsTheGridSo1592HzSitsAtTheMarker) {
    DriveResult run = Drive(
        "menu Filter Lågpass RC\ntype 1000\nkey Tab\ntype 0,1\nkey Return\ndump\n"
        // 1 kHz at 659 + 96, 2 kHz at 727 + 96; the red marker from y 220 to 299.
        "pixel 755 232\npixel 823 232\npixel 797 220\npixel 797 299\npixel 797 300\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = LastDump(run.out);
    ExpectAll(Texts(dump), {
        "385 75 label 0x000000 \"uF\"", "20 15 heading 0x000000 \"Lågpassfilter RC\"",
        "180 45 label 0x000000 \"Motstånd\"", "560 255 label 0x000000 \"UT\"",
        "453 450 label 0x000000 \"GND\"", "350 235 label 0x000000 \"R\"",
        "505 365 label 0x000000 \"C\"", "330 280 result 0x000000 \"1000 ohm\"",
        "380 367 result 0x000000 \"0.1 uF\"", "800 205 result 0x000000 \"1592 Hz -3dB\"",
        "749 492 small 0x000000 \"1k\""});
    EXPECT_FALSE(Has(Texts(dump), "770 400 label 0x000000 \"OUT OF RANGE\""));
    ExpectAll(Lines(run.out), {"pixel 755 232 0xC8C8C8", "pixel 823 232 0xC8C8C8",
                               "pixel 797 220 0x0000FF", "pixel 797 299 0x0000FF",
                               "pixel 797 300 0xFFFFFF", "focus 280 40"});
}

TEST(RcFilterPage, HighPassOffTheGridInEnglishAndTabFocus) {
    DriveResult run = Drive(
        "command 2102\nmenu Filter Highpass RC\ntype 1\nkey Tab\ntype 1\nkey Return\ndump\n"
        "key Tab\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 2u);
    ExpectAll(Texts(dumps[0]), {
        "770 400 label 0x000000 \"OUT OF RANGE\"", "20 15 heading 0x000000 \"High-pass filter RC\"",
        "180 45 label 0x000000 \"Resistance\"", "560 255 label 0x000000 \"OUT\"",
        "320 210 label 0x000000 \"C\"", "490 360 label 0x000000 \"R\"",
        "400 360 result 0x000000 \"1 ohm\"", "310 310 result 0x000000 \"1 uF\"",
        "800 205 result 0x000000 \"159236 Hz -3dB\""});
    // TAB moves the focus and redraws nothing.
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[1], "focus 280 70"));
    EXPECT_EQ(Texts(dumps[0]), Texts(dumps[1]));
}

TEST(RcBandPassPage, EmptyGraphNoMarkerAndTheEnglishOnlyCaption) {
    DriveResult run = Drive(
        "menu Filter Bandpass RC\nkey Tab\nkey Tab\nkey Tab\ndump\nkey Return\ndump\n"
        // No grid (its top edge would be at y 230), no marker, grey pointers.
        "pixel 700 230\npixel 797 250\npixel 690 270\npixel 906 280\n"
        "command 2102\nmenu Filter Bandpass RC\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_TRUE(Has(dumps[0], "focus 600 70"));
    EXPECT_TRUE(Has(dumps[1], "focus 280 40"));
    const auto swedish = Texts(dumps[1]);
    ExpectAll(swedish, {
        "180 45 label 0x000000 \"Motstånd     R 1\"", "930 255 label 0x000000 \"-3dB\"",
        "370 340 result 0x000000 \"0.00 ohm\"", "255 197 result 0x000000 \"0.00 uF\"",
        "415 215 result 0x000000 \"0 ohm\"", "435 385 result 0x000000 \"0.00 uF\"",
        "670 205 result 0x000000 \"0 Hz -3dB\"", "880 205 result 0x000000 \"0 Hz -3dB\""});
    for (const auto& t : swedish) {
        EXPECT_EQ(t.find("OUT OF RANGE"), std::string::npos);
        EXPECT_NE(t.rfind("180 105", 0), 0u);
    }
    ExpectAll(Lines(run.out), {"pixel 700 230 0xFFFFFF", "pixel 797 250 0xFFFFFF",
                               "pixel 690 270 0x808080", "pixel 906 280 0x808080"});
    ExpectAll(Texts(dumps[2]), {
        "20 15 heading 0x000000 \"Bandpass filter RC\"", "180 45 label 0x000000 \"Resistance     R 1\"",
        "180 105 label 0x000000 \"Frequency HP -3dB\"", "555 255 label 0x000000 \"OUT\""});
}

}  // namespace
