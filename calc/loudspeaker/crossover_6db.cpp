// Two-way crossover, 6 dB: first-order slopes, L1 = Zb / (2 pi f) and
// C1 = 1 / (2 pi Zt f), with 2 pi taken as 6.28 and 1 / (2 pi) as 0.159.

#include "calc/loudspeaker/crossover_6db.h"

namespace {

constexpr Alignment kAlignments[] = {{{6.28, 0.159}}};

constexpr CrossoverComponent kComponents[] = {
    {ComponentFormula::FirstOrderCoil, false, 0, 394, 300},  // L1
    {ComponentFormula::Capacitor, true, 1, 530, 300},        // C1
};

constexpr PageText kLetters[] = {
    {181, 483, FontRole::Label, "GND", nullptr},
    {181, 208, FontRole::Label, "IN", nullptr},
    {400, 279, FontRole::Label, "L 1", nullptr},
    {547, 279, FontRole::Label, "C 1", nullptr},
};

constexpr Wire kWires[] = {
    {210, 215, 580, 215},
    {380, 215, 380, 490},
    {580, 215, 580, 490},
    {210, 490, 580, 490},
};

constexpr Point kCoils[] = {{368, 275}};
constexpr Point kCapacitors[] = {{570, 280}};

constexpr Wire kSketch[] = {
    // Bass low-pass.
    {650, 275, 770, 275},
    {770, 275, 780, 277},
    {780, 277, 784, 280},
    {784, 280, 955, 350},
    // Tweeter high-pass.
    {654, 350, 805, 280},
    {805, 280, 813, 277},
    {813, 277, 821, 275},
    {821, 275, 935, 275},
};

constexpr CrossoverDrawing kDrawing{
    "Delningsfilter 2v 6dB",
    "Crossover filter 2w 6dB",
    false,
    kLetters,
    kWires,
    kCoils,
    kCapacitors,
    kSketch,
    796,
};

}  // namespace

void DrawCrossover6dB(tk::Window window, const FieldInputs& in) {
    RunCrossoverPage(window, kCrossover6dBScreen, kCrossover6dB, kDrawing, in);
}

const CrossoverNetwork kCrossover6dB{kComponents, kAlignments};
