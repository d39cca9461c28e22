// What every calculator page shows for what a user types: the value labels
// (and what places the graph) as pure functions, with inputs that show every
// digit of each page's constants, and on the running page for bad input in
// each field; the names screen readers get; the depth table of the notch
// filter.

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
#include "toolkit/testing/utf8.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace tk;

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
        case 500: {
            const auto l = ConjugateLinkPage(in);
            return {{l.r1, l.c1}};
        }
        case 501:
        case 502:
        case 503: {
            const CrossoverNetwork& network = id == 501   ? kCrossover6dB
                                              : id == 502 ? kCrossover12dB
                                                          : kCrossover18dB;
            auto l = CrossoverPageLabels(network, in, checked);
            l.components.push_back(l.frequency);
            return {l.components};
        }
        case 505: {  // the frequency only where the curve is drawn
            const BaffleStepView v = BaffleStepPage(in);
            return {v.curve ? Strings{v.frequency} : Strings{},
                    (v.curve ? " | " + std::to_string(v.x0 + 301) : "") +
                        (v.outOfRange ? " | OUT OF RANGE" : "")};
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
        case 1005: {
            const auto l = ResistorsParallelPage(in);
            return {{l.a, l.b, l.total}};
        }
        case 1015: {
            const auto l = CapacitorsSeriesPage(in);
            return {{l.a, l.b, l.total}};
        }
        case 1017:
        case 1022: {
            const auto l = RcFilterPage(in);
            return {{l.r, l.c, l.corner}, At(l.graphOffset)};
        }
        case 1027: {
            const auto l = RcBandPassPage(in);
            return {{l.r1, l.c1, l.r2, l.c2, l.highPass, l.lowPass}};
        }
        case 1035: {
            const auto l = RcNotchPage(in);
            return {{l.r, l.c, l.r3, l.c23, l.f}, At(l.graphOffset)};
        }
        case 1043: {
            const auto l = RcZobelPage(in);
            return {{l.r, l.c, l.f}, At(l.graphOffset)};
        }
        case 1048: {
            const auto l = ThielePage(in);
            return {{l.r, l.l, l.f}, At(l.graphOffset)};
        }
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
// fourth text holds the button states ('1' checked). Each page: its worked
// values, its rules for empty, zero, negative and not-a-number input, then
// inputs whose results show every digit of the page's constants.
TEST(PageLabels, WorkedValuesFailureRulesAndConstantsOfEachPage) {
    const struct {
        int id;
        Strings typed;
        const char* shown;
    } cases[] = {
        // A x B / (A + B); B alone falls back to three decimals. Below '0' (empty,
        // blank, point, sign, a byte of 128 or more) reads the default; ',' is
        // read as '.' among the first eleven characters only.
        {1005, {"100", "100"}, "100 ohm | 100 ohm | 50.00 ohm"},
        {1005, {"4,7", "2,2"}, "4.7 ohm | 2.2 ohm | 1.50 ohm"},
        {1005, {"10", "-5"}, "10 ohm | 0.000 ohm | -10.00 ohm"},
        {1005, {"5", "-5"}, "5 ohm | 0.000 ohm | -inf ohm"},
        {1005, {"", ""}, "0.00 ohm | 0.000 ohm | 0.00 ohm"},
        {1005, {" 5", ".5"}, "0.00 ohm | 0.000 ohm | 0.45 ohm"},
        {1005, {"12abc", "+12"}, "12abc ohm | 0.000 ohm | 6.00 ohm"},
        {1005,
         {"1234567890,5", "12345678901,"},
         "1234567890.5 ohm | 12345678901, ohm | 1122334445.88 ohm"},
        // 1 / (1/A + 1/B): a zero gives 0, opposite values infinity.
        {1015, {"4.7", "2.2"}, "4.7 uF | 2.2 uF | 1.50 uF"},
        {1015, {"10", "10"}, "10 uF | 10 uF | 5.00 uF"},
        {1015, {"0", "4.7"}, "0 uF | 4.7 uF | 0.00 uF"},
        {1015, {"", ""}, "0.00 uF | 0.00 uF | 0.00 uF"},
        {1015, {"5", "-5"}, "5 uF | 0.00 uF | inf uF"},
        {1015, {"nan", "1"}, "nan uF | 1 uF | 0.00 uF"},
        {1015,
         {"\xE5"
          "1",
          "1"},
         "0.00 uF | 1 uF | 0.00 uF"},
        // V^2 / R and V / R: three decimals while P < 10 (negative P too), else
        // none and one. The voltage is shown as typed.
        {1001, {"8", "20"}, "50 Watt | 8 ohm | 2.5 Ampere | 20 Volt"},
        {1001, {"8", "2"}, "0.500 Watt | 8 ohm | 0.250 Ampere | 2 Volt"},
        {1001, {"4", "6.32"}, "9.986 Watt | 4 ohm | 1.580 Ampere | 6.32 Volt"},
        {1001, {"10", "9.9999"}, "10.000 Watt | 10 ohm | 1.000 Ampere | 9.9999 Volt"},
        {1001, {"10", "10"}, "10 Watt | 10 ohm | 1.0 Ampere | 10 Volt"},
        {1001, {"-8", "20"}, "-50.000 Watt | 0.00 ohm | -2.500 Ampere | 20 Volt"},
        {1001, {"8,0", "2,5"}, "0.781 Watt | 8.0 ohm | 0.313 Ampere | 2,5 Volt"},
        {1001, {"0", "5"}, "inf Watt | 0 ohm | inf Ampere | 5 Volt"},
        {1001, {"", ""}, "0.00 Watt | 0.00 ohm | 0.00 Ampere | 0.00 Volt"},
        // 0.785 D^2, and L/1000 x 0.018 over it; the length shown as typed.
        {1003, {"1", "1000"}, "1 mm | 0.785 mm2 | 1000 mm | 0.023 ohm"},
        {1003, {"0.5", "10000"}, "0.5 mm | 0.196 mm2 | 10000 mm | 0.917 ohm"},
        {1003, {"2.5", "5000"}, "2.5 mm | 4.906 mm2 | 5000 mm | 0.018 ohm"},
        {1003, {"0,5", "1000,5"}, "0.5 mm | 0.196 mm2 | 1000,5 mm | 0.092 ohm"},
        {1003, {"1", "785000000"}, "1 mm | 0.785 mm2 | 785000000 mm | 18000.000 ohm"},
        {1003, {"", ""}, "0.00 mm | 0.000 mm2 | 0.00 mm | 0.000 ohm"},
        {1003, {"0", "1000"}, "0 mm | 0.000 mm2 | 1000 mm | inf ohm"},
        {1003, {"1", "0"}, "1 mm | 0.785 mm2 | 0 mm | 0.000 ohm"},
        {1003, {"nan", "1000"}, "nan mm | nan mm2 | 1000 mm | 0.000 ohm"},
        // Wheeler, close wound: N from L (uH) and the diameters in inches (mm /
        // 25.4); the length at 1.2 wire diameters a turn.
        {1130, {"10", "25.4", "1"}, "10 uH | 25.4 mm | 1 mm | 23 Varv | 28 mm"},
        {1130, {"100", "50", "1"}, "100 uH | 50 mm | 1 mm | 57 Varv | 68 mm"},
        {1130, {"250", "20", "0.5"}, "250 uH | 20 mm | 0.5 mm | 335 Varv | 201 mm"},
        {1130, {"1000", "30", "0,8"}, "1000 uH | 30 mm | 0.8 mm | 920 Varv | 883 mm"},
        {1130, {"10", "25.4", "0"}, "10 uH | 25.4 mm | 0 mm | 13 Varv | 0 mm"},  // sqrt(18 x 10)
        {1130, {"", "", ""}, "0.00 uH | 0.00 mm | 0.00 mm | 0.00 Varv | 0.00 mm"},
        {1130, {"10", "", ""}, "10 uH | 0.00 mm | 0.00 mm | 0.00 Varv | 0.00 mm"},
        {1130, {"10", "0", "1"}, "10 uH | 0 mm | 1 mm | inf Varv | inf mm"},
        {1130, {"0", "25.4", "1"}, "0 uH | 25.4 mm | 1 mm | 0 Varv | 0 mm"},
        {1130, {"-10", "25.4", "1"}, "0.00 uH | 25.4 mm | 1 mm | 0.00 Varv | 0.00 mm"},
        // Both diameters one inch: N = 20 L + sqrt(400 L^2 + 18 L) = 40 L + 0.45,
        // 30.48 mm a turn; a bare wire: N = sqrt(18 L).
        {1130,
         {"1e6", "25.4", "25.4"},
         "1e6 uH | 25.4 mm | 25.4 mm | 40000000 Varv | 1219200014 mm"},
        {1130, {"1e10", "25.4", "0"}, "1e10 uH | 25.4 mm | 0 mm | 424264 Varv | 0 mm"},
        // 1 / (R x 6.28 x C / 1000000); only "inf" reads 0, graphed at 0.
        {1017, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 1592 Hz -3dB @96"},
        {1022, {"1000", "0.1"}, "1000 ohm | 0.1 uF | 1592 Hz -3dB @96"},
        {1017, {"10000", "1"}, "10000 ohm | 1 uF | 16 Hz -3dB @545"},
        {1022, {"4700", "0.047"}, "4700 ohm | 0.047 uF | 721 Hz -3dB @170"},
        {1017, {"1", "1"}, "1 ohm | 1 uF | 159236 Hz -3dB @-600"},
        {1017, {"", "abc"}, "0.00 ohm | abc uF | 0 Hz -3dB @-600"},
        {1017, {" 1000", "0.1"}, "0.00 ohm | 0.1 uF | 1592 Hz -3dB @96"},
        {1017, {"-1000", "0.1"}, "0.00 ohm | 0.1 uF | -1592 Hz -3dB @-600"},
        {1022, {"-1000", "-0.1"}, "0.00 ohm | 0.00 uF | 1592 Hz -3dB @96"},
        {1017, {"0", "-1"}, "0 ohm | 0.00 uF | -inf Hz -3dB @-600"},
        {1022, {"nan", "1"}, "nan ohm | 1 uF | nan Hz -3dB @-600"},
        // Two such corners; R2 alone falls back to a bare 0.
        {1027,
         {"1000", "1", "1000", "0,01"},
         "1000 ohm | 1 uF | 1000 ohm | 0.01 uF | 159 Hz -3dB | 15924 Hz -3dB"},
        {1027,
         {"1", "1", "1", "1"},
         "1 ohm | 1 uF | 1 ohm | 1 uF | 159236 Hz -3dB | 159236 Hz -3dB"},
        {1027, {"", "", "", ""}, "0.00 ohm | 0.00 uF | 0 ohm | 0.00 uF | 0 Hz -3dB | 0 Hz -3dB"},
        {1027,
         {"-1000", "1", "0", "-1"},
         "0.00 ohm | 1 uF | 0 ohm | 0.00 uF | -159 Hz -3dB | -inf Hz -3dB"},
        {1027,
         {"1000", "1", "nan", "1"},
         "1000 ohm | 1 uF | nan ohm | 1 uF | 159 Hz -3dB | nan Hz -3dB"},
        // R3 = 2R and C2 = C3 = 2C only when R > 0 and C > 0; 1 / (R3 x 12.56 x C
        // / 1000000); the derived values have no defaults.
        {1035, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 2000.00 ohm | 0.2 uF | 398 Hz @226"},
        {1035, {"1000", "0.047"}, "1000 ohm | 0.047 uF | 2000.00 ohm | 0.1 uF | 847 Hz @152"},
        {1035, {"10000", "0.01"}, "10000 ohm | 0.01 uF | 20000.00 ohm | 0.0 uF | 398 Hz @226"},
        {1035, {"1", "1"}, "1 ohm | 1 uF | 2.00 ohm | 2.0 uF | 39809 Hz @-600"},
        {1035, {"", ""}, "0.00 ohm | 0.00 uF | 0.00 ohm | 0.0 uF | 0 Hz @-600"},
        {1035, {"0", "0.1"}, "0 ohm | 0.1 uF | 0.00 ohm | 0.0 uF | 0 Hz @-600"},
        {1035, {"4.9e-324", "0.1"}, "4.9e-324 ohm | 0.1 uF | 0.00 ohm | 0.2 uF | 0 Hz @-600"},
        {1035, {"1000", "0"}, "1000 ohm | 0 uF | 1000.00 ohm | 0.0 uF | 0 Hz @-600"},
        {1035, {"1000", "4.9e-324"}, "1000 ohm | 4.9e-324 uF | 2000.00 ohm | 0.0 uF | 0 Hz @-600"},
        {1035, {"-1000", "0.1"}, "0.00 ohm | 0.1 uF | -1000.00 ohm | 0.0 uF | -796 Hz @-600"},
        {1035, {"-1000", "-0.1"}, "0.00 ohm | 0.00 uF | -1000.00 ohm | 0.0 uF | 796 Hz @160"},
        {1035, {"-1000", "0"}, "0.00 ohm | 0 uF | -1000.00 ohm | 0.0 uF | -inf Hz @-600"},
        {1035, {"nan", "1"}, "nan ohm | 1 uF | nan ohm | 0.0 uF | nan Hz @-600"},
        {1035, {"1e308", "1e308"}, "1e308 ohm | 1e308 uF | inf ohm | inf uF | 0 Hz @-600"},
        // 1 / (R x 6.28 x C / 1000000) only when R > 0 and C > 0, else 0; no unit.
        {1043, {"10", "1"}, "10 ohm | 1 uF | 15924 @-126"},
        {1043, {"10", "4,7"}, "10 ohm | 4.7 uF | 3388 @19"},
        {1043, {"10", "0.1"}, "10 ohm | 0.1 uF | 159236 @-600"},
        {1043, {"", ""}, "0.00 ohm | 0.00 uF | 0 @-600"},
        {1043, {"10", "-1"}, "10 ohm | 0.00 uF | 0 @-600"},
        {1043, {"-10", "-1"}, "0.00 ohm | 0.00 uF | 0 @-600"},
        {1043, {"nan", "1"}, "nan ohm | 1 uF | 0 @-600"},
        {1043, {"0", "1"}, "0 ohm | 1 uF | 0 @-600"},
        {1043, {"4.9e-324", "1"}, "4.9e-324 ohm | 1 uF | inf @-600"},
        {1043, {"10", "0"}, "10 ohm | 0 uF | 0 @-600"},
        {1043, {"10", "4.9e-324"}, "10 ohm | 4.9e-324 uF | inf @-600"},
        // R / (L / 1000 x 6.28); not a number reads 0.00, inf stays.
        {1048, {"8", "1"}, "8 ohm | 1 mH | 1274 Hz @118"},
        {1048, {"10", "0,5"}, "10 ohm | 0.5 mH | 3185 Hz @25"},
        {1048, {"10", "0.001"}, "10 ohm | 0.001 mH | 1592357 Hz @-600"},
        {1048, {"", ""}, "0.00 ohm | 0.00 mH | 0.00 Hz @-600"},
        {1048, {"8", ""}, "8 ohm | 0.00 mH | inf Hz @-600"},
        {1048, {"-8", "0"}, "0.00 ohm | 0 mH | -inf Hz @-600"},
        {1048, {"0", "1"}, "0 ohm | 1 mH | 0 Hz @-600"},
        {1048, {"8", "-1"}, "8 ohm | 0.00 mH | -1274 Hz @-600"},
        // R1 = Re, one decimal; C1 = Le x 1000 / Re^2. Both labels are results.
        {500, {"6,4", "0,5"}, "6.4 ohm | 12 uF"},
        {500, {"8", "1"}, "8.0 ohm | 16 uF"},
        {500, {"4", "0.25"}, "4.0 ohm | 16 uF"},
        {500, {"1", "1"}, "1.0 ohm | 1000 uF"},
        {500, {"", ""}, "0.0 ohm | 0.00 uF"},
        {500, {"0", "1"}, "0.0 ohm | inf uF"},
        {500, {"", "-1"}, "0.0 ohm | -inf uF"},
        {500, {"-8", "1"}, "-8.0 ohm | 16 uF"},
        {500, {"nan", "1"}, "0.00 ohm | 0.00 uF"},
        // L1 = sqrt(1000 / f), C1 = 25330000 / (f^2 L1); f as typed, "nan" read
        // 0; L1 replaces only inf, R1 only a leading blank; then depth/width.
        {507, {"1000", "0.5"}, "1000 Hz | 25.33 uF | 1.00 mH | 0.5 ohm | 39/0"},
        {507, {"2500,0", "5"}, "2500.0 Hz | 6.41 uF | 0.63 mH | 5 ohm | 7/4"},
        {507, {"3000", "40"}, "3000 Hz | 4.87 uF | 0.58 mH | 40 ohm | 0/32"},
        {507, {"1300", "3.5"}, "1300 Hz | 17.09 uF | 0.88 mH | 3.5 ohm | 9/0"},
        {507, {"50", "4"}, "50 Hz | 2265.58 uF | 4.47 mH | 4 ohm | 8/2"},
        {507, {"0.001", "19"}, "0.001 Hz | 25330000000.00 uF | 1000.00 mH | 19 ohm | 1/32"},
        {507, {"", ""}, " Hz | 0.00 uF | 0.00 mH |  ohm | 73/0"},
        {507, {"-1000", "-1"}, "-1000 Hz | 0.00 uF | nan mH | -1 ohm | 73/0"},
        {507, {"nan", "nan"}, "0 Hz | 0.00 uF | nan mH | nan ohm | 73/0"},
        {507, {"abc", " 5"}, "abc Hz | 0.00 uF | 0.00 mH | 0.00 ohm | 7/4"},
        // 115 / (W / 1000); the curve, its marker x and the frequency only while
        // the curve starts left of x 600; the message outside 10 to 11500 Hz.
        {505, {"300"}, "383 Hz | 566"},
        {505, {"250"}, "460 Hz | 583"},
        {505, {"115"}, "1000 Hz | 659"},
        {505, {"20"}, "5750 Hz | 830"},
        {505, {"287,5"}, "400 Hz | 571"},
        {505, {"11500"}, "10 Hz | 210"},
        {505, {"10"}, "11500 Hz | 893"},
        {505, {"9.9999"}, "11500 Hz | 893 | OUT OF RANGE"},  // 11500.1 Hz
        {505, {"9.99"}, "11512 Hz | 893 | OUT OF RANGE"},
        {505, {"9.07"}, "12679 Hz | 900 | OUT OF RANGE"},
        {505, {"9.06"}, " | OUT OF RANGE"},
        {505, {"11501"}, " | OUT OF RANGE"},
        {505, {""}, " | OUT OF RANGE"},
        {505, {"-300"}, " | OUT OF RANGE"},
        {505, {"nan"}, " | OUT OF RANGE"},
        // The same step and W / 1000 x Z / 1.021; the grid 125 pixels left of the
        // usual; only a leading 'i' reads 0.
        {506, {"300", "8"}, "383 Hz | 2.35 mH | 8 ohm @105"},
        {506, {"250", "4"}, "460 Hz | 0.98 mH | 4 ohm @88"},
        {506, {"1000", "1021"}, "115 Hz | 1000.00 mH | 1021 ohm @227"},
        {506, {"1", "8"}, "115000 Hz | 0.01 mH | 8 ohm @-725"},
        {506, {"300", "6,5"}, "383 Hz | 1.91 mH | 6.5 ohm @105"},
        {506, {"300", ".5"}, "383 Hz | 0.15 mH | 0.0 ohm @105"},
        {506, {"300", "-8"}, "383 Hz | -2.35 mH | 0.0 ohm @105"},
        {506, {"300", "abc"}, "383 Hz | 0.00 mH | abc ohm @105"},
        {506, {"300", ""}, "383 Hz | 0.00 mH | 0.0 ohm @105"},
        {506, {"", "8"}, "0 Hz | 0.00 mH | 8 ohm @-725"},
        {506, {"-0", "8"}, "-inf Hz | -0.00 mH | 8 ohm @-725"},
        {506, {"nan", "8"}, "nan Hz | nan mH | 8 ohm @-725"},
        // Zb / (f x 6.28) x 1000 and 0.159 / (Zt x f) x 1000000; coils read nan
        // as 0.00, capacitors inf; the frequency as typed.
        {501, {"8", "6", "3000", "1"}, "0.42 mH | 8.83 uF | 3000 Hz"},
        {501, {"4", "8", "2000", "1"}, "0.32 mH | 9.94 uF | 2000 Hz"},
        {501, {"4", "8", "2500,5", "1"}, "0.25 mH | 7.95 uF | 2500.5 Hz"},
        {501, {"1", "1", "1", "1"}, "159.24 mH | 159000.00 uF | 1 Hz"},
        {501, {"-8", "-6", "3000", "1"}, "-0.42 mH | -8.83 uF | 3000 Hz"},
        {501, {"", "", "", "1"}, "0.00 mH | 0.00 uF |  Hz"},
        {501, {"8", "6", "0", "1"}, "inf mH | 0.00 uF | 0 Hz"},
        {501, {"-8", "-6", "0", "1"}, "-inf mH | -inf uF | 0 Hz"},
        {501, {"8", "nan", "0", "1"}, "inf mH | nan uF | 0 Hz"},
        {501, {"8", "6", "3000", "0"}, "0.00 mH | 0.00 uF | 3000 Hz"},
        // L1, C1, C2, L2: Z x kL x 1000 / f and kC / (Z x f) x 1000000 with (kL,
        // kC) 0.2251, 0.1125 / 0.2756, 0.0912 / 0.3183, 0.0796 by button; the
        // last checked one wins. Z = f = 1 shows k x 1000 and k x 1000000.
        {502, {"8", "6", "2700", "100"}, "0.67 mH | 5.21 uF | 6.94 uF | 0.50 mH | 2700 Hz"},
        {502, {"8", "6", "2700", "110"}, "0.82 mH | 4.22 uF | 5.63 uF | 0.61 mH | 2700 Hz"},
        {502, {"8", "6", "2700", "111"}, "0.94 mH | 3.69 uF | 4.91 uF | 0.71 mH | 2700 Hz"},
        {502, {"1", "1", "1", "100"}, "225.10 mH | 112500.00 uF | 112500.00 uF | 225.10 mH | 1 Hz"},
        {502, {"1", "1", "1", "010"}, "275.60 mH | 91200.00 uF | 91200.00 uF | 275.60 mH | 1 Hz"},
        {502, {"1", "1", "1", "001"}, "318.30 mH | 79600.00 uF | 79600.00 uF | 318.30 mH | 1 Hz"},
        {502, {"", "", "", "100"}, "0.00 mH | 0.00 uF | 0.00 uF | 0.00 mH |  Hz"},
        {502, {"8", "6", "0", "100"}, "inf mH | 0.00 uF | 0.00 uF | inf mH | 0 Hz"},
        {502, {"0", "6", "2700", "100"}, "0.00 mH | 0.00 uF | 6.94 uF | 0.50 mH | 2700 Hz"},
        {502, {"8", "6", "2700", "000"}, "0.00 mH | 0.00 uF | 0.00 uF | 0.00 mH | 2700 Hz"},
        // L1, C1, L2, C2, L3, C3, one coefficient each by button.
        {503,
         {"8", "6", "2700", "10"},
         "0.71 mH | 9.82 uF | 0.24 mH | 6.55 uF | 0.27 mH | 19.65 uF | 2700 Hz"},
        {503,
         {"8", "6", "2700", "11"},
         "0.98 mH | 8.78 uF | 0.20 mH | 4.88 uF | 0.29 mH | 24.40 uF | 2700 Hz"},
        {503,
         {"1", "1", "1", "10"},
         "238.70 mH | 212200.00 uF | 79.60 mH | 106100.00 uF | 119.40 mH | 318300.00 uF | 1 Hz"},
        {503,
         {"1", "1", "1", "01"},
         "329.40 mH | 189700.00 uF | 65.92 mH | 79110.00 uF | 131.70 mH | 395300.00 uF | 1 Hz"},
        {503,
         {"", "", "", "10"},
         "0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF |  Hz"},
        {503,
         {"8", "-6", "0", "10"},
         "inf mH | 0.00 uF | inf mH | -inf uF | -inf mH | -inf uF | 0 Hz"},
        {503,
         {"8", "0", "2700", "10"},
         "0.71 mH | 9.82 uF | 0.24 mH | 0.00 uF | 0.00 mH | 0.00 uF | 2700 Hz"},
        {503,
         {"8", "6", "2700", "00"},
         "0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF | 0.00 mH | 0.00 uF | 2700 Hz"},
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

// The values behind the labels to the digits the worked examples give them.
TEST(PageValues, WorkedValuesBeforeRounding) {
    const bool butterworth[] = {true};
    const std::vector<double> first = CrossoverValues(kCrossover6dB, butterworth, 8, 6, 3000);
    const std::vector<double> second = CrossoverValues(kCrossover6dB, butterworth, 4, 8, 2000);
    const struct {
        double value, worked, within;
    } cases[] = {{RcCornerFrequency(1000, 0.1), 1592.36, 0.005},
                 {RcCornerFrequency(1000, 1), 159.24, 0.005},
                 {RcCornerFrequency(1000, 0.01), 15923.57, 0.005},
                 {TwinTNotch(1000, 0.1).f, 398.09, 0.005},
                 {ZobelFrequency(10, 1), 15923.57, 0.005},
                 {ThieleFrequency(8, 1), 1273.89, 0.005},
                 {WindAirCoil(10, 25.4, 1).turns, 23.43, 0.005},
                 {WindAirCoil(10, 25.4, 1).length, 28.12, 0.005},
                 {ConjugateCapacitance(6.4, 0.5), 12.2, 0.05},
                 {BaffleStepFrequency(300), 383.33, 0.005},
                 {first[0], 0.4246, 0.00005},
                 {first[1], 8.833, 0.0005},
                 {second[0], 0.3185, 0.00005},
                 {second[1], 9.9375, 0.00005}};
    for (const auto& c : cases) EXPECT_NEAR(c.value, c.worked, c.within) << c.worked;
}

// Every page with bad input in each of its fields in turn, the others holding
// a worked value: the page draws, and its result-font texts are the labels
// above for what the fields hold.
TEST(PageLabels, BadInputInEveryFieldOfEveryPageDrawsWhatItsRulesGive) {
    const struct {
        int id;
        Strings worked;
    } pages[] = {
        {500, {"6,4", "0,5"}},
        {507, {"1000", "0.5"}},
        {505, {"300"}},
        {506, {"300", "8"}},
        {501, {"8", "6", "3000"}},
        {502, {"8", "6", "2700"}},
        {503, {"8", "6", "2700"}},
        {1001, {"8", "20"}},
        {1003, {"1", "1000"}},
        {1005, {"100", "100"}},
        {1015, {"4.7", "2.2"}},
        {1017, {"1000", "0,1"}},
        {1022, {"1000", "0,1"}},
        {1027, {"1000", "1", "1000", "0,01"}},
        {1035, {"1000", "0,1"}},
        {1043, {"10", "4,7"}},
        {1048, {"8", "1"}},
        {1130, {"10", "25.4", "1"}},
    };
    const char* const bad[] = {"",    "-",   ".",    ",",     "1e308",        "-1e308", "1e-320",
                               "nan", "inf", "-inf", "0x1p3", "123456789012", "å"};
    TheApp();
    for (const auto& page : pages) {
        const Screen& screen = *FindScreen(page.id);
        ASSERT_EQ(screen.fields.size(), page.worked.size()) << page.id;
        Command(WParam(page.id));
        for (std::size_t field = 0; field < page.worked.size(); ++field) {
            for (const char* text : bad) {
                Strings held = page.worked;
                held[field] = text;
                for (std::size_t i = 0; i < held.size(); ++i) {
                    FocusEditField(ControlsOf(screen).fields[i]);
                    ProbePressKey("End");
                    for (int k = 0; k < kFieldLimit; ++k) ProbePressKey("Backspace");
                    ProbeTypeText(held[i]);
                }
                Command(WParam(page.id));
                ASSERT_EQ(g_shell.currentScreen, page.id);
                for (std::size_t i = 0; i < held.size(); ++i)
                    GetEditFieldText(ControlsOf(screen).fields[i], held[i]);
                EXPECT_EQ(held[field], Utf8ToCp1252(text)) << page.id;
                bool checked[kMaxOptions] = {};
                for (std::size_t i = 0; i < screen.options.size(); ++i)
                    checked[i] = IsOptionChecked(ControlsOf(screen).options[i]) == 1;
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
#ifdef _WIN32
    GTEST_SKIP() << "the toolkit over the Windows API gives the fields no names of its own yet";
#endif
    // Swedish and English; labels lined up with runs of blanks are read with one.
    const std::map<int, std::pair<Strings, Strings>> known = {
        {1005, {{"Motstånd A"_cp, "Motstånd B"_cp}, {"Resistance A", "Resistance B"}}},
        {1027,
         {{"Motstånd R 1"_cp, "Kondensator C 1", "Motstånd R 2"_cp, "Kondensator C 2"},
          {"Resistance R 1", "Capacitor C 1", "Resistance R 2", "Capacitor C 2"}}},
        {505, {{"Högtalarens bredd"_cp}, {"Speaker width"}}},
        {502,
         {{"Bas Imp", "Diskant Imp", "Delningsfrekvens"},
          {"Bass Imp", "Tweeter Imp", "Crossover freque."}}},
    };
    TheApp();
    // The pages were named in Swedish when made; opening them again renames them.
    for (int language : {2102, 2101}) {
        Command(language);
        for (const Screen* entry : AllScreens()) {
            Command(WParam(entry->id));
            Strings names;
            for (const ProbeField& f : ProbeEditFields())
                if (f.visible) names.push_back(ProbeAccessibleName(f.handle));
            EXPECT_EQ(names.size(), entry->fields.size()) << entry->id;
            for (const std::string& name : names)
                EXPECT_FALSE(name.empty() || name.front() == ' ' || name.back() == ' ')
                    << entry->id << " in language " << language << ": \"" << name << "\"";
            if (auto k = known.find(entry->id); k != known.end()) {
                EXPECT_EQ(names, language == 2101 ? k->second.first : k->second.second)
                    << entry->id;
            }
            for (const ProbeButton& b : ProbeButtons())
                EXPECT_EQ(b.visible ? ProbeAccessibleName(b.handle) : b.text, b.text) << entry->id;
        }
    }
}

TEST(NotchFilter, DepthAtAndJustBelowEveryThresholdAndWidthForEveryDepth) {
    // R1 in ohm at which the dip gets one pixel shallower, ascending: the depth
    // is the number of thresholds above R1.
    const double thresholds[] = {
        0.0006, 0.0007, 0.0008, 0.0009, 0.001, 0.002, 0.004, 0.006, 0.008, 0.02, 0.04, 0.06, 0.08,
        0.1,    0.12,   0.14,   0.16,   0.18,  0.20,  0.22,  0.24,  0.26,  0.28, 0.30, 0.32, 0.34,
        0.36,   0.38,   0.40,   0.42,   0.44,  0.46,  0.48,  0.50,  0.52,  0.54, 0.56, 0.58, 0.60,
        0.62,   0.64,   0.66,   0.68,   0.70,  0.73,  0.76,  0.79,  0.8,   0.9,  1.0,  1.3,  1.4,
        1.5,    1.6,    1.7,    1.8,    1.9,   2.0,   2.3,   2.6,   2.9,   3.0,  3.2,  3.5,  4.0,
        5.0,    6.0,    7.0,    10.0,   12.0,  17.0,  19.0,  30.0};
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

}  // namespace
