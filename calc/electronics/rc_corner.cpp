// The RC corner frequency and the page of the first-order RC filters.

#include "calc/electronics/rc_corner.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/text.h"

namespace {

constexpr const char* kCornerSuffix = " Hz -3dB";

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "uF", nullptr},
};

constexpr PageText kTexts[] = {
    {183, 255, FontRole::Label, "IN", nullptr},
    {560, 255, FontRole::Label, "UT", "OUT"},
    {453, 450, FontRole::Label, "GND", nullptr},
};

// fc sits at the marker column; the line stands one pixel right of it.
constexpr int kMarkerX = 797, kMarkerTop = 220, kMarkerBottom = 300;
constexpr int kCornerX = 800, kCornerY = 205;

}  // namespace

double RcCornerFrequency(double ohm, double microfarad) {
    const double product = ohm * 6.28 * microfarad;
    return 1 / (product / 1000000);
}

ShownFrequency FrequencyAsShown(double hertz) {
    const std::string text = Formatted(hertz, 0);
    if (!text.empty() && text[0] == 'i') return {0.0, "0"};
    return {hertz, text};
}

RcCorner RcCornerOf(double ohm, double microfarad) {
    const ShownFrequency corner = FrequencyAsShown(RcCornerFrequency(ohm, microfarad));
    return {corner.hertz, corner.text + kCornerSuffix};
}

RcFilterLabels RcFilterPage(const FieldInputs& in) {
    const RcCorner corner = RcCornerOf(in.value[0], in.value[1]);
    return {InputLabel(in.text[0], "0.00", " ohm"), InputLabel(in.text[1], "0.00", " uF"),
            corner.label, FrequencyToGraphOffset(corner.hertz)};
}

void DrawRcFilterPage(tk::Window window, const FieldInputs& in, const RcFilterDrawing& drawing) {
    const RcFilterLabels labels = RcFilterPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, labels.graphOffset);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, drawing.headingSv, drawing.headingEn);
    DrawFieldLabels(window, kRcFilterFields);
    DrawTexts(window, kTexts);
    DrawTexts(window, drawing.letters);
    DrawBoxes(window, drawing.parts);
    DrawWires(window, drawing.wires);
    DrawWires(window, drawing.sketch);
    DrawValue(window, drawing.rValue.x, drawing.rValue.y, labels.r);
    DrawValue(window, drawing.cValue.x, drawing.cValue.y, labels.c);
    DrawValue(window, kCornerX, kCornerY, labels.corner);
    DrawMarker(window, kMarkerX, kMarkerTop, kMarkerBottom);
}
