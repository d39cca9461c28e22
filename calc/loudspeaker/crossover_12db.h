// Two-way crossover, 12 dB (screen 502): series coil L1 and shunt capacitor
// C1 for the bass driver, series capacitor C2 and shunt coil L2 for the
// tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1, C2, L2; alignments Butterworth, Bessel, Linkwitz-Riley, each
// with the coil coefficient kL first and the capacitor coefficient kC second.
extern const CrossoverNetwork kCrossover12dB;

extern const Screen kCrossover12dBScreen;
