// The RC twin-T notch (1035), RC Zobel (1043) and Thiele (1048) pages: the
// labels and grid offsets for what a user types, and the pages end to end
// through the scenario driver.

#include "drive_runner.h"

#include "calc/electronics/rc_notch.h"
#include "calc/electronics/rc_zobel.h"
#include "calc/electronics/thiele.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kOff = -600;   // off the grid: "OUT OF RANGE"

// A page's value labels joined by " | ", and its grid offset.
struct Case {
    const char *a, *b, *labels;
    int offset;
};

template <typename Page, typename Join>
void ExpectPage(std::initializer_list<Case> cases, Page page, Join join) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " , " + c.b);
        const std::vector<std::string> texts = {c.a, c.b};
        const auto labels = page(InputsFromTexts(texts));
        EXPECT_EQ(join(labels), c.labels);
        EXPECT_EQ(labels.graphOffset, c.offset);
    }
}

TEST(RcNotch, PartValuesFrequencyAndOffset) {
    ExpectPage(
        {
            {"1000", "0,1", "1000 ohm | 0.1 uF | 2000.00 ohm | 0.2 uF | 398 Hz", 226},
            {"1000", "0.047", "1000 ohm | 0.047 uF | 2000.00 ohm | 0.1 uF | 847 Hz", 152},
            {"10000", "0.01", "10000 ohm | 0.01 uF | 20000.00 ohm | 0.0 uF | 398 Hz", 226},
            // Not both positive: nothing doubled; an infinite f reads 0.
            {"", "", "0.00 ohm | 0.00 uF | 0.00 ohm | 0.0 uF | 0 Hz", kOff},
            {"-1000", "0.1", "0.00 ohm | 0.1 uF | -1000.00 ohm | 0.0 uF | -796 Hz", kOff},
            {"-1000", "-0.1", "0.00 ohm | 0.00 uF | -1000.00 ohm | 0.0 uF | 796 Hz", 160},
            {"-1000", "0", "0.00 ohm | 0 uF | -1000.00 ohm | 0.0 uF | -inf Hz", kOff},
            {"nan", "1", "nan ohm | 1 uF | nan ohm | 0.0 uF | nan Hz", kOff},
            {" 5", ".5", "0.00 ohm | 0.00 uF | 10.00 ohm | 1.0 uF | 15924 Hz", -126},
            {"1e308", "1e308", "1e308 ohm | 1e308 uF | inf ohm | inf uF | 0 Hz", kOff},
            {"1e-300", "1e-300", "1e-300 ohm | 1e-300 uF | 0.00 ohm | 0.0 uF | 0 Hz", kOff},
            {"123456789012", "1",
             "123456789012 ohm | 1 uF | 246913578024.00 ohm | 2.0 uF | 0 Hz", kOff},
        },
        RcNotchPage,
        [](const RcNotchLabels& l) {
            return l.r + " | " + l.c + " | " + l.r3 + " | " + l.c23 + " | " + l.f;
        });
}

TEST(RcZobel, ComputedOnlyForPositiveInputs) {
    ExpectPage(
        {
            {"10", "1", "10 ohm | 1 uF | 15924", -126},
            {"10", "4,7", "10 ohm | 4.7 uF | 3388", 19},
            {"10", "0.1", "10 ohm | 0.1 uF | 159236", kOff},
            {"", "", "0.00 ohm | 0.00 uF | 0", kOff},
            {"10", "-1", "10 ohm | 0.00 uF | 0", kOff},
            {"nan", "1", "nan ohm | 1 uF | 0", kOff},
            {"1e308", "1e308", "1e308 ohm | 1e308 uF | 0", kOff},
            {"1e-300", "1e-300", "1e-300 ohm | 1e-300 uF | inf", kOff},
            {"1", "0.0000000001", "1 ohm | 0.0000000001 uF | 1592356687898089", kOff},
        },
        RcZobelPage, [](const RcZobelLabels& l) { return l.r + " | " + l.c + " | " + l.f; });
}

TEST(Thiele, UnguardedFrequencyAndItsReplacement) {
    ExpectPage(
        {
            {"8", "1", "8 ohm | 1 mH | 1274 Hz", 118},
            {"10", "0,5", "10 ohm | 0.5 mH | 3185 Hz", 25},
            {"10", "0.001", "10 ohm | 0.001 mH | 1592357 Hz", kOff},
            {"", "", "0.00 ohm | 0.00 mH | 0.00 Hz", kOff},          // 0 / 0
            {"inf", "inf", "inf ohm | inf mH | 0.00 Hz", kOff},
            {"8", "", "8 ohm | 0.00 mH | inf Hz", kOff},
            {"-8", "0", "0.00 ohm | 0 mH | -inf Hz", kOff},
            {"0", "1", "0 ohm | 1 mH | 0 Hz", kOff},
            {"-8", "1", "0.00 ohm | 1 mH | -1274 Hz", kOff},
            {"-8", "-1", "0.00 ohm | 0.00 mH | 1274 Hz", 118},
            {"1e308", "1e-300", "1e308 ohm | 1e-300 mH | inf Hz", kOff},
            {"123456789012", "1000", "123456789012 ohm | 1000 mH | 19658724365 Hz", kOff},
        },
        ThielePage, [](const ThieleLabels& l) { return l.r + " | " + l.l + " | " + l.f; });
}

