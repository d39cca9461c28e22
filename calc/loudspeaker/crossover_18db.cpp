// Two-way crossover, 18 dB: third-order slopes, one coefficient per component and
// alignment.

#include "calc/loudspeaker/crossover_18db.h"

namespace {

// L1, C1, L2, C2, L3, C3 in button order.
constexpr Alignment kAlignments[] = {
    {{0.2387, 0.2122, 0.0796, 0.1061, 0.1194, 0.3183}},
    {{0.3294, 0.1897, 0.06592, 0.07911, 0.1317, 0.3953}},
};

constexpr CrossoverComponent kComponents[] = {
    {ComponentFormula::Coil, false, 0, 330, 272},             // L1
    {ComponentFormula::Capacitor, false, 1, 260, 400},        // C1
    {ComponentFormula::Coil, false, 2, 330, 340},             // L2
    {ComponentFormula::Capacitor, true, 3, 525, 270},         // C2
    {ComponentFormula::CoilDividedFirst, true, 4, 460, 400},  // L3
    {ComponentFormula::Capacitor, true, 5, 525, 338},         // C3
};

constexpr PageText kLetters[] = {
    {181, 483, FontRole::Label, "GND", nullptr}, {181, 208, FontRole::Label, "IN", nullptr},
    {348, 250, FontRole::Label, "L 1", nullptr}, {348, 318, FontRole::Label, "L 2", nullptr},
    {280, 380, FontRole::Label, "C 1", nullptr}, {547, 250, FontRole::Label, "C 2", nullptr},
    {547, 318, FontRole::Label, "C 3", nullptr}, {478, 380, FontRole::Label, "L 3", nullptr},
};

constexpr Wire kWires[] = {
    {210, 215, 580, 215}, {380, 215, 380, 490},  // input, bass branch
    {310, 290, 310, 490}, {310, 290, 380, 290},  // C1 shunt
    {510, 290, 510, 490}, {510, 290, 580, 290},  // L3 shunt
    {580, 215, 580, 490}, {210, 490, 580, 490},  // tweeter branch, ground
};

constexpr Point kCoils[] = {{368, 245}, {368, 313}, {498, 375}};
constexpr Point kCapacitors[] = {{300, 380}, {570, 250}, {570, 317}};

constexpr Wire kSketch[] = {
    {650, 275, 770, 275}, {770, 275, 780, 277}, {780, 277, 784, 280}, {784, 280, 955, 500},
    {654, 500, 805, 280}, {805, 280, 813, 277}, {813, 277, 821, 275}, {821, 275, 935, 275},
};

// The marker stands one pixel left of the other crossover pages' marker.
constexpr CrossoverDrawing kDrawing{
    "Delningsfilter 2v 18dB",
    "Crossover filter 2w 18dB",
    true,
    kLetters,
    kWires,
    kCoils,
    kCapacitors,
    kSketch,
    795,
};

}  // namespace

void DrawCrossover18dB(tk::Window window, const FieldInputs& in) {
    RunCrossoverPage(window, kCrossover18dBScreen, kCrossover18dB, kDrawing, in);
}

const CrossoverNetwork kCrossover18dB{kComponents, kAlignments};
