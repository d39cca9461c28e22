// What every calculator page shows for what a user types: the value labels
// (and graph offsets) as pure functions, the depth table of the notch filter,
// the air-coil root and the crossover coefficients against their prototypes.

#include "page_labels.h"

#include "calc/loudspeaker/crossover_12db.h"
#include "calc/loudspeaker/crossover_18db.h"
#include "calc/loudspeaker/crossover_6db.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

FieldInputs In(const Strings& typed) { return InputsFromTexts(typed); }

std::string Join(const Strings& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i > 0 ? " | " : "") + parts[i];
    return joined;
}
std::string At(double offset) { return " @" + std::to_string(static_cast<int>(offset)); }

// The labels of a page joined by " | ", then the graph offset, if any, after '@'.
template <typename Labels>
std::string Of(const Labels& l) { return Join(ValueLabels(l)); }
std::string Of(const RcFilterLabels& l) { return Join(ValueLabels(l)) + At(l.graphOffset); }
std::string Of(const RcNotchLabels& l) { return Join(ValueLabels(l)) + At(l.graphOffset); }
std::string Of(const RcZobelLabels& l) { return Join(ValueLabels(l)) + At(l.graphOffset); }
std::string Of(const ThieleLabels& l) { return Join(ValueLabels(l)) + At(l.graphOffset); }
std::string Of(const NotchFilterLabels& l) {   // then depth / width of the dip
    return Join(ValueLabels(l)) + " | " + std::to_string(l.depth) + "/" + std::to_string(l.width);
}
std::string Of(const BaffleStepView& v) {   // then the marker x when a curve is drawn
    return v.frequency + (v.curve ? " | " + std::to_string(v.x0 + 301) : "") +
           (v.outOfRange ? " | OUT OF RANGE" : "");
}
std::string Of(const BaffleStepCompensationLabels& l) {
    return Join(ValueLabels(l)) + At(l.graphOffset);
}

using Shown = std::string (*)(const Strings&);
template <auto Page>
std::string Show(const Strings& t) { return Of(Page(In(t))); }
// The second text also as the field holds it, typed.
template <auto Page>
std::string ShowTyped(const Strings& t) { return Of(Page(In(t), t[1])); }
// A crossover page for Zb, Zt, f and the button states ('1' checked) as the fourth text.
template <CrossoverLabels (*Page)(const FieldInputs&, std::span<const bool>)>
std::string Crossover(const Strings& t) {
    bool states[kMaxOptions] = {};
    for (std::size_t i = 0; i < t[3].size(); ++i) states[i] = t[3][i] == '1';
    return Of(Page(In(t), std::span<const bool>(states, t[3].size())));
}

const Shown kParallel = Show<ResistorsParallelPage>, kSeries = Show<CapacitorsSeriesPage>,
            kAmplifier = ShowTyped<AmplifierPowerPage>, kWire = ShowTyped<WireResistancePage>,
            kAirCoil = Show<AirCoilPage>, kRcFilter = Show<RcFilterPage>,
            kBandPass = Show<RcBandPassPage>, kRcNotch = Show<RcNotchPage>,
            kZobel = Show<RcZobelPage>, kThiele = Show<ThielePage>,
            kConjugate = Show<ConjugateLinkPage>, kNotch = Show<NotchFilterPage>,
            kBaffle = Show<BaffleStepPage>, kCompensation = Show<BaffleStepCompensationPage>,
            k6dB = Crossover<Crossover6dBPage>, k12dB = Crossover<Crossover12dBPage>,
            k18dB = Crossover<Crossover18dBPage>;

