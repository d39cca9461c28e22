// Two-way crossover, 18 dB (screen 503): a T of coil L1, shunt capacitor C1
// and coil L2 for the bass driver; a T of capacitor C2, shunt coil L3 and
// capacitor C3 for the tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1, L2, C2, L3, C3, each with its own coefficient (same index);
// alignments Butterworth and Bessel.
extern const CrossoverNetwork kCrossover18dB;

extern const Screen kCrossover18dBScreen;
