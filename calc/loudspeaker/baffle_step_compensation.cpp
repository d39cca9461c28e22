// Baffle step compensation: a coil L1 in series with the driver, bridged by a
// resistor R1 of the driver's impedance. The graph is a fixed sketch of the
// step; the grid is shifted so that the step frequency falls under the red
// marker at x 670, 125 pixels left of the usual marker column.

#include "calc/loudspeaker/baffle_step_compensation.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "calc/loudspeaker/baffle_step.h"
#include "calc/loudspeaker/driver_symbol.h"
#include "toolkit/text.h"

namespace {

constexpr int kMarkerLeftShift = 125;

constexpr PageText kFixedTexts[] = {
    {385, 45, FontRole::Label, "mm", nullptr},   {385, 75, FontRole::Label, "ohm", nullptr},
    {181, 483, FontRole::Label, "GND", nullptr}, {181, 208, FontRole::Label, "IN", nullptr},
    {330, 276, FontRole::Label, "R 1", nullptr}, {458, 276, FontRole::Label, "L 1", nullptr},
};

constexpr Wire kWires[] = {
    // Input, the driver branch and ground.
    {210, 215, 430, 215},
    {430, 215, 430, 490},
    {210, 490, 430, 490},
    // The loop that bridges the coil through R1.
    {361, 245, 430, 245},
    {361, 325, 430, 325},
    {361, 245, 361, 325},
};

}  // namespace

void DrawBaffleStepCompensation(tk::Window window, const FieldInputs& in) {
    const BaffleStepCompensationLabels labels = BaffleStepCompensationPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, labels.graphOffset);
    DrawTexts(window, kFixedTexts);
    DrawHeadingAndHints(window, "Baffelsteg kompensation", "Baffle Step Compensation",
                        TabHint::Move);
    DrawFieldLabels(window, kBaffleStepCompensationFields);
    DrawWires(window, kWires);
    tk::DrawEllipse(window, 410, 265, 40, 40, kLightGrey, kLightGrey);  // L1
    tk::FillBox(window, 355, 266, 13, 40, kLightGrey);                  // R1
    DrawDriverSymbol(window, 430, 370);
    // The sketch: the flat level and the uncompensated step above it.
    tk::DrawLine(window, 640, 350, 974, 350, kBlack);
    tk::DrawLine(window, 675, 349, 965, 312, kStepGrey);
    tk::DrawLine(window, 965, 312, 974, 312, kStepGrey);
    DrawMarker(window, 670, 230, 340);
    DrawValue(window, 300, 291, labels.resistor);
    DrawValue(window, 360, 385, labels.resistor);
    DrawValue(window, 670, 210, labels.frequency);
    DrawValue(window, 460, 291, labels.coil);
}

double CompensationCoil(double widthMm, double impedance) {
    const double metres = widthMm / 1000;
    return (metres * impedance) / 1.021;
}

BaffleStepCompensationLabels BaffleStepCompensationPage(const FieldInputs& in) {
    const double width = in.value[0];
    const double impedance = in.value[1];
    const double fs = BaffleStepFrequency(width);
    const double coil = CompensationCoil(width, impedance);
    return {ResultLabel(Formatted(fs, 0), 'i', "0", " Hz"),
            ResultLabel(Formatted(coil, 2), 'i', nullptr, " mH"),
            InputLabel(in.text[1], "0.0", " ohm"), FrequencyToGraphOffset(fs) - kMarkerLeftShift};
}
