// The single-layer air coil (1130): the winding for what a user types, what
// breaks the root, and the page end to end, also straight after start-up,
// when it is the current screen without having been shown.

#include "drive_runner.h"

#include "calc/electronics/air_coil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(AirCoil, WheelerRootForTheWorkedCoils) {
    const AirCoilWinding coil = WindAirCoil(10, 25.4, 1);
    EXPECT_NEAR(coil.turns, 23.43, 0.005);
    EXPECT_NEAR(coil.length, 28.12, 0.005);
    // The root solves Di^2 N^2 - 40 di L N - 18 Di L = 0 (inches).
    const double Di = 30 / 25.4, di = 0.8 / 25.4, L = 1000;
    const double N = WindAirCoil(L, 30, 0.8).turns;
    EXPECT_NEAR(Di * Di * N * N - 40 * di * L * N - 18 * Di * L, 0.0, 1e-6);
    // A negative discriminant gives not-a-number, nothing else.
    EXPECT_TRUE(std::isnan(WindAirCoil(-1, 25.4, 1).turns));
    EXPECT_TRUE(std::isnan(WindAirCoil(10, -25.4, 1).length));
}

struct LabelCase {
    const char* L;
    const char* D;
    const char* d;
    const char* inductance;
    const char* coilDiameter;
    const char* wireDiameter;
    const char* turns;
    const char* length;
};

TEST(AirCoil, LabelsForTypedTexts) {
    const LabelCase cases[] = {
        {"10", "25.4", "1", "10 uH", "25.4 mm", "1 mm", "23 Varv", "28 mm"},
        {"100", "50", "1", "100 uH", "50 mm", "1 mm", "57 Varv", "68 mm"},
        {"250", "20", "0.5", "250 uH", "20 mm", "0.5 mm", "335 Varv", "201 mm"},
        {"1000", "30", "0,8", "1000 uH", "30 mm", "0.8 mm", "920 Varv", "883 mm"},
        // empty: 0/0 throughout
        {"", "", "", "0.00 uH", "0.00 mm", "0.00 mm", "0.00 Varv", "0.00 mm"},
        {"10", "", "", "10 uH", "0.00 mm", "0.00 mm", "0.00 Varv", "0.00 mm"},
        // infinitely thin wire: sqrt(180)
        {"10", "25.4", "0", "10 uH", "25.4 mm", "0 mm", "13 Varv", "0 mm"},
        {"10", "abc", "1", "10 uH", "abc mm", "1 mm", "inf Varv", "inf mm"},
        {"0", "25.4", "1", "0 uH", "25.4 mm", "1 mm", "0 Varv", "0 mm"},
        // negative discriminant
        {"-1", "25.4", "1", "0.00 uH", "25.4 mm", "1 mm", "0.00 Varv", "0.00 mm"},
        {"10", "-25.4", "1", "10 uH", "0.00 mm", "1 mm", "0.00 Varv", "0.00 mm"},
        // a negative wire still has a root, and a negative length
        {"10", "25.4", "-1", "10 uH", "25.4 mm", "0.00 mm", "8 Varv", "-9 mm"},
        {"nan", "25.4", "1", "nan uH", "25.4 mm", "1 mm", "0.00 Varv", "0.00 mm"},
        {"1e308", "25.4", "1", "1e308 uH", "25.4 mm", "1 mm", "inf Varv", "inf mm"},
        {"1e-300", "25.4", "1", "1e-300 uH", "25.4 mm", "1 mm", "0 Varv", "0 mm"},
        // twelve characters, the last comma beyond the eleventh stays
        {"123456789012", "25.400000000", "1.000000000,", "123456789012 uH", "25.400000000 mm",
         "1.000000000, mm", "194420140188 Varv", "233304168225 mm"},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(std::string(c.L) + " | " + c.D + " | " + c.d);
        const std::vector<std::string> typed = {c.L, c.D, c.d};
        const AirCoilLabels labels = AirCoilPage(InputsFromTexts(typed));
        EXPECT_EQ(labels.inductance, c.inductance);
        EXPECT_EQ(labels.coilDiameter, c.coilDiameter);
        EXPECT_EQ(labels.wireDiameter, c.wireDiameter);
        EXPECT_EQ(labels.turns, c.turns);
        EXPECT_EQ(labels.length, c.length);
    }
}

// ---- End to end through the driver ------------------------------------------

