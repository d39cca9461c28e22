// RC low-pass filter: the resistor in series, the capacitor to ground, and a
// response that falls away to the right of the marker.

#include "calc/electronics/rc_low_pass.h"

#include "calc/electronics/falling_response.h"

#include "toolkit/text.h"

namespace {

constexpr PageText kLetters[] = {
    {350, 235, FontRole::Label, "R", nullptr},
    {505, 365, FontRole::Label, "C", nullptr},
};

// Resistor body, then the two capacitor plates.
constexpr Box kParts[] = {{300, 250, 100, 25}, {430, 350, 70, 20}, {430, 380, 70, 20}};

constexpr Wire kWires[] = {
    {200, 262, 300, 262},
    {400, 262, 550, 262},
    {465, 262, 465, 350},
    {465, 400, 465, 450},
};

constexpr RcFilterDrawing kDrawing{
    "Lågpassfilter RC"_cp,
    "Low-pass filter RC",
    kLetters,
    kParts,
    kWires,
    kFallingResponse,
    {330, 280},  // R under the resistor
    {380, 367},  // C left of the capacitor
};

}  // namespace

void DrawRcLowPass(tk::Window window, const FieldInputs& in) {
    DrawRcFilterPage(window, in, kDrawing);
}
