// Two-way crossover, 12 dB: second-order slopes, coils Z x kL / f and
// capacitors kC / (Z x f) with one pair of coefficients per alignment.

#include "calc/loudspeaker/crossover_12db.h"

namespace {

// kL, kC in button order.
constexpr Alignment kAlignments[] = {
    {{0.2251, 0.1125}},
    {{0.2756, 0.0912}},
    {{0.3183, 0.0796}},
};

constexpr CrossoverComponent kComponents[] = {
    {ComponentFormula::Coil, false, 0, 330, 272},       // L1
    {ComponentFormula::Capacitor, false, 1, 260, 400},  // C1
    {ComponentFormula::Capacitor, true, 1, 531, 272},   // C2
    {ComponentFormula::Coil, true, 0, 462, 400},        // L2
};

constexpr PageText kLetters[] = {
    {181, 483, FontRole::Label, "GND", nullptr}, {181, 208, FontRole::Label, "IN", nullptr},
    {348, 250, FontRole::Label, "L 1", nullptr}, {280, 380, FontRole::Label, "C 1", nullptr},
    {547, 250, FontRole::Label, "C 2", nullptr}, {478, 380, FontRole::Label, "L 2", nullptr},
};

constexpr Wire kWires[] = {
    {210, 215, 580, 215}, {380, 215, 380, 490},  // input, bass branch
    {310, 290, 310, 490}, {310, 290, 380, 290},  // C1 shunt
    {510, 290, 510, 490}, {510, 290, 580, 290},  // L2 shunt
    {580, 215, 580, 490}, {210, 490, 580, 490},  // tweeter branch, ground
};

constexpr Point kCoils[] = {{368, 245}, {498, 375}};
constexpr Point kCapacitors[] = {{300, 380}, {570, 250}};

constexpr Wire kSketch[] = {
    {650, 275, 770, 275}, {770, 275, 780, 277}, {780, 277, 784, 280}, {784, 280, 955, 400},
    {654, 400, 805, 280}, {805, 280, 813, 277}, {813, 277, 821, 275}, {821, 275, 935, 275},
};

constexpr CrossoverDrawing kDrawing{
    "Delningsfilter 2v 12dB",
    "Crossover filter 2w 12dB",
    true,
    kLetters,
    kWires,
    kCoils,
    kCapacitors,
    kSketch,
    796,
};

}  // namespace

void DrawCrossover12dB(tk::Window window, const FieldInputs& in) {
    RunCrossoverPage(window, kCrossover12dBScreen, kCrossover12dB, kDrawing, in);
}

const CrossoverNetwork kCrossover12dB{kComponents, kAlignments};
