// Two-way crossover, 6 dB (screen 501): a series coil before the bass
// driver and a series capacitor before the tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

#include <span>

// Components L1, C1; one alignment, "Butterworth".
extern const CrossoverNetwork kCrossover6dB;

// The value labels (L1, C1) and the frequency label for what the fields hold
// and whether the "Butterworth" button is checked.
CrossoverLabels Crossover6dBPage(const FieldInputs& in, std::span<const bool> checked);

extern const Screen kCrossover6dBScreen;