TEST(PageLabels, WorkedValuesAndTheReplacementRulesOfEachPage) {
    const struct {
        Shown page;
        Strings typed;
        const char* shown;
    } cases[] = {
        // Input labels: below '0' (empty, blank, point, sign) reads the default;
        // ',' is read as '.'; a nan total reads 0.00.
        {kParallel, {"100", "100"}, "100 ohm | 100 ohm | 50.00 ohm"},
        {kParallel, {"4,7", "2,2"}, "4.7 ohm | 2.2 ohm | 1.50 ohm"},
        {kParallel, {"", ""}, "0.00 ohm | 0.000 ohm | 0.00 ohm"},
        {kParallel, {" 5", ".5"}, "0.00 ohm | 0.000 ohm | 0.45 ohm"},
        {kParallel, {"123456789012", "123456789012"},
         "123456789012 ohm | 123456789012 ohm | 61728394506.00 ohm"},
        {kSeries, {"4.7", "2.2"}, "4.7 uF | 2.2 uF | 1.50 uF"},
        {kSeries, {"0", "4.7"}, "0 uF | 4.7 uF | 0.00 uF"},   // 1/0 is inf, 1/inf is 0
        {kSeries, {"", ""}, "0.00 uF | 0.00 uF | 0.00 uF"},
        {kSeries, {"nan", "1"}, "nan uF | 1 uF | 0.00 uF"},
        // Three decimals below 10 W, else none for the power and one for the current.
        {kAmplifier, {"8", "20"}, "50 Watt | 8 ohm | 2.5 Ampere | 20 Volt"},
        {kAmplifier, {"8", "2"}, "0.500 Watt | 8 ohm | 0.250 Ampere | 2 Volt"},
        {kAmplifier, {"10", "10"}, "10 Watt | 10 ohm | 1.0 Ampere | 10 Volt"},
        {kAmplifier, {"4,5", "2,5"}, "1.389 Watt | 4.5 ohm | 0.556 Ampere | 2,5 Volt"},
        {kAmplifier, {"", ""}, "0.00 Watt | 0.00 ohm | 0.00 Ampere | 0.00 Volt"},
        // The section (0.785 d^2) has no default.
        {kWire, {"1", "1000"}, "1 mm | 0.785 mm2 | 1000 mm | 0.023 ohm"},
        {kWire, {"0,5", "1000,5"}, "0.5 mm | 0.196 mm2 | 1000,5 mm | 0.092 ohm"},
        {kWire, {"", ""}, "0.00 mm | 0.000 mm2 | 0.00 mm | 0.000 ohm"},
        {kWire, {"nan", "1000"}, "nan mm | nan mm2 | 1000 mm | 0.000 ohm"},
        {kAirCoil, {"10", "25.4", "1"}, "10 uH | 25.4 mm | 1 mm | 23 Varv | 28 mm"},
        {kAirCoil, {"1000", "30", "0,8"}, "1000 uH | 30 mm | 0.8 mm | 920 Varv | 883 mm"},
        {kAirCoil, {"", "", ""}, "0.00 uH | 0.00 mm | 0.00 mm | 0.00 Varv | 0.00 mm"},
        {kAirCoil, {"10", "25.4", "0"}, "10 uH | 25.4 mm | 0 mm | 13 Varv | 0 mm"},   // sqrt(180)
        // A comma past the eleventh character stays.
        {kAirCoil, {"123456789012", "25.400000000", "1.000000000,"},
         "123456789012 uH | 25.400000000 mm | 1.000000000, mm | 194420140188 Varv | "
         "233304168225 mm"},
        // 1 / (R 6.28 C); only "inf" reads 0, graphed at 0.
        {kRcFilter, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 1592 Hz -3dB @96"},
        {kRcFilter, {"1", "1"}, "1 ohm | 1 uF | 159236 Hz -3dB @-600"},
        {kRcFilter, {"", "abc"}, "0.00 ohm | abc uF | 0 Hz -3dB @-600"},
        {kRcFilter, {"0", "-1"}, "0 ohm | 0.00 uF | -inf Hz -3dB @-600"},
        // R2 alone falls back to a bare 0.
        {kBandPass, {"1000", "1", "1000", "0,01"},
         "1000 ohm | 1 uF | 1000 ohm | 0.01 uF | 159 Hz -3dB | 15924 Hz -3dB"},
        {kBandPass, {"", "", "", ""},
         "0.00 ohm | 0.00 uF | 0 ohm | 0.00 uF | 0 Hz -3dB | 0 Hz -3dB"},
        // R3 and C2/C3 doubled only when both inputs are positive; no defaults.
        {kRcNotch, {"1000", "0,1"}, "1000 ohm | 0.1 uF | 2000.00 ohm | 0.2 uF | 398 Hz @226"},
        {kRcNotch, {"", ""}, "0.00 ohm | 0.00 uF | 0.00 ohm | 0.0 uF | 0 Hz @-600"},
        {kRcNotch, {"-1000", "0.1"}, "0.00 ohm | 0.1 uF | -1000.00 ohm | 0.0 uF | -796 Hz @-600"},
        {kRcNotch, {"-1000", "0"}, "0.00 ohm | 0 uF | -1000.00 ohm | 0.0 uF | -inf Hz @-600"},
        {kRcNotch, {"1e308", "1e308"}, "1e308 ohm | 1e308 uF | inf ohm | inf uF | 0 Hz @-600"},
        // Computed only when both inputs are positive, else 0.
        {kZobel, {"10", "4,7"}, "10 ohm | 4.7 uF | 3388 @19"},
        {kZobel, {"10", "0.1"}, "10 ohm | 0.1 uF | 159236 @-600"},
        {kZobel, {"", ""}, "0.00 ohm | 0.00 uF | 0 @-600"},
        {kZobel, {"10", "-1"}, "10 ohm | 0.00 uF | 0 @-600"},
        // Not a number reads 0.00, inf stays.
        {kThiele, {"8", "1"}, "8 ohm | 1 mH | 1274 Hz @118"},
        {kThiele, {"", ""}, "0.00 ohm | 0.00 mH | 0.00 Hz @-600"},
        {kThiele, {"8", ""}, "8 ohm | 0.00 mH | inf Hz @-600"},
        // Both labels are results: no input defaults.
        {kConjugate, {"6,4", "0,5"}, "6.4 ohm | 12 uF"},
        {kConjugate, {"-8", "1"}, "-8.0 ohm | 16 uF"},
        {kConjugate, {"", ""}, "0.0 ohm | 0.00 uF"},
        {kConjugate, {"nan", "1"}, "0.00 ohm | 0.00 uF"},
        // f as the field holds it; L1 replaces only inf, R1 only a leading blank.
        {kNotch, {"1000", "0.5"}, "1000 Hz | 25.33 uF | 1.00 mH | 0.5 ohm | 39/0"},
        {kNotch, {"2500,0", "5"}, "2500.0 Hz | 6.41 uF | 0.63 mH | 5 ohm | 7/4"},
        {kNotch, {"", ""}, " Hz | 0.00 uF | 0.00 mH |  ohm | 73/0"},
        {kNotch, {"-1000", "-1"}, "-1000 Hz | 0.00 uF | nan mH | -1 ohm | 73/0"},
        {kNotch, {"nan", "nan"}, "0 Hz | 0.00 uF | nan mH | nan ohm | 73/0"},
        {kNotch, {" 50", " 5"}, " 50 Hz | 2265.58 uF | 4.47 mH | 0.00 ohm | 7/4"},
        // In range from 10 Hz to 11500 Hz; a curve while it starts left of x 600.
        {kBaffle, {"300"}, "383 Hz | 566"},
        {kBaffle, {"11500"}, "10 Hz | 210"},
        {kBaffle, {"10"}, "11500 Hz | 893"},
        {kBaffle, {"9.99"}, "11512 Hz | 893 | OUT OF RANGE"},
        {kBaffle, {"9.07"}, "12679 Hz | 900 | OUT OF RANGE"},
        {kBaffle, {"9.06"}, "12693 Hz | OUT OF RANGE"},
        {kBaffle, {""}, "inf Hz | OUT OF RANGE"},
        {kBaffle, {"nan"}, "nan Hz | OUT OF RANGE"},
        // The grid 125 pixels left of the usual; only a leading 'i' reads 0.
        {kCompensation, {"300", "8"}, "383 Hz | 2.35 mH | 8 ohm @105"},
        {kCompensation, {"300", ".5"}, "383 Hz | 0.15 mH | 0.0 ohm @105"},
        {kCompensation, {"", ""}, "0 Hz | 0.00 mH | 0.0 ohm @-725"},
        {kCompensation, {"-0", "8"}, "-inf Hz | -0.00 mH | 8 ohm @-725"},
        // Coils read nan as 0.00, capacitors inf; the last checked button wins.
        {k6dB, {"8", "6", "3000", "1"}, "0.42 mH | 8.83 uF | 3000 Hz"},
        {k6dB, {"4", "8", "2500,5", "1"}, "0.25 mH | 7.95 uF | 2500.5 Hz"},
        {k6dB, {"", "", "", "1"}, "0.00 mH | 0.00 uF |  Hz"},
        {k6dB, {"8", "6", "0", "1"}, "inf mH | 0.00 uF | 0 Hz"},
        {k6dB, {"-8", "-6", "0", "1"}, "-inf mH | -inf uF | 0 Hz"},
        {k12dB, {"8", "6", "2700", "100"}, "0.67 mH | 5.21 uF | 6.94 uF | 0.50 mH | 2700 Hz"},
        {k12dB, {"8", "6", "2700", "111"}, "0.94 mH | 3.69 uF | 4.91 uF | 0.71 mH | 2700 Hz"},
        {k12dB, {"8", "6", "2700", "000"}, "0.00 mH | 0.00 uF | 0.00 uF | 0.00 mH | 2700 Hz"},
        {k18dB, {"8", "6", "2700", "10"},
         "0.71 mH | 9.82 uF | 0.24 mH | 6.55 uF | 0.27 mH | 19.65 uF | 2700 Hz"},
        {k18dB, {"8", "6", "2700", "11"},
         "0.98 mH | 8.78 uF | 0.20 mH | 4.88 uF | 0.29 mH | 24.40 uF | 2700 Hz"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.page(c.typed), c.shown) << Join(c.typed);
}

TEST(PageLabels, ResultsFarLongerThanAFieldAreShownWhole) {
    const struct {
        std::string label;
        std::size_t digits;
        const char* tail;
    } cases[] = {
        {WireResistancePage(In({"1e-150", "1000"}), "1000").resistance, 299, ".000 ohm"},
        {AmplifierPowerPage(In({"1", "1e150"}), "1e150").power, 300, " Watt"},
        {RcFilterPage(In({"1e-300", "1"})).corner, 306, " Hz -3dB"},
        {ConjugateLinkPage(In({"1e308", "1"})).r1, 309, ".0 ohm"},
        {NotchFilterPage(In({"1e-300", "1"})).l1, 152, ".00 mH"},
        {BaffleStepPage(In({"1e-300"})).frequency, 306, " Hz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.label.find_first_not_of("0123456789"), c.digits) << c.label;
        EXPECT_TRUE(c.label.ends_with(c.tail)) << c.label;
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

TEST(NotchFilter, DepthTableBoundariesAndWidth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto below = [](double v) { return std::nextafter(v, 0.0); };
    const std::pair<double, int> cases[] = {
        {below(0.0006), 73}, {0.0006, 72}, {0.001, 68}, {below(0.1), 60}, {0.1, 59}, {0.14, 57},
        {0.70, 29}, {0.73, 28}, {below(3.5), 10}, {3.5, 9}, {4.0, 8}, {19.0, 1}, {below(30.0), 1},
        {30.0, 0}, {inf, 0}, {0.0, 73}, {-1.0, 73}, {nan, 73},
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
