// RC twin-T notch filter: a T of two resistors with a capacitor from its
// middle and a T of two capacitors with a resistor from its middle to ground,
// all six values written beside their parts, and a notch sketch whose bottom
// stands at the marker.

#include "calc/electronics/rc_notch.h"

#include "calc/electronics/rc_corner.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "uF", nullptr},
};

constexpr Wire kWires[] = {
    {210, 242, 572, 242},  // resistor-T path
    {392, 242, 392, 260},  // down to C 1
    {392, 310, 392, 485},  // C 1 to ground
    {210, 373, 280, 373},  // capacitor-T path, three pieces
    {310, 373, 490, 373}, {510, 373, 572, 373}, {210, 242, 210, 373},  // left join
    {205, 305, 210, 305},                                              // input stub
    {571, 242, 571, 373},                                              // right join
    {572, 305, 577, 305},                                              // output stub
};

constexpr Box kParts[] = {
    {268, 340, 20, 70},  {298, 340, 20, 70},  // C 3
    {470, 340, 20, 70},  {500, 340, 20, 70},  // C 2
    {380, 395, 25, 80},                       // R 3
    {240, 230, 100, 25},                      // R 1
    {440, 230, 100, 25},                      // R 2
    {357, 260, 70, 20},  {357, 290, 70, 20},  // C 1
};

// The output terminal reads "UT" in both languages.
constexpr PageText kLetters[] = {
    {275, 215, FontRole::Label, "R 1", nullptr}, {480, 215, FontRole::Label, "R 2", nullptr},
    {325, 277, FontRole::Label, "C 1", nullptr}, {480, 410, FontRole::Label, "C 2", nullptr},
    {280, 410, FontRole::Label, "C 3", nullptr}, {408, 425, FontRole::Label, "R 3", nullptr},
    {180, 298, FontRole::Label, "IN", nullptr},  {580, 298, FontRole::Label, "UT", nullptr},
    {381, 485, FontRole::Label, "GND", nullptr},
};

// The notch: flat, down to a bottom from x 790 to 800, flat again.
constexpr Wire kSketch[] = {
    {640, 275, 740, 275}, {740, 275, 790, 400}, {850, 275, 950, 275},
    {850, 275, 800, 400}, {790, 400, 800, 400},
};

constexpr int kMarkerX = 795;

}  // namespace

void DrawRcNotch(tk::Window window, const FieldInputs& in) {
    const RcNotchLabels labels = RcNotchPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, labels.graphOffset);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Notchfilter RC", "Notch filter RC");
    DrawFieldLabels(window, kRcNotchFields);
    DrawWires(window, kWires);
    DrawBoxes(window, kParts);
    DrawTexts(window, kLetters);
    DrawWires(window, kSketch);
    DrawValue(window, 270, 200, labels.r);
    DrawValue(window, 470, 200, labels.r);
    DrawValue(window, 320, 295, labels.c);
    DrawValue(window, 410, 440, labels.r3);
    DrawValue(window, 275, 425, labels.c23);
    DrawValue(window, 470, 425, labels.c23);
    DrawValue(window, 785, 205, labels.f);
    DrawMarker(window, kMarkerX, 220, 300);
}

TwinTValues TwinTNotch(double r, double c) {
    TwinTValues v{r, 0.0, 0.0};
    // Doubled from the freshly parsed values on every run, so repeated runs
    // never accumulate.
    if (r > 0 && c > 0) {
        v.c23 = c * 2;
        v.r3 = r * 2;
    }
    v.f = 1 / ((v.r3 * 12.56 * c) / 1000000);
    return v;
}

RcNotchLabels RcNotchPage(const FieldInputs& in) {
    const TwinTValues v = TwinTNotch(in.value[0], in.value[1]);
    const ShownFrequency f = FrequencyAsShown(v.f);
    RcNotchLabels labels;
    labels.r = InputLabel(in.text[0], "0.00", " ohm");
    labels.c = InputLabel(in.text[1], "0.00", " uF");
    // The derived values are shown as formatted, with no default.
    labels.r3 = ResultLabel(Formatted(v.r3, 2), 'n', nullptr, " ohm");
    labels.c23 = ResultLabel(Formatted(v.c23, 1), 'n', nullptr, " uF");
    labels.f = f.text + " Hz";
    labels.graphOffset = FrequencyToGraphOffset(f.hertz);
    return labels;
}
