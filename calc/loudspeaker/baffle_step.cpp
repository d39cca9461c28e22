// Baffle step: the step frequency of a cabinet front from its width, drawn as
// a rising curve over the unshifted frequency grid. The curve moves, not the
// grid; anything the curve draws beyond the plot is masked afterwards.
//
// The page has one field and no focus ring: every run, TAB included,
// recalculates and redraws.

#include "calc/loudspeaker/baffle_step.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/text.h"

#include <array>

namespace {

// The curve stands 495 pixels right of the grid's own shift for the
// frequency, so that the step lies at x0 + 301 on the unshifted grid.
constexpr int kCurveShift = 495;
constexpr int kMarkerFromOrigin = 301;
// Only a curve starting left of this is drawn.
constexpr int kCurveLimit = 600;
// Beyond these the step falls off the useful range of the graph.
constexpr double kLowestStep = 10.0;
constexpr double kHighestStep = 11500.0;

constexpr PageText kUnit[] = {{385, 45, FontRole::Label, "mm", nullptr}};

// The upper line of the curve: the low level from the plot's left edge, the
// rise through the step, the high level to the plot's right edge.
std::array<Wire, 10> StepCurve(int x0) {
    return {{
        {x0 + 490, 311, 950, 311},
        {x0 + 460, 312, x0 + 490, 311},
        {x0 + 420, 315, x0 + 460, 312},
        {x0 + 390, 318, x0 + 420, 315},
        {x0 + 350, 324, x0 + 390, 318},
        {x0 + 308, 330, x0 + 350, 324},
        {x0 + 250, 340, x0 + 310, 330},
        {x0 + 210, 345, x0 + 250, 340},
        {x0 + 130, 350, x0 + 210, 345},
        {210, 350, x0 + 139, 350},
    }};
}

// Two lines, the second one pixel lower.
void DrawStepCurve(tk::Window window, int x0) {
    for (const Wire& w : StepCurve(x0)) {
        tk::DrawLine(window, w.x1, w.y1, w.x2, w.y2, kBlack);
        tk::DrawLine(window, w.x1, w.y1 + 1, w.x2, w.y2 + 1, kBlack);
    }
}

void MaskOutsideThePlot(tk::Window window) {
    tk::FillBox(window, 950, 200, 30, 280, kWhite);
    tk::FillBox(window, 974, 194, 20, 312, kWindowGrey);
    tk::DrawLine(window, 973, 196, 973, 505, kLightGrey);
    tk::FillBox(window, 177, 199, 33, 295, kWhite);
    // The level scale again, then the left panel over whatever the curve
    // reached there.
    DrawLevelScale(window, 0);
    tk::FillBox(window, 0, 199, 175, 295, kWindowGrey);
    tk::FillBox(window, 10, 199, 155, 295, kRepaintedPanelGrey);
    DrawLeftPanelFrame(window, kRepaintedFrameInner);
}

}  // namespace

void DrawBaffleStep(tk::Window window, const FieldInputs& in) {
    const BaffleStepView view = BaffleStepPage(in);
    BeginPageDrawing(window, BackdropMode::Grid, 0);
    DrawTexts(window, kUnit);
    DrawHeadingAndHints(window, "Baffelsteg", "Baffelstep", TabHint::Move);
    DrawFieldLabels(window, kBaffleStepFields);
    if (view.curve) {
        DrawStepCurve(window, view.x0);
        DrawMarker(window, view.x0 + kMarkerFromOrigin, 225, 345);
        DrawValue(window, view.x0 + 300, 205, view.frequency);
    }
    if (view.outOfRange)
        tk::DrawString(window, 500, 380, "OUT OF RANGE", kBlack, AppFont(FontRole::Label), 0);
    MaskOutsideThePlot(window);
    // The first of two repaints; the run requests the second.
    EndPageDrawing(window);
}

double BaffleStepFrequency(double widthMm) {
    const double metres = widthMm / 1000;
    return 115 / metres;
}

BaffleStepView BaffleStepPage(const FieldInputs& in) {
    const double fs = BaffleStepFrequency(in.value[0]);
    std::string frequency = Formatted(fs, 0);
    tk::AppendText(frequency, " Hz");
    const int x0 = kCurveShift - FrequencyToGraphOffset(fs);
    // Written as "not inside" so that a width typed as "nan" is reported too.
    const bool inRange = fs >= kLowestStep && fs <= kHighestStep;
    return {frequency, x0, x0 < kCurveLimit, !inRange};
}