// ---- End to end through the driver ------------------------------------------

// Runs the script and checks every line against the whole transcript; returns
// its dump blocks.
std::vector<std::vector<std::string>> RunChecked(const std::string& script,
                                                 const std::vector<std::string>& lines) {
    DriveResult run = Drive(script);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto all = Lines(run.out);
    for (const std::string& line : lines) EXPECT_TRUE(Has(all, line)) << line;
    return Dumps(run.out);
}

TEST(RcNotchPage, MarkerBesideTheShiftedGridAndTheFocusAfterEnter) {
    const auto dumps = RunChecked(
        "menu Filter Notch\ntype 1000\nkey Tab\ntype 0,1\nkey Return\ndump\n"
        "pixel 795 219\npixel 795 220\npixel 795 299\npixel 795 300\npixel 796 250\n"
        "menu Filter Notch\ndump\n"
        // ENTER in the first field: four runs leave the focus there.
        "command 2102\nmenu Filter Notch\nkey End\ntype 0\nkey Return\ndump\n",
        {"text 180 45 label 0x000000 \"Motstånd       R\"",
         "text 410 440 result 0x000000 \"2000.00 ohm\"",
         "text 470 425 result 0x000000 \"0.2 uF\"",
         "text 785 205 result 0x000000 \"398 Hz\"",
         // Offset 226 brings the 400 Hz line to 796, beside the marker.
         "text 786 492 small 0x000000 \"400\"", "pixel 796 250 0xC8C8C8",
         "pixel 795 219 0xFFFFFF", "pixel 795 220 0x0000FF", "pixel 795 299 0x0000FF",
         "pixel 795 300 0xFFFFFF",
         "text 180 75 label 0x000000 \"Capacitor      C\"",
         "text 580 298 label 0x000000 \"UT\"",
         "text 270 200 result 0x000000 \"10000 ohm\""});
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    EXPECT_EQ(Texts(dumps[0]), Texts(dumps[1]));   // ENTER draws what the menu draws
    EXPECT_TRUE(Has(dumps[2], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[2], "text 785 205 result 0x000000 \"40 Hz\""));
}

TEST(RcZobelPage, BareFrequencyAtTheMarkerAndOffTheGrid) {
    const auto dumps = RunChecked(
        "menu Filter Zobel\ntype 10\nkey Tab\ntype 1\nkey Return\ndump\n"
        "pixel 797 250\npixel 796 250\npixel 757 250\npixel 823 250\n"
        "command 2102\nmenu Filter Zobel\nkey Tab\nkey Home\ntype 0,\nkey Return\ndump\n",
        // Offset -126: 10 kHz at 757, 20 kHz at 823, 15924 Hz at 796.
        {"text 785 205 result 0x000000 \"15924\"", "text 750 492 small 0x000000 \"10k\"",
         "pixel 797 250 0x0000FF", "pixel 796 250 0xFFFFFF", "pixel 757 250 0xC8C8C8",
         "pixel 823 250 0x000000", "text 575 223 label 0x000000 \"UT\""});
    ASSERT_EQ(dumps.size(), 2u);
    for (const char* line : {"focus 280 40", "text 575 223 label 0x000000 \"OUT\"",
                             "text 455 405 result 0x000000 \"0.1 uF\"",
                             "text 785 205 result 0x000000 \"159236\"",
                             "text 770 400 label 0x000000 \"OUT OF RANGE\""})
        EXPECT_TRUE(Has(dumps[1], line)) << line;
}

TEST(ThielePage, CoilNoteAndShiftedGridInBothLanguages) {
    const auto dumps = RunChecked(
        "menu Filter Thiele\ntype 8\nkey Tab\ntype 1\nkey Return\ndump\n"
        "pixel 797 250\npixel 777 250\npixel 355 368\n"
        "command 2102\nmenu Filter Thiele\ndump\n",
        // Offset 118: the 1 kHz line at 777; a coil turn filled grey.
        {"text 785 205 result 0x000000 \"1274 Hz\"", "text 771 492 small 0x000000 \"1k\"",
         "pixel 797 250 0x0000FF", "pixel 777 250 0xC8C8C8", "pixel 355 368 0xC8C8C8",
         "text 350 480 label 0x000000 \"'Linda luftspole, ett lager'\"",
         "text 350 480 label 0x000000 \"the button 'Wind air coil, one layer'\"",
         "text 578 328 label 0x000000 \"OUT\"", "text 435 340 result 0x000000 \"1 mH\""});
    EXPECT_EQ(dumps.size(), 2u);
}

}  // namespace
