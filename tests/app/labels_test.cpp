// What every calculator page shows for what a user types: the value labels
// (and what places the graph) as pure functions, and on the running page for
// bad input in each field; the names screen readers get; the depth table of
// the notch filter, the air-coil root and the crossover coefficients against
// their prototypes.

#include "app_fixture.h"

#include "app/screens.h"
#include "calc/electronics/air_coil.h"
#include "calc/electronics/amplifier_power.h"
#include "calc/electronics/capacitors_series.h"
#include "calc/electronics/rc_band_pass.h"
#include "calc/electronics/rc_corner.h"
#include "calc/electronics/rc_notch.h"
#include "calc/electronics/rc_zobel.h"
#include "calc/electronics/resistors_parallel.h"
#include "calc/electronics/thiele.h"
#include "calc/electronics/wire_resistance.h"
#include "calc/loudspeaker/baffle_step.h"
#include "calc/loudspeaker/baffle_step_compensation.h"
#include "calc/loudspeaker/conjugate_link.h"
#include "calc/loudspeaker/crossover_12db.h"
#include "calc/loudspeaker/crossover_18db.h"
#include "calc/loudspeaker/crossover_6db.h"
#include "calc/loudspeaker/notch_filter.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// What page `id` shows for the texts its fields hold (as typed: a comma still
// a comma) and, on the crossovers, the filter-type buttons checked: the value
// labels in the result font, and in `graph` what places the graph (the offset
// after '@', the notch's depth/width, the baffle step's marker x).
struct Shown {
    Strings labels;
    std::string graph = {};
};

std::string At(double offset) { return " @" + std::to_string(static_cast<int>(offset)); }

Shown PageShows(int id, const Strings& typed, std::span<const bool> checked = {}) {
    const FieldInputs in = InputsFromTexts(typed);
    switch (id) {
        case 500: { const auto l = ConjugateLinkPage(in); return {{l.r1, l.c1}}; }
        case 501: case 502: case 503: {
            auto page = id == 501 ? Crossover6dBPage : id == 502 ? Crossover12dBPage : Crossover18dBPage;
            auto l = page(in, checked);
            l.components.push_back(l.frequency);
            return {l.components};
        }
        case 505: {   // the frequency only where the curve is drawn
            const BaffleStepView v = BaffleStepPage(in);
            return {v.curve ? Strings{v.frequency} : Strings{},
                    (v.curve ? " | " + std::to_string(v.x0 + 301) : "") + (v.outOfRange ? " | OUT OF RANGE" : "")};
        }
        case 506: {
            const auto l = BaffleStepCompensationPage(in);
            return {{l.frequency, l.coil, l.resistor}, At(l.graphOffset)};
        }
        case 507: {
            const auto l = NotchFilterPage(in);
            return {{l.frequency, l.c1, l.l1, l.resistor},
                    " | " + std::to_string(l.depth) + "/" + std::to_string(l.width)};
        }
        case 1001: {
            const auto l = AmplifierPowerPage(in, typed.at(1));
            return {{l.power, l.resistance, l.current, l.voltage}};
        }
        case 1003: {
            const auto l = WireResistancePage(in, typed.at(1));
            return {{l.diameter, l.section, l.length, l.resistance}};
        }
        case 1005: { const auto l = ResistorsParallelPage(in); return {{l.a, l.b, l.total}}; }
        case 1015: { const auto l = CapacitorsSeriesPage(in); return {{l.a, l.b, l.total}}; }
        case 1017: case 1022: { const auto l = RcFilterPage(in); return {{l.r, l.c, l.corner}, At(l.graphOffset)}; }
        case 1027: { const auto l = RcBandPassPage(in); return {{l.r1, l.c1, l.r2, l.c2, l.highPass, l.lowPass}}; }
        case 1035: { const auto l = RcNotchPage(in); return {{l.r, l.c, l.r3, l.c23, l.f}, At(l.graphOffset)}; }
        case 1043: { const auto l = RcZobelPage(in); return {{l.r, l.c, l.f}, At(l.graphOffset)}; }
        case 1048: { const auto l = ThielePage(in); return {{l.r, l.l, l.f}, At(l.graphOffset)}; }
        case 1130: {
            const auto l = AirCoilPage(in);
            return {{l.inductance, l.coilDiameter, l.wireDiameter, l.turns, l.length}};
        }
    }
    return {};
}

std::string Join(const Strings& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i > 0 ? " | " : "") + parts[i];
    return joined;
}

