// Two-way crossover, 6 dB (screen 501): a series coil before the bass
// driver and a series capacitor before the tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1; one alignment, "Butterworth".
extern const CrossoverNetwork kCrossover6dB;

extern const Screen kCrossover6dBScreen;
