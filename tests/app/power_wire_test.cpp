// Amplifier output power (1001) and wire resistance (1003): the labels for
// what a user types, results of any length shown whole, and both pages end
// to end through the scenario driver.

#include "drive_runner.h"

#include "calc/electronics/amplifier_power.h"
#include "calc/electronics/wire_resistance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The second text is also what the field holds as typed.
struct Case {
    const char* first;
    const char* second;
    std::vector<std::string> labels;
};

std::vector<std::string> Amplifier(const std::string& r, const std::string& v) {
    const auto l = AmplifierPowerPage(InputsFromTexts(std::vector{r, v}), v);
    return {l.power, l.resistance, l.current, l.voltage};
}

std::vector<std::string> Wire(const std::string& d, const std::string& l) {
    const auto w = WireResistancePage(InputsFromTexts(std::vector{d, l}), l);
    return {w.diameter, w.section, w.length, w.resistance};
}

TEST(AmplifierPower, DecimalsFollowThePowerAndLabelsTheDefaultRules) {
    const Case cases[] = {
        {"8", "20", {"50 Watt", "8 ohm", "2.5 Ampere", "20 Volt"}},
        {"8", "2", {"0.500 Watt", "8 ohm", "0.250 Ampere", "2 Volt"}},
        {"4", "6.32", {"9.986 Watt", "4 ohm", "1.580 Ampere", "6.32 Volt"}},
        {"10", "10", {"10 Watt", "10 ohm", "1.0 Ampere", "10 Volt"}},         // exactly 10 W
        {"-8", "20", {"-50.000 Watt", "0.00 ohm", "-2.500 Ampere", "20 Volt"}},
        {"4,5", "2,5", {"1.389 Watt", "4.5 ohm", "0.556 Ampere", "2,5 Volt"}},   // typed comma kept
        {"", "", {"0.00 Watt", "0.00 ohm", "0.00 Ampere", "0.00 Volt"}},     // 0 / 0
        {"0", "20", {"inf Watt", "0 ohm", "inf Ampere", "20 Volt"}},
        {"-0", "20", {"-inf Watt", "0.00 ohm", "-inf Ampere", "20 Volt"}},
        {" 8", ".5", {"0.031 Watt", "0.00 ohm", "0.063 Ampere", "0.00 Volt"}},
        {"abc", "12abc", {"inf Watt", "abc ohm", "inf Ampere", "12abc Volt"}},
        {"nan", "1", {"0.00 Watt", "nan ohm", "0.00 Ampere", "1 Volt"}},
        {"inf", "1", {"0.000 Watt", "inf ohm", "0.000 Ampere", "1 Volt"}},
        {"1e308", "1e308", {"inf Watt", "1e308 ohm", "1.0 Ampere", "1e308 Volt"}},
        {"1e-300", "1e-300", {"0.000 Watt", "1e-300 ohm", "1.000 Ampere", "1e-300 Volt"}},
        {"123456789012", "123456789012",
         {"123456789012 Watt", "123456789012 ohm", "1.0 Ampere", "123456789012 Volt"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Amplifier(c.first, c.second), c.labels) << c.first << " | " << c.second;
}

TEST(WireResistance, SectionAndResistanceWithTheirDefaults) {
    const Case cases[] = {
        {"1", "1000", {"1 mm", "0.785 mm2", "1000 mm", "0.023 ohm"}},
        {"0.5", "10000", {"0.5 mm", "0.196 mm2", "10000 mm", "0.917 ohm"}},
        {"2.5", "5000", {"2.5 mm", "4.906 mm2", "5000 mm", "0.018 ohm"}},
        {"0,5", "1000,5", {"0.5 mm", "0.196 mm2", "1000,5 mm", "0.092 ohm"}},
        {"", "", {"0.00 mm", "0.000 mm2", "0.00 mm", "0.000 ohm"}},          // 0 / 0
        {"0", "1000", {"0 mm", "0.000 mm2", "1000 mm", "inf ohm"}},
        {"-1", "-1000", {"0.00 mm", "0.785 mm2", "0.00 mm", "-0.023 ohm"}},
        {"nan", "1000", {"nan mm", "nan mm2", "1000 mm", "0.000 ohm"}},     // no default for the section
        {"inf", "abc", {"inf mm", "inf mm2", "abc mm", "0.000 ohm"}},
        {"1e-200", "1000", {"1e-200 mm", "0.000 mm2", "1000 mm", "inf ohm"}},  // D x D underflows
        {"000000000002", "1000.0000000",
         {"000000000002 mm", "3.140 mm2", "1000.0000000 mm", "0.006 ohm"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Wire(c.first, c.second), c.labels) << c.first << " | " << c.second;
}

// `digits` integer digits, then `tail`.
void ExpectWholeNumber(const std::string& label, std::size_t digits, const std::string& tail) {
    EXPECT_EQ(label.find_first_not_of("0123456789"), digits) << label;
    EXPECT_EQ(label.substr(std::min(digits, label.size())), tail);
}

TEST(PowerAndWire, ResultsFarLongerThanAFieldAreShownWhole) {
    ExpectWholeNumber(Wire("1e-150", "1000")[3], 299, ".000 ohm");   // 2.29e298
    ExpectWholeNumber(Wire("1e154", "1")[1], 308, ".000 mm2");
    ExpectWholeNumber(Amplifier("1", "1e150")[0], 300, " Watt");
    ExpectWholeNumber(Amplifier("1e-300", "1")[2], 300, ".0 Ampere");
}

// ---- End to end through the driver ------------------------------------------

std::vector<std::string> Transcript(const std::string& script) {
    DriveResult run = Drive(script);
    EXPECT_EQ(run.status, 0) << run.err;
    return Lines(run.out);
}

void ExpectLines(const std::vector<std::string>& have, const std::vector<std::string>& want) {
    for (const auto& line : want) EXPECT_TRUE(Has(have, line)) << line;
}

TEST(AmplifierPowerPage, BothLanguagesWithTheirLabelsOverTheParts) {
    const auto lines = Transcript(
        "menu Effekt ur Förstärkare\ntype 8\nkey Tab\ntype 2,5\nkey Return\n"
        "pixel 275 275\npixel 323 332\npixel 577 300\ndump\n"
        "command 2102\nmenu Power out of Amplifier\nkey Tab\nkey Backspace\nkey Return\ndump\n");
    ExpectLines(lines, {
        "pixel 275 275 0xC8C8C8", "pixel 323 332 0xFFFFFF", "pixel 577 300 0xC8C8C8",
        "text 385 45 label 0x000000 \"ohm\"", "text 385 75 label 0x000000 \"Volt\"",
        "text 20 15 heading 0x000000 \"Effekt ur förstärkare\"",
        "text 15 40 label 0x000000 \"TAB    = Flytta\"",
        "text 180 45 label 0x000000 \"Motstånd (R)\"", "text 180 75 label 0x000000 \"Spänning (V)\"",
        "text 400 300 label 0x000000 \"R\"", "text 560 330 label 0x000000 \"R\"",
        "text 770 320 label 0x000000 \"V\"", "text 320 330 label 0xFFFFFF \"AMPLIFIER\"",
        "text 440 330 result 0x000000 \"0.781 Watt\"", "text 595 330 result 0x000000 \"8 ohm\"",
        "text 810 330 result 0x000000 \"0.313 Ampere\"", "text 810 310 result 0x000000 \"2,5 Volt\"",
        "focus 280 40",
        // English, the voltage field emptied: 8 ohm and no voltage.
        "text 20 15 heading 0x000000 \"Power from amplifier\"",
        "text 15 40 label 0x000000 \"TAB    = Move and calculate\"",
        "text 180 45 label 0x000000 \"Resistance (R)\"", "text 180 75 label 0x000000 \"Voltage (V)\"",
        "text 440 330 result 0x000000 \"0.000 Watt\"", "text 810 330 result 0x000000 \"0.000 Ampere\"",
        "text 810 310 result 0x000000 \"0.00 Volt\"",
    });
}

TEST(WireResistancePage, HintsStandApartByLanguageAndTabOnlyMovesTheFocus) {
    DriveResult run = Drive(
        "menu Trådmotstånd diam x längd\ntype 1e-150\nkey Tab\ntype 1000,5\nkey Return\ndump\n"
        "pixel 475 345\npixel 760 300\npixel 400 270\n"
        "type 9\nkey Tab\ndump\nkey Tab\ndump\n"
        "command 2102\nmenu Wire resistance diam x length\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ExpectLines(lines, {
        "text 385 45 label 0x000000 \"mm\"", "text 385 75 label 0x000000 \"mm\"",
        "text 20 15 heading 0x000000 \"Trådmotstånd\"",
        "text 20 40 label 0x000000 \"TAB    = Flytta\"", "text 15 55 label 0x000000 \"ENTER = Räkna\"",
        "text 15 75 label 0x000000 \"Diameter x längd\"", "text 180 45 label 0x000000 \"Diameter\"",
        "text 180 75 label 0x000000 \"Trådlängd\"", "text 190 330 label 0x000000 \"Trådlängd:\"",
        "text 780 330 result 0x000000 \"1e-150 mm\"", "text 450 330 result 0x000000 \"0.000 mm2\"",
        "text 260 330 result 0x000000 \"1000,5 mm\"",
        "pixel 475 345 0xC8C8C8", "pixel 760 300 0x000000", "pixel 400 270 0xFFFFFF",
        "text 15 40 label 0x000000 \"TAB    = Move and calculate\"",
        "text 15 75 label 0x000000 \"Diameter x length\"", "text 180 75 label 0x000000 \"Wire length\"",
        "text 190 330 label 0x000000 \"Wire length:\"",
    });
    EXPECT_FALSE(Has(lines, "text 15 40 label 0x000000 \"TAB    = Flytta\""));
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 4u);
    // The resistance of 299 digits is drawn whole.
    const std::string prefix = "450 220 result 0x000000 \"";
    std::string resistance;
    for (const auto& t : Texts(dumps[0]))
        if (t.starts_with(prefix)) resistance = t.substr(prefix.size());
    ExpectWholeNumber(resistance, 299, ".000 ohm\"");
    // ENTER leaves the focus in the first field; TAB moves it round and
    // recalculates nothing.
    EXPECT_TRUE(Has(dumps[0], "focus 280 40"));
    EXPECT_TRUE(Has(dumps[1], "field 280 40 \"1e-1509\""));
    EXPECT_TRUE(Has(dumps[1], "focus 280 70"));
    EXPECT_EQ(Texts(dumps[1]), Texts(dumps[0]));
    EXPECT_TRUE(Has(dumps[2], "focus 280 40"));
}

}  // namespace
