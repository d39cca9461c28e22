// The two-way crossovers (501, 502, 503): the coefficient tables against the
// filter prototypes they come from, the labels for what a user types and
// checks, and the pages end to end through the scenario driver.

#include "drive_runner.h"

#include "calc/loudspeaker/crossover_12db.h"
#include "calc/loudspeaker/crossover_18db.h"
#include "calc/loudspeaker/crossover_6db.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The coefficient a part really uses, times 2 pi: its value in H or F for
// Z = 1 ohm and f = 1 Hz / (2 pi), i.e. the normalized prototype element.
double Prototype(const CrossoverNetwork& network, int alignment, int part) {
    const CrossoverComponent& p = network.components[part];
    const double k = network.alignments[alignment].k[p.coefficient];
    const double value = ComponentValue(p.formula, 1.0, 1.0, k);
    return 2 * std::numbers::pi * value / (IsCoil(p.formula) ? 1e3 : 1e6);
}

TEST(CrossoverCoefficients, FollowTheLoadTerminatedPrototypes) {
    // Second order: L C = 1 and Q = 1/sqrt2, 1/sqrt3, 1/2. Third order: the
    // series-shunt-series ladder into the load with the denominator
    // s^3+2s^2+2s+1 (Butterworth) or the Bessel polynomial s^3+6s^2+15s+15
    // scaled by w to the point where its phase is -135 degrees; the high-pass
    // side shares the low-pass denominator.
    const double r2 = std::numbers::sqrt2, r3 = std::numbers::sqrt3;
    const double w = 2.481342;   // root of w^3 + 6w^2 - 15w - 15
    const struct {
        const CrossoverNetwork& network;
        int alignment;
        std::vector<double> prototype;   // per part
        double tolerance;                // relative
    } cases[] = {
        {kCrossover6dB, 0, {1, 1}, 0.002},
        {kCrossover12dB, 0, {r2, 1 / r2, 1 / r2, r2}, 0.002},
        // The published Bessel kC, 0.0912, sits 0.75 % under 1/(2 sqrt3 pi).
        {kCrossover12dB, 1, {r3, 1 / r3, 1 / r3, r3}, 0.008},
        {kCrossover12dB, 2, {2, 0.5, 0.5, 2}, 0.002},
        {kCrossover18dB, 0, {1.5, 4.0 / 3, 0.5, 2.0 / 3, 0.75, 2}, 0.002},
        {kCrossover18dB, 1, {5 * w / 6, 12 * w / 25, w / 6, w / 5, w / 3, w}, 0.002},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.network.components.size(), c.prototype.size());
        for (std::size_t p = 0; p < c.prototype.size(); ++p) {
            const double g = Prototype(c.network, c.alignment, static_cast<int>(p));
            EXPECT_NEAR(g / c.prototype[p], 1.0, c.tolerance)
                << c.network.components.size() << " components, alignment " << c.alignment
                << ", component " << p;
        }
    }
    EXPECT_EQ(kCrossover6dB.alignments.size(), g_crossover6dB.options.size());
    EXPECT_EQ(kCrossover12dB.alignments.size(), g_crossover12dB.options.size());
    EXPECT_EQ(kCrossover18dB.alignments.size(), g_crossover18dB.options.size());
}

// ---- Labels ---------------------------------------------------------------

using PageFn = CrossoverLabels (*)(const FieldInputs&, std::span<const bool>);

// The labels of a page for the typed Zb, Zt, f and the buttons' states ('1'
// checked, in button order), the part labels joined by " | ".
std::string Shown(PageFn page, const Strings& typed, const std::string& checked) {
    bool states[kMaxOptions] = {};
    for (std::size_t i = 0; i < checked.size(); ++i) states[i] = checked[i] == '1';
    const CrossoverLabels labels =
        page(InputsFromTexts(typed), std::span<const bool>(states, checked.size()));
    std::string shown;
    for (const std::string& part : labels.components) shown += part + " | ";
    return shown + labels.frequency;
}