// The labels of page id joined by " | ", then the graph; on a crossover the
// fourth text holds the button states ('1' checked).
TEST(PageLabels, WorkedValuesAndTheReplacementRulesOfEachPage) {
    const struct {
        int id;
        Strings typed;
        const char* shown;
    } cases[] = {
        // Input labels: below '0' (empty, blank, point, sign) reads the default;
        // ',' is read as '.'; a nan total reads 0.00.
        {1005, {"100", "100"}, "100 ohm | 100 ohm | 50.00 ohm"},
        {1005, {"4,7", "2,2"}, "4.7 ohm | 2.2 ohm | 1.50 ohm"},
        {1005, {"", ""}, "0.00 ohm | 0.000 ohm | 0.00 ohm"},
        {1005, {" 5", ".5"}, "0.00 ohm | 0.000 ohm | 0.45 ohm"},
        {1005, {"123456789012", "123456789012"}, "123456789012 ohm | 123456789012 ohm | 61728394506.00 ohm"},
        {1015, {"4.7", "2.2"}, "4.7 uF | 2.2 uF | 1.50 uF"},
        {1015, {"0", "4.7"}, "0 uF | 4.7 uF | 0.00 uF"},   // 1/0 is inf, 1/inf is 0
        {1015, {"", ""}, "0.00 uF | 0.00 uF | 0.00 uF"}, {1015, {"nan", "1"}, "nan uF | 1 uF | 0.00 uF"},
        // Three decimals below 10 W, else none for the power and one for the current.
        {1001, {"8", "20"}, "50 Watt | 8 ohm | 2.5 Ampere | 20 Volt"},
        {1001, {"8", "2"}, "0.500 Watt | 8 ohm | 0.250 Ampere | 2 Volt"},
        {1001, {"10", "10"}, "10 Watt | 10 ohm | 1.0 Ampere | 10 Volt"},
        {1001, {"4,5", "2,5"}, "1.389 Watt | 4.5 ohm | 0.556 Ampere | 2,5 Volt"},
        {1001, {"", ""}, "0.00 Watt | 0.00 ohm | 0.00 Ampere | 0.00 Volt"},
        // The section (0.785 d^2) has no default.
        {1003, {"1", "1000"}, "1 mm | 0.785 mm2 | 1000 mm | 0.023 ohm"},
        {1003, {"0,5", "1000,5"}, "0.5 mm | 0.196 mm2 | 1000,5 mm | 0.092 ohm"},
        {1003, {"", ""}, "0.00 mm | 0.000 mm2 | 0.00 mm | 0.000 ohm"},
        {1003, {"nan", "1000"}, "nan mm | nan mm2 | 1000 mm | 0.000 ohm"},
        {1130, {"10", "25.4", "1"}, "10 uH | 25.4 mm | 1 mm | 23 Varv | 28 mm"},
        {1130, {"1000", "30", "0,8"}, "1000 uH | 30 mm | 0.8 mm | 920 Varv | 883 mm"},
        {1130, {"", "", ""}, "0.00 uH | 0.00 mm | 0.00 mm | 0.00 Varv | 0.00 mm"},
        {1130, {"10", "25.4", "0"}, "10 uH | 25.4 mm | 0 mm | 13 Varv | 0 mm"},   // sqrt(180)
        // A comma past the eleventh character stays.
        {1130, {"123456789012", "25.400000000", "1.000000000,"},
         "123456789012 uH | 25.400000000 mm | 1.000000000, mm | 194420140188 Varv | 233304168225 mm"},
        // 1 / (R 6.28 C); only "inf" reads 0, graphed at 0.
        {1017, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 1592 Hz -3dB @96"},
        {1017, {"1", "1"}, "1 ohm | 1 uF | 159236 Hz -3dB @-600"},
        {1017, {"", "abc"}, "0.00 ohm | abc uF | 0 Hz -3dB @-600"},
        {1017, {"0", "-1"}, "0 ohm | 0.00 uF | -inf Hz -3dB @-600"},
        // R2 alone falls back to a bare 0.
        {1027, {"1000", "1", "1000", "0,01"},
         "1000 ohm | 1 uF | 1000 ohm | 0.01 uF | 159 Hz -3dB | 15924 Hz -3dB"},
        {1027, {"", "", "", ""}, "0.00 ohm | 0.00 uF | 0 ohm | 0.00 uF | 0 Hz -3dB | 0 Hz -3dB"},
        // R3 and C2/C3 doubled only when both inputs are positive; no defaults.
        {1035, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 2000.00 ohm | 0.2 uF | 398 Hz @226"},
        {1035, {"", ""}, "0.00 ohm | 0.00 uF | 0.00 ohm | 0.0 uF | 0 Hz @-600"},
        {1035, {"-1000", "0.1"}, "0.00 ohm | 0.1 uF | -1000.00 ohm | 0.0 uF | -796 Hz @-600"},
        {1035, {"-1000", "0"}, "0.00 ohm | 0 uF | -1000.00 ohm | 0.0 uF | -inf Hz @-600"},
        {1035, {"1e308", "1e308"}, "1e308 ohm | 1e308 uF | inf ohm | inf uF | 0 Hz @-600"},
        // Computed only when both inputs are positive, else 0.
        {1043, {"10", "4,7"}, "10 ohm | 4.7 uF | 3388 @19"},
        {1043, {"10", "0.1"}, "10 ohm | 0.1 uF | 159236 @-600"},
        {1043, {"", ""}, "0.00 ohm | 0.00 uF | 0 @-600"}, {1043, {"10", "-1"}, "10 ohm | 0.00 uF | 0 @-600"},
        // Not a number reads 0.00, inf stays.
        {1048, {"8", "1"}, "8 ohm | 1 mH | 1274 Hz @118"},
        {1048, {"", ""}, "0.00 ohm | 0.00 mH | 0.00 Hz @-600"},
        {1048, {"8", ""}, "8 ohm | 0.00 mH | inf Hz @-600"},
        // Both labels are results: no input defaults.
        {500, {"6,4", "0,5"}, "6.4 ohm | 12 uF"}, {500, {"-8", "1"}, "-8.0 ohm | 16 uF"},
        {500, {"", ""}, "0.0 ohm | 0.00 uF"}, {500, {"nan", "1"}, "0.00 ohm | 0.00 uF"},
        // f as the field holds it; L1 replaces only inf, R1 only a leading blank.
        {507, {"1000", "0.5"}, "1000 Hz | 25.33 uF | 1.00 mH | 0.5 ohm | 39/0"},
        {507, {"2500,0", "5"}, "2500.0 Hz | 6.41 uF | 0.63 mH | 5 ohm | 7/4"},
        {507, {"", ""}, " Hz | 0.00 uF | 0.00 mH |  ohm | 73/0"},
        {507, {"-1000", "-1"}, "-1000 Hz | 0.00 uF | nan mH | -1 ohm | 73/0"},
        {507, {"nan", "nan"}, "0 Hz | 0.00 uF | nan mH | nan ohm | 73/0"},
        {507, {" 50", " 5"}, " 50 Hz | 2265.58 uF | 4.47 mH | 0.00 ohm | 7/4"},
        // In range from 10 Hz to 11500 Hz; a curve while it starts left of x 600.
        {505, {"300"}, "383 Hz | 566"}, {505, {"11500"}, "10 Hz | 210"}, {505, {"10"}, "11500 Hz | 893"},
        {505, {"9.99"}, "11512 Hz | 893 | OUT OF RANGE"}, {505, {"9.07"}, "12679 Hz | 900 | OUT OF RANGE"},
        {505, {"9.06"}, " | OUT OF RANGE"}, {505, {""}, " | OUT OF RANGE"}, {505, {"nan"}, " | OUT OF RANGE"},
        // The grid 125 pixels left of the usual; only a leading 'i' reads 0.
        {506, {"300", "8"}, "383 Hz | 2.35 mH | 8 ohm @105"},
        {506, {"300", ".5"}, "383 Hz | 0.15 mH | 0.0 ohm @105"},
        {506, {"", ""}, "0 Hz | 0.00 mH | 0.0 ohm @-725"},
        {506, {"-0", "8"}, "-inf Hz | -0.00 mH | 8 ohm @-725"},
        // Coils read nan as 0.00, capacitors inf; the last checked button wins.
        {501, {"8", "6", "3000", "1"}, "0.42 mH | 8.83 uF | 3000 Hz"},
        {501, {"4", "8", "2500,5", "1"}, "0.25 mH | 7.95 uF | 2500.5 Hz"},
        {501, {"", "", "", "1"}, "0.00 mH | 0.00 uF |  Hz"},
        {501, {"8", "6", "0", "1"}, "inf mH | 0.00 uF | 0 Hz"},
        {501, {"-8", "-6", "0", "1"}, "-inf mH | -inf uF | 0 Hz"},
        {502, {"8", "6", "2700", "100"}, "0.67 mH | 5.21 uF | 6.94 uF | 0.50 mH | 2700 Hz"},
        {502, {"8", "6", "2700", "111"}, "0.94 mH | 3.69 uF | 4.91 uF | 0.71 mH | 2700 Hz"},
        {502, {"8", "6", "2700", "000"}, "0.00 mH | 0.00 uF | 0.00 uF | 0.00 mH | 2700 Hz"},
        {503, {"8", "6", "2700", "10"}, "0.71 mH | 9.82 uF | 0.24 mH | 6.55 uF | 0.27 mH | 19.65 uF | 2700 Hz"},
        {503, {"8", "6", "2700", "11"}, "0.98 mH | 8.78 uF | 0.20 mH | 4.88 uF | 0.29 mH | 24.40 uF | 2700 Hz"},
    };
    for (const auto& c : cases) {
        Strings typed = c.typed;
        bool checked[kMaxOptions] = {};
        std::size_t buttons = 0;
        if (c.id >= 501 && c.id <= 503) {
            for (char state : typed.back()) checked[buttons++] = state == '1';
            typed.pop_back();
        }
        const Shown shown = PageShows(c.id, typed, std::span<const bool>(checked, buttons));
        EXPECT_EQ(Join(shown.labels) + shown.graph, c.shown) << c.id << ": " << Join(c.typed);
    }
}

// Every page with bad input in each of its fields in turn, the others holding
// a worked value: the page draws, and its result-font texts are the labels
// above for what the fields hold.
TEST(PageLabels, BadInputInEveryFieldOfEveryPageDrawsWhatItsRulesGive) {
    const struct {
        int id;
        Strings worked;
    } pages[] = {
        {500, {"6,4", "0,5"}},      {507, {"1000", "0.5"}},         {505, {"300"}},
        {506, {"300", "8"}},        {501, {"8", "6", "3000"}},      {502, {"8", "6", "2700"}},
        {503, {"8", "6", "2700"}},  {1001, {"8", "20"}},            {1003, {"1", "1000"}},
        {1005, {"100", "100"}},     {1015, {"4.7", "2.2"}},         {1017, {"1000", "0,1"}},
        {1022, {"1000", "0,1"}},    {1027, {"1000", "1", "1000", "0,01"}},
        {1035, {"1000", "0,1"}},    {1043, {"10", "4,7"}},          {1048, {"8", "1"}},
        {1130, {"10", "25.4", "1"}},
    };
    const char* const bad[] = {"",    "-",    ".",    ",",    "1e308", "-1e308",       "1e-320",
                               "nan", "inf",  "-inf", "0x1p3", "123456789012", "å"};
    TheApp();
    for (const auto& page : pages) {
        const Screen& screen = *FindScreen(page.id)->screen;
        ASSERT_EQ(screen.fields.size(), page.worked.size()) << page.id;
        Command(WParam(page.id));
        for (std::size_t field = 0; field < page.worked.size(); ++field) {
            for (const char* text : bad) {
                Strings held = page.worked;
                held[field] = text;
                for (std::size_t i = 0; i < held.size(); ++i) {
                    FocusEditField(screen.fieldHandles[i]);
                    ProbePressKey("End");
                    for (int k = 0; k < kFieldLimit; ++k) ProbePressKey("Backspace");
                    ProbeTypeText(held[i]);
                }
                Command(WParam(page.id));
                ASSERT_EQ(g_shell.currentScreen, page.id);
                for (std::size_t i = 0; i < held.size(); ++i)
                    GetEditFieldText(screen.fieldHandles[i], held[i]);
                EXPECT_EQ(held[field], Utf8ToCp1252(text)) << page.id;
                bool checked[kMaxOptions] = {};
                for (std::size_t i = 0; i < screen.options.size(); ++i)
                    checked[i] = IsOptionChecked(screen.optionHandles[i]) == 1;
                const Strings labels =
                    PageShows(page.id, held, std::span(checked, screen.options.size())).labels;
                std::set<std::string> drawn;
                for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas))
                    if (t.font == AppFont(FontRole::Result)) drawn.insert(t.text);
                EXPECT_EQ(drawn, std::set<std::string>(labels.begin(), labels.end()))
                    << page.id << " field " << field << " holding \"" << text << "\"";
            }
        }
    }
}

