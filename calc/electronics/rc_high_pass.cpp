// RC high-pass filter: the capacitor in series, the resistor to ground, and a
// response that rises from the left up to the marker.

#include "calc/electronics/rc_high_pass.h"

#include "toolkit/text.h"

namespace {

constexpr PageText kLetters[] = {
    {320, 210, FontRole::Label, "C", nullptr},
    {490, 360, FontRole::Label, "R", nullptr},
};

// The two capacitor plates, then the resistor body.
constexpr Box kParts[] = {{300, 228, 20, 70}, {330, 228, 20, 70}, {453, 320, 25, 100}};

constexpr Wire kWires[] = {
    {200, 262, 300, 262},
    {350, 262, 550, 262},
    {465, 262, 465, 320},
    {465, 420, 465, 450},
};

constexpr Wire kSketch[] = {
    {821, 275, 935, 275},
    {805, 280, 813, 277},
    {813, 277, 821, 275},
    {654, 400, 805, 280},
};

constexpr RcFilterDrawing kDrawing{
    "Högpassfilter RC"_cp,
    "High-pass filter RC",
    kLetters,
    kParts,
    kWires,
    kSketch,
    {400, 360},  // R left of the resistor
    {310, 310},  // C under the capacitor
};

}  // namespace

void DrawRcHighPass(tk::Window window, const FieldInputs& in) {
    DrawRcFilterPage(window, in, kDrawing);
}
