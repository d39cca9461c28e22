// Thiele RC filter: a resistor in parallel with a coil in the signal path,
// the coil drawn as two rows of turns, a note on how to wind it, and the
// pair's frequency on the graph.

#include "calc/electronics/thiele.h"

#include "calc/electronics/falling_response.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "mH", nullptr},
};

constexpr PageText kTexts[] = {
    {400, 288, FontRole::Label, "R", nullptr},
    {400, 340, FontRole::Label, "L", nullptr},
    {193, 328, FontRole::Label, "IN", nullptr},
    {578, 328, FontRole::Label, "UT", "OUT"},
    {350, 460, FontRole::Label, "Spole lindas efter instruktioner under knappen",
     "Coil is wound according to instructions under"},
    {350, 480, FontRole::Label, "'Linda luftspole, ett lager'",
     "the button 'Wind air coil, one layer'"},
};

constexpr Wire kWires[] = {
    {210, 272, 572, 272},                        // upper path through the resistor
    {210, 403, 345, 403},                        // lower path, the coil between the pieces
    {460, 403, 572, 403}, {210, 272, 210, 403},  // left join
    {205, 335, 210, 335},                        // input stub
    {572, 272, 572, 403},                        // right join
    {572, 335, 577, 335},                        // output stub
};

constexpr Box kResistor = {355, 260, 100, 25};

constexpr int kTurnX[] = {350, 370, 390, 410, 430, 450};

void DrawTurns(tk::Window window, int y) {
    for (int x : kTurnX) tk::DrawEllipse(window, x, y, 10, 10, kLightGrey, kLightGrey);
}

// Two rows of turns, a black line along the lower edge of the upper row and
// one along the upper edge of the lower row.
void DrawCoil(tk::Window window) {
    DrawTurns(window, 363);
    tk::DrawLine(window, 350, 373, 460, 373, kBlack);
    DrawTurns(window, 433);
    tk::DrawLine(window, 350, 432, 460, 432, kBlack);
}

}  // namespace

void DrawThiele(tk::Window window, const FieldInputs& in) {
    const ThieleLabels labels = ThielePage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, labels.graphOffset);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Thielefilter RC", "Thiele filter RC");
    DrawFieldLabels(window, kThieleFields);
    DrawTexts(window, kTexts);
    DrawWires(window, kWires);
    DrawBoxes(window, std::span(&kResistor, 1));
    DrawCoil(window);
    DrawFallingResponse(window);
    DrawValue(window, 435, 288, labels.r);
    DrawValue(window, 435, 340, labels.l);
    DrawValue(window, 785, 205, labels.f);
    DrawMarker(window, kFallingMarkerX, 220, 300);
}

double ThieleFrequency(double r, double l) { return r / ((l / 1000) * 6.28); }

ThieleLabels ThielePage(const FieldInputs& in) {
    double f = ThieleFrequency(in.value[0], in.value[1]);
    std::string text = Formatted(f, 0);
    // Not a number (R and L both zero) reads 0.00 and is graphed as 0; an
    // infinite frequency keeps its text.
    if (!text.empty() && text[0] == 'n') {
        text = "0.00";
        f = 0.0;
    }
    ThieleLabels labels;
    labels.r = InputLabel(in.text[0], "0.00", " ohm");
    labels.l = InputLabel(in.text[1], "0.00", " mH");
    labels.f = ResultLabel(text, 'n', nullptr, " Hz");
    labels.graphOffset = FrequencyToGraphOffset(f);
    return labels;
}