TEST(AirCoilPage, EnterRightAfterStartUpShowsThePage) {
    DriveResult run = Drive(
        "command 9\ndump\n"
        "command 13\ndump\n"
        "pixel 310 265\npixel 690 415\npixel 500 277\npixel 795 300\npixel 680 245\n"
        "pixel 500 445\npixel 600 350\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 2u);
    // TAB only steps the focus of hidden fields: the splash stays.
    EXPECT_TRUE(Has(dumps[0], "focus none"));
    EXPECT_TRUE(Has(dumps[0], "text 380 250 splash 0xFFFFFF \"SELVAQUIN\""));
    // ENTER runs the current screen in full: fields shown, focus in L.
    const std::vector<std::string> expected = {
        "screen 1130", "language 1", "field 280 40 \"\"", "field 280 70 \"\"",
        "field 280 100 \"\"", "focus 280 40"};
    EXPECT_EQ(std::vector<std::string>(dumps[1].begin(), dumps[1].begin() + 6), expected);
    EXPECT_FALSE(Has(dumps[1], "text 380 250 splash 0xFFFFFF \"SELVAQUIN\""));
    for (const char* line : {"text 500 330 result 0x000000 \"0.00 uH\"",
                             "text 520 238 result 0x000000 \"0.00 Varv\"",
                             "text 550 450 result 0x000000 \"0.00 mm\""})
        EXPECT_TRUE(Has(dumps[1], line)) << line;
    // Turns, former, the dimension lines, the white inside of the coil.
    const std::string pixels = run.out.substr(run.out.rfind("end\n") + 4);
    EXPECT_EQ(Lines(pixels),
              (std::vector<std::string>{"pixel 310 265 0xC8C8C8", "pixel 690 415 0xC8C8C8",
                                        "pixel 500 277 0xC8C8C8", "pixel 795 300 0x000000",
                                        "pixel 680 245 0x000000", "pixel 500 445 0x000000",
                                        "pixel 600 350 0xFFFFFF"}));
}

TEST(AirCoilPage, SwedishPageListsEveryTextAndKeysMoveTheFocus) {
    DriveResult run = Drive(
        "menu Linda luftspole, ett lager\n"
        "type 1000\nkey Tab\ntype 30\nkey Tab\ntype 0,8\nkey Return\ndump\n"
        "key Tab\nkey Tab\ntype 0\nkey Tab\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_TRUE(Has(dumps[0], "field 280 100 \"0,8\""));
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    std::vector<std::string> expected = {
        "350 526 splash 0xFFFFFF \"Made by Tulke\"",
        "352 528 splash 0x969696 \"Made by Tulke\"",
        "385 45 label 0x000000 \"uH\"",
        "385 75 label 0x000000 \"mm\"",
        "385 105 label 0x000000 \"mm\"",
        "20 15 heading 0x000000 \"Linda luftspole i ett lager\"",
        "15 40 label 0x000000 \"TAB    = Flytta\"",
        "15 55 label 0x000000 \"ENTER = Räkna\"",
        "180 45 label 0x000000 \"Induktans\"",
        "180 75 label 0x000000 \"Spoldiameter\"",
        "180 105 label 0x000000 \"Tråddiameter\"",
        "802 328 label 0x000000 \"Spoldiameter\"",
        "655 215 label 0x000000 \"Tråddiameter (Utan isolering)\"",
        "490 450 label 0x000000 \"Spollängd\"",
        "466 237 label 0x000000 \"osv --->\"",
        "306 220 label 0x000000 \"Antal varv\"",
        "500 330 result 0x000000 \"1000 uH\"",
        "880 328 result 0x000000 \"30 mm\"",
        "830 215 result 0x000000 \"0.8 mm\"",
        "520 238 result 0x000000 \"920 Varv\"",
        "550 450 result 0x000000 \"883 mm\"",
    };
    for (int i = 7; i >= 0; --i)   // the turn numbers, after the length label
        expected.insert(expected.begin() + 14,
                        std::to_string(306 + 20 * i) + " 237 label 0x000000 \"" +
                            std::to_string(i + 1) + "\"");
    EXPECT_EQ(Texts(dumps[0]), expected);
    // TAB from d goes round to L; the new 0 is not calculated.
    EXPECT_TRUE(Has(dumps[1], "field 280 100 \"0\""));
    EXPECT_TRUE(Has(dumps[1], "focus 280 40"));
    EXPECT_EQ(Texts(dumps[1]), expected);
}

TEST(AirCoilPage, EnglishPage) {
    DriveResult run = Drive(
        "command 2102\nmenu Wind Air coil, one layer\n"
        "type 10\nkey Tab\ntype 25.4\nkey Return\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto texts = Texts(LastDump(run.out));
    for (const char* line : {"20 15 heading 0x000000 \"Wind air coil in one layer\"",
                             "15 40 label 0x000000 \"TAB    = Move and calculate\"",
                             "180 45 label 0x000000 \"Inductance\"",
                             "180 75 label 0x000000 \"Coil diameter\"",
                             "180 105 label 0x000000 \"Wire diameter\"",
                             "802 328 label 0x000000 \"Coil diameter\"",
                             "655 215 label 0x000000 \"Wire diameter (Without insulation)\"",
                             "490 450 label 0x000000 \"Coil length\"",
                             "466 237 label 0x000000 \"etc --->\"",
                             "306 220 label 0x000000 \"Number of laps\"",
                             "830 215 result 0x000000 \"0.00 mm\"",
                             "520 238 result 0x000000 \"13 Varv\"",
                             "550 450 result 0x000000 \"0 mm\""})
        EXPECT_TRUE(Has(texts, line)) << line;
    EXPECT_FALSE(Has(texts, "180 45 label 0x000000 \"Induktans\""));
}

}  // namespace
