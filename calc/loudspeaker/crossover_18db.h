// Two-way crossover, 18 dB (screen 503): a T of coil L1, shunt capacitor C1
// and coil L2 for the bass driver; a T of capacitor C2, shunt coil L3 and
// capacitor C3 for the tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1, L2, C2, L3, C3, each with its own coefficient (same index);
// alignments Butterworth and Bessel.
extern const CrossoverNetwork kCrossover18dB;

// The page: its filter types, the procedure that draws it for what the
// fields hold, and its record.
inline constexpr OptionPlace kCrossover18dBOptions[] = {{20, 110, "Butterworth"},
                                                        {20, 130, "Bessel"}};
void DrawCrossover18dB(tk::Window window, const FieldInputs& in);
inline constexpr Screen kCrossover18dBScreen{
    .id = 503,
    .menu = {Popup::Loudspeaker, "Delningsfilter 2v 18dB", "Crossover filter 2w 18dB"},
    .fields = kCrossoverFields,
    .options = kCrossover18dBOptions,
    .page = DrawCrossover18dB};