// What a screen reader reads: each field the label drawn left of it, in the
// language the page was opened in; each filter-type button its text.
TEST(AccessibleNames, FieldsCarryTheirLabelInThePagesLanguageAndButtonsTheirText) {
    // Swedish and English; labels lined up with runs of blanks are read with one.
    const std::map<int, std::pair<Strings, Strings>> known = {
        {1005, {{"Motstånd A"_cp, "Motstånd B"_cp}, {"Resistance A", "Resistance B"}}},
        {1027, {{"Motstånd R 1"_cp, "Kondensator C 1", "Motstånd R 2"_cp, "Kondensator C 2"},
                {"Resistance R 1", "Capacitor C 1", "Resistance R 2", "Capacitor C 2"}}},
        {505, {{"Högtalarens bredd"_cp}, {"Speaker width"}}},
        {502, {{"Bas Imp", "Diskant Imp", "Delningsfrekvens"},
               {"Bass Imp", "Tweeter Imp", "Crossover freque."}}},
    };
    TheApp();
    // The pages were named in Swedish when made; opening them again renames them.
    for (int language : {2102, 2101}) {
        Command(language);
        for (const ScreenEntry& entry : AllScreens()) {
            Command(WParam(entry.id));
            Strings names;
            for (const ProbeField& f : ProbeEditFields())
                if (f.visible) names.push_back(ProbeAccessibleName(f.handle));
            EXPECT_EQ(names.size(), entry.screen->fields.size()) << entry.id;
            for (const std::string& name : names)
                EXPECT_FALSE(name.empty() || name.front() == ' ' || name.back() == ' ')
                    << entry.id << " in language " << language << ": \"" << name << "\"";
            if (auto k = known.find(entry.id); k != known.end()) {
                EXPECT_EQ(names, language == 2101 ? k->second.first : k->second.second) << entry.id;
            }
            for (const ProbeButton& b : ProbeButtons())
                EXPECT_EQ(b.visible ? ProbeAccessibleName(b.handle) : b.text, b.text) << entry.id;
        }
    }
}

