// RC Zobel network: a series resistor and capacitor from the signal line to
// ground, its frequency as a bare number on the graph, computed only when
// both inputs are positive.

#include "calc/electronics/rc_zobel.h"

#include "calc/electronics/falling_response.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "uF", nullptr},
};

constexpr PageText kTexts[] = {
    {410, 303, FontRole::Label, "R", nullptr},   {435, 407, FontRole::Label, "C", nullptr},
    {379, 470, FontRole::Label, "GND", nullptr}, {188, 223, FontRole::Label, "IN", nullptr},
    {575, 223, FontRole::Label, "UT", "OUT"},
};

constexpr Wire kWires[] = {
    {205, 230, 570, 230},  // signal line
    {390, 230, 390, 400},  // through the resistor to the first plate
    {390, 420, 390, 470},  // second plate to ground
};

constexpr Box kParts[] = {
    {377, 260, 25, 100},  // resistor
    {355, 390, 70, 20},
    {355, 420, 70, 20},  // capacitor plates
};

}  // namespace

void DrawRcZobel(tk::Window window, const FieldInputs& in) {
    const RcZobelLabels labels = RcZobelPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, labels.graphOffset);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Zobelfilter RC", "Zobel filter RC");
    DrawFieldLabels(window, kRcZobelFields);
    DrawTexts(window, kTexts);
    DrawWires(window, kWires);
    DrawBoxes(window, kParts);
    DrawFallingResponse(window);
    DrawValue(window, 435, 303, labels.r);
    DrawValue(window, 455, 405, labels.c);
    DrawValue(window, 785, 205, labels.f);
    DrawMarker(window, kFallingMarkerX, 220, 300);
}

double ZobelFrequency(double r, double c) {
    double f = 0.0;
    if (r > 0 && c > 0) f = 1 / ((r * 6.28 * c) / 1000000);
    return f;
}

RcZobelLabels RcZobelPage(const FieldInputs& in) {
    const double f = ZobelFrequency(in.value[0], in.value[1]);
    RcZobelLabels labels;
    labels.r = InputLabel(in.text[0], "0.00", " ohm");
    labels.c = InputLabel(in.text[1], "0.00", " uF");
    labels.f = Formatted(f, 0);
    labels.graphOffset = FrequencyToGraphOffset(f);
    return labels;
}