TEST(CrossoverLabels, WorkedValuesAlignmentsAndReplacementRules) {
    const PageFn p6 = Crossover6dBPage, p12 = Crossover12dBPage, p18 = Crossover18dBPage;
    const Strings typical = {"8", "6", "2700"};
    const struct {
        PageFn page;
        Strings typed;
        const char* checked;
        const char* shown;
    } cases[] = {
        {p6, {"8", "6", "3000"}, "1", "0.42 mH | 8.83 uF | 3000 Hz"},
        {p6, {"4", "8", "2000"}, "1", "0.32 mH | 9.94 uF | 2000 Hz"},
        {p6, {"4", "8", "2500,5"}, "1", "0.25 mH | 7.95 uF | 2500.5 Hz"},
        {p6, {"", "", ""}, "1", "0.00 mH | 0.00 uF |  Hz"},           // nan coil, inf capacitor
        {p6, {"8", "6", "0"}, "1", "inf mH | 0.00 uF | 0 Hz"},
        {p6, {"-8", "-6", "0"}, "1", "-inf mH | -inf uF | 0 Hz"},     // only "inf" is replaced
        {p6, {"8", "6", "3000"}, "0", "0.00 mH | 0.00 uF | 3000 Hz"},
        {p6, {"123456789012", "1", "0.001"}, "1",
         "19658724364968152.00 mH | 159000000.00 uF | 0.001 Hz"},
        {p12, typical, "100", "0.67 mH | 5.21 uF | 6.94 uF | 0.50 mH | 2700 Hz"},
        {p12, typical, "010", "0.82 mH | 4.22 uF | 5.63 uF | 0.61 mH | 2700 Hz"},
        {p12, typical, "001", "0.94 mH | 3.69 uF | 4.91 uF | 0.71 mH | 2700 Hz"},
        {p12, typical, "111", "0.94 mH | 3.69 uF | 4.91 uF | 0.71 mH | 2700 Hz"},  // last wins
        {p12, typical, "000", "0.00 mH | 0.00 uF | 0.00 uF | 0.00 mH | 2700 Hz"},
        {p12, {"0", "6", "0"}, "100", "0.00 mH | 0.00 uF | 0.00 uF | inf mH | 0 Hz"},
        {p12, {"nan", "6", "abc"}, "100", "0.00 mH | nan uF | 0.00 uF | inf mH | abc Hz"},
        {p18, typical, "10",
         "0.71 mH | 9.82 uF | 0.24 mH | 6.55 uF | 0.27 mH | 19.65 uF | 2700 Hz"},
        {p18, typical, "01",
         "0.98 mH | 8.78 uF | 0.20 mH | 4.88 uF | 0.29 mH | 24.40 uF | 2700 Hz"},
        {p18, typical, "11",
         "0.98 mH | 8.78 uF | 0.20 mH | 4.88 uF | 0.29 mH | 24.40 uF | 2700 Hz"},
        {p18, typical, "00",
         "0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF | 2700 Hz"},
        {p18, {"1e308", "inf", "123456789012"}, "10",
         "inf mH | 0.00 uF | inf mH | 0.00 uF | inf mH | 0.00 uF | 123456789012 Hz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0] + " | " + c.typed[1] + " | " + c.typed[2] + " | " + c.checked);
        EXPECT_EQ(Shown(c.page, c.typed, c.checked), c.shown);
    }
}

// ---- End to end -----------------------------------------------------------

const char* const kValues = "type 8\nkey Tab\ntype 6\nkey Tab\ntype 2700\nkey Return\n";

// Each dump holds its expected lines.
void ExpectInDumps(const std::vector<Strings>& dumps,
                   const std::vector<std::pair<int, std::string>>& want) {
    for (const auto& [index, line] : want) {
        ASSERT_LT(index, static_cast<int>(dumps.size()));
        EXPECT_TRUE(Has(dumps[index], line)) << "dump " << index << ": " << line;
    }
}

TEST(CrossoverPages, ButtonsStartAtButterworthAndKeepTheirAlignmentPerPage) {
    DriveResult run = Drive(std::string("command 501\ndump\ncommand 503\ndump\n") +
                            "menu Delningsfilter 2v 12dB\n" + kValues + "dump\n" +
                            "click Bessel\ndump\nclick Linkwitz-Riley\ndump\n" +
                            "menu Delningsfilter 2v 18dB\n" + kValues + "click Bessel\ndump\n" +
                            "menu Delningsfilter 2v 12dB\ndump\n" +
                            "menu Delningsfilter 2v 6dB\nclick Butterworth\ndump\n" +
                            "command 1005\ndump\ncommand 504\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ASSERT_EQ(dumps.size(), 10u);
    ExpectInDumps(dumps, {
        {0, "button 20 110 checked \"Butterworth\""},
        {1, "button 20 110 checked \"Butterworth\""}, {1, "button 20 130 unchecked \"Bessel\""},
        {2, "button 20 150 unchecked \"Linkwitz-Riley\""},
        {2, "text 330 272 result 0x000000 \"0.67 mH\""},
        // A click checks the button, clears its neighbours and recalculates.
        {3, "button 20 110 unchecked \"Butterworth\""}, {3, "button 20 130 checked \"Bessel\""},
        {3, "text 260 400 result 0x000000 \"4.22 uF\""},
        {4, "button 20 130 unchecked \"Bessel\""}, {4, "text 462 400 result 0x000000 \"0.71 mH\""},
        // The 18 dB page kept Butterworth through the 12 dB clicks; now Bessel.
        {5, "text 525 338 result 0x000000 \"24.40 uF\""},
        // Back on the 12 dB page: still Linkwitz-Riley.
        {6, "button 20 150 checked \"Linkwitz-Riley\""},
        // The lone 6 dB button stays checked when clicked.
        {7, "button 20 110 checked \"Butterworth\""},
        {7, "text 394 300 result 0x000000 \"0.00 mH\""},
        {9, "screen 1005"},
    });
    EXPECT_EQ(Texts(dumps[4]), Texts(dumps[6]));
    EXPECT_EQ(dumps[8], dumps[9]);   // 504 on another page changes nothing
}

TEST(CrossoverPages, TextsInBothLanguagesMarkerGraphAndFocus) {
    DriveResult run = Drive(
        "menu Delningsfilter 2v 6dB\ntype 8\nkey Tab\ntype 6\nkey Tab\ntype 1000\nkey Return\n"
        "dump\npixel 796 250\npixel 796 400\npixel 797 400\npixel 580 287\npixel 380 287\n"
        "command 2102\nmenu Crossover filter 2w 18dB\n"
        "type 8\nkey Tab\ntype 6\nkey Tab\ntype 1000\nkey Return\n"
        "dump\npixel 795 250\npixel 796 250\n"
        "menu Crossover filter 2w 12dB\ntype 5\nkey Tab\ndump\n"
        "key Tab\ntype 0\nkey Return\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = Dumps(run.out);
    ExpectInDumps(dumps, {
        {0, "text 20 15 heading 0x000000 \"Delningsfilter 2v 6dB\""},
        {0, "text 180 45 label 0x000000 \"Bas Imp\""},
        {0, "text 180 105 label 0x000000 \"Delningsfrekvens\""},
        {0, "text 15 90 label 0x000000 \"Filtertyp\""}, {0, "text 385 105 label 0x000000 \"Hz\""},
        {0, "text 400 279 label 0x000000 \"L 1\""},
        {0, "text 530 300 result 0x000000 \"26.50 uF\""},
        {0, "text 785 210 result 0x000000 \"1000 Hz\""}, {0, "focus 280 40"},
        {1, "text 20 15 heading 0x000000 \"Crossover filter 2w 18dB\""},
        {1, "text 180 105 label 0x000000 \"Crossover freque.\""},
        {1, "text 15 90 label 0x000000 \"Filter type\""},
        {1, "text 547 318 label 0x000000 \"C 3\""},
        {1, "text 460 400 result 0x000000 \"0.72 mH\""},
        // TAB moves the focus and recalculates nothing.
        {2, "focus 280 70"},
        {2, "field 280 40 \"5\""}, {2, "text 330 272 result 0x000000 \"0.00 mH\""},
        // ENTER in the frequency field; 0 Hz is off the grid, the results still shown.
        {3, "focus 280 40"}, {3, "text 770 400 label 0x000000 \"OUT OF RANGE\""},
        {3, "text 785 210 result 0x000000 \"0 Hz\""},
        {3, "text 330 272 result 0x000000 \"inf mH\""},
    });
    // The red marker over the 1 kHz line, which the grid brought to x 796
    // (795 on the 18 dB page); C1's white gap cuts the tweeter wire; L1 is a
    // grey disc.
    const Strings lines = Lines(run.out);
    for (const char* pixel : {"pixel 796 250 0x0000FF", "pixel 796 400 0xC8C8C8",
                              "pixel 797 400 0xFFFFFF", "pixel 580 287 0xFFFFFF",
                              "pixel 380 287 0xC8C8C8", "pixel 795 250 0x0000FF",
                              "pixel 796 250 0xC8C8C8"})
        EXPECT_TRUE(Has(lines, pixel)) << pixel;
}

}  // namespace