TEST(AirCoil, WheelerRootForTheWorkedCoil) {
    const AirCoilWinding coil = WindAirCoil(10, 25.4, 1);
    EXPECT_NEAR(coil.turns, 23.43, 0.005);
    EXPECT_NEAR(coil.length, 28.12, 0.005);
    // The root solves Di^2 N^2 - 40 di L N - 18 Di L = 0 (inches).
    const double Di = 30 / 25.4, di = 0.8 / 25.4, L = 1000, N = WindAirCoil(L, 30, 0.8).turns;
    EXPECT_NEAR(Di * Di * N * N - 40 * di * L * N - 18 * Di * L, 0.0, 1e-6);
    EXPECT_TRUE(std::isnan(WindAirCoil(-1, 25.4, 1).turns));   // negative discriminant
}

TEST(NotchFilter, DepthAtAndJustBelowEveryThresholdAndWidthForEveryDepth) {
    // R1 in ohm at which the dip gets one pixel shallower, ascending: the depth
    // is the number of thresholds above R1.
    const double thresholds[] = {
        0.0006, 0.0007, 0.0008, 0.0009, 0.001, 0.002, 0.004, 0.006, 0.008, 0.02, 0.04, 0.06, 0.08,
        0.1,  0.12, 0.14, 0.16, 0.18, 0.20, 0.22, 0.24, 0.26, 0.28, 0.30, 0.32, 0.34, 0.36, 0.38,
        0.40, 0.42, 0.44, 0.46, 0.48, 0.50, 0.52, 0.54, 0.56, 0.58, 0.60, 0.62, 0.64, 0.66, 0.68,
        0.70, 0.73, 0.76, 0.79, 0.8,  0.9,  1.0,  1.3,  1.4,  1.5,  1.6,  1.7,  1.8,  1.9,  2.0,
        2.3,  2.6,  2.9,  3.0,  3.2,  3.5,  4.0,  5.0,  6.0,  7.0,  10.0, 12.0, 17.0, 19.0, 30.0};
    ASSERT_EQ(std::size(thresholds), 73u);
    for (int i = 0; i < 73; ++i) {
        EXPECT_EQ(NotchDepth(thresholds[i]), 72 - i) << thresholds[i];
        EXPECT_EQ(NotchDepth(std::nextafter(thresholds[i], 0.0)), 73 - i) << thresholds[i];
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (double r1 : {0.0, -1.0, -inf, std::nan("")}) EXPECT_EQ(NotchDepth(r1), 73) << r1;
    EXPECT_EQ(NotchDepth(inf), 0);
    // The flanks spread 32 pixels up to depth 4, then 16, 8, 4, 2, and not at
    // all from depth 9.
    const int spread[] = {32, 32, 32, 32, 32, 16, 8, 4, 2};
    for (int depth = 0; depth <= 73; ++depth)
        EXPECT_EQ(NotchWidth(depth), depth < 9 ? spread[depth] : 0) << depth;
}

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
        for (std::size_t p = 0; p < c.prototype.size(); ++p)
            EXPECT_NEAR(Prototype(c.network, c.alignment, int(p)) / c.prototype[p], 1.0,
                        c.tolerance)
                << c.prototype.size() << " parts, alignment " << c.alignment << ", part " << p;
    }
}

}  // namespace
