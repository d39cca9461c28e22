// RC band-pass filter: a high-pass section (R1, C1) followed by a low-pass
// section (R2, C2), each with its own corner. The graph panel holds only the
// band-pass sketch, no grid and no marker.

#include "calc/electronics/rc_band_pass.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "calc/electronics/rc_corner.h"
#include "toolkit/text.h"

namespace {

// Focus ring R1, C1, R2, C2: the second pair in a column of its own.

constexpr PageText kCommonTexts[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "uF", nullptr},
    {705, 45, FontRole::Label, "ohm", nullptr},
    {705, 75, FontRole::Label, "uF", nullptr},
    {365, 360, FontRole::Label, "HP  R 1", nullptr},
    {255, 210, FontRole::Label, "HP  C 1", nullptr},
    {410, 235, FontRole::Label, "LP  R 2", nullptr},
    {440, 365, FontRole::Label, "LP  C 2", nullptr},
    {503, 450, FontRole::Label, "GND", nullptr},
    {338, 450, FontRole::Label, "GND", nullptr},
    {183, 255, FontRole::Label, "IN", nullptr},
    {670, 255, FontRole::Label, "-3dB", nullptr},
    {930, 255, FontRole::Label, "-3dB", nullptr},
};

// The English page alone carries a caption under C1, with nothing beside it.
constexpr PageText kTexts[] = {
    {180, 105, FontRole::Label, nullptr, "Frequency HP -3dB"},
    {555, 255, FontRole::Label, "UT", "OUT"},
};

// High-pass section: C1's plates and R1 to ground, with their wires.
constexpr Box kHighPassParts[] = {{250, 228, 20, 70}, {280, 228, 20, 70}, {338, 320, 25, 100}};
constexpr Wire kHighPassWires[] = {
    {200, 262, 250, 262},
    {300, 262, 550, 262},
    {350, 262, 350, 320},
    {350, 420, 350, 450},
};
// Low-pass section: R2 over the top wire, C2's plates to ground.
constexpr Box kLowPassParts[] = {{380, 250, 100, 25}, {480, 350, 70, 20}, {480, 380, 70, 20}};
constexpr Wire kLowPassWires[] = {
    {500, 262, 550, 262},
    {515, 262, 515, 350},
    {515, 400, 515, 450},
};

// The sketch from left to right; the grey pointers lead from the "-3dB"
// captions to the knees.
constexpr Wire kRise[] = {{654, 400, 725, 280}, {725, 280, 733, 277}, {733, 277, 741, 275}};
constexpr Wire kLeftPointer[] = {{690, 270, 724, 280}};
constexpr Wire kPassBand[] = {{740, 275, 780, 275}, {850, 275, 890, 275}};
constexpr Wire kRightPointer[] = {{906, 280, 940, 270}};
constexpr Wire kFall[] = {{890, 275, 900, 277}, {900, 277, 904, 280}, {904, 280, 970, 400}};

}  // namespace

void DrawRcBandPass(tk::Window window, const FieldInputs& in) {
    const RcBandPassLabels labels = RcBandPassPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, kNoGraph);
    DrawTexts(window, kCommonTexts);
    DrawFieldLabels(window, kRcBandPassFields);
    DrawTexts(window, kTexts);
    DrawHeadingAndHints(window, "Bandpassfilter RC", "Bandpass filter RC");
    DrawBoxes(window, kHighPassParts);
    DrawWires(window, kHighPassWires);
    DrawBoxes(window, kLowPassParts);
    DrawWires(window, kLowPassWires);
    DrawWires(window, kRise);
    DrawWires(window, kLeftPointer, kPointerGrey);
    DrawWires(window, kPassBand);
    DrawWires(window, kRightPointer, kPointerGrey);
    DrawWires(window, kFall);
    DrawValue(window, 370, 340, labels.r1);
    DrawValue(window, 255, 197, labels.c1);
    DrawValue(window, 670, 205, labels.highPass);
    DrawValue(window, 415, 215, labels.r2);
    DrawValue(window, 435, 385, labels.c2);
    DrawValue(window, 880, 205, labels.lowPass);
}

RcBandPassLabels RcBandPassPage(const FieldInputs& in) {
    return {InputLabel(in.text[0], "0.00", " ohm"),    InputLabel(in.text[1], "0.00", " uF"),
            InputLabel(in.text[2], "0", " ohm"),  // R2 falls back to a bare 0
            InputLabel(in.text[3], "0.00", " uF"),     RcCornerOf(in.value[0], in.value[1]).label,
            RcCornerOf(in.value[2], in.value[3]).label};
}
