// Notch filter across a driver: L1 follows the frequency, C1 resonates with
// it there, and the dip on the graph grows deeper the smaller R1 is, through
// a table of thresholds.

#include "calc/loudspeaker/notch_filter.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "calc/loudspeaker/driver_symbol.h"
#include "toolkit/text.h"

#include <cmath>
#include <iterator>

namespace {

// R1 thresholds in ohm, ascending; each one R1 reaches makes the dip one
// pixel shallower.
constexpr double kDepthThresholds[] = {
    0.0006, 0.0007, 0.0008, 0.0009, 0.001, 0.002, 0.004, 0.006, 0.008, 0.02, 0.04, 0.06, 0.08,
    0.1,    0.12,   0.14,   0.16,   0.18,  0.20,  0.22,  0.24,  0.26,  0.28, 0.30, 0.32, 0.34,
    0.36,   0.38,   0.40,   0.42,   0.44,  0.46,  0.48,  0.50,  0.52,  0.54, 0.56, 0.58, 0.60,
    0.62,   0.64,   0.66,   0.68,   0.70,  0.73,  0.76,  0.79,  0.8,   0.9,  1.0,  1.3,  1.4,
    1.5,    1.6,    1.7,    1.8,    1.9,   2.0,   2.3,   2.6,   2.9,   3.0,  3.2,  3.5,  4.0,
    5.0,    6.0,    7.0,    10.0,   12.0,  17.0,  19.0,  30.0,
};
static_assert(std::size(kDepthThresholds) == 73);

// Shoulder width by depth; dips deeper than the last row get no spread.
struct WidthStep {
    int depth;  // this width holds for depths up to here
    int width;
};
constexpr WidthStep kWidths[] = {{4, 32}, {5, 16}, {6, 8}, {7, 4}, {8, 2}};

constexpr double kResonance = 25330000.0;  // 1e9 / (4 pi^2), rounded

constexpr PageText kFixedTexts[] = {
    {385, 45, FontRole::Label, "Hz", nullptr},   {385, 75, FontRole::Label, "ohm", nullptr},
    {379, 470, FontRole::Label, "GND", nullptr}, {530, 470, FontRole::Label, "GND", nullptr},
    {405, 407, FontRole::Label, "R 1", nullptr}, {426, 325, FontRole::Label, "L 1", nullptr},
    {415, 258, FontRole::Label, "C 1", nullptr}, {188, 223, FontRole::Label, "IN", nullptr},
};

constexpr PageText kTexts[] = {
    {185, 200, FontRole::Label, "Placeras närmast elementet"_cp, "Placed closest to the driver"},
};

constexpr Wire kWires[] = {
    {205, 230, 540, 230},
    {390, 230, 390, 470},
    {540, 230, 540, 400},
    {540, 400, 540, 470},
};

// The gap between C1's plates is cleared before the plates are drawn.
constexpr Box kCapacitorGap[] = {{372, 265, 35, 6}};
constexpr Box kCapacitorPlates[] = {{372, 255, 35, 10}, {372, 270, 35, 10}};
constexpr Box kCoil = {365, 310, 50, 50};
constexpr Box kResistor[] = {{384, 390, 12, 50}};

// The dip under the marker column: flat shoulders, and two flanks down to
// 350 + depth that spread by the width term.
void DrawDip(tk::Window window, int depth, int width) {
    const Wire dip[] = {
        {643, 350, 782 - width, 350},
        {782 - width, 350, 797, 350 + depth},
        {810 + width, 350, 796, 350 + depth},
        {810 + width, 350, 970, 350},
    };
    DrawWires(window, dip);
}

}  // namespace

void DrawNotchFilter(tk::Window window, const FieldInputs& in) {
    const NotchFilterLabels labels = NotchFilterPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, FrequencyToGraphOffset(in.value[0]));
    DrawTexts(window, kFixedTexts);
    // This page's TAB hint in English is the short one.
    DrawHeadingAndHints(window, "Notch-filter", "Notch filter", TabHint::Move);
    DrawFieldLabels(window, kNotchFilterFields);
    DrawTexts(window, kTexts);
    DrawWires(window, kWires);
    DrawBoxes(window, kCapacitorGap, kWhite);
    DrawBoxes(window, kCapacitorPlates);
    tk::DrawEllipse(window, kCoil.x, kCoil.y, kCoil.width, kCoil.height, kLightGrey, kLightGrey);
    DrawBoxes(window, kResistor);
    DrawDriverSymbol(window, 540, 350);
    DrawDip(window, labels.depth, labels.width);
    DrawValue(window, 800, 210, labels.frequency);
    DrawValue(window, 413, 273, labels.c1);
    DrawValue(window, 425, 340, labels.l1);
    DrawValue(window, 405, 423, labels.resistor);
}

double NotchCoil(double hertz) { return std::sqrt(1000.0 / hertz); }

double NotchCapacitor(double hertz, double coilMh) {
    const double product = hertz * hertz * coilMh;
    return kResonance / product;
}

int NotchDepth(double r1) {
    int depth = 0;
    for (double threshold : kDepthThresholds) {
        if (!(r1 >= threshold)) ++depth;
    }
    return depth;
}

int NotchWidth(int depth) {
    for (const WidthStep& step : kWidths) {
        if (depth <= step.depth) return step.width;
    }
    return 0;
}

NotchFilterLabels NotchFilterPage(const FieldInputs& in) {
    const double hertz = in.value[0];
    const double coil = NotchCoil(hertz);
    const std::string l1 = Formatted(coil, 2);
    const std::string c1 = Formatted(NotchCapacitor(hertz, coil), 2);
    NotchFilterLabels labels;
    labels.frequency = ResultLabel(in.text[0], 'n', "0", " Hz");
    labels.c1 = ResultLabel(c1, 'n', "0.00", " uF");
    labels.l1 = ResultLabel(l1, 'i', "0.00", " mH");
    labels.resistor = ResultLabel(in.text[1], ' ', "0.00", " ohm");
    labels.depth = NotchDepth(in.value[1]);
    labels.width = NotchWidth(labels.depth);
    return labels;
}
