// Two-way crossover, 12 dB (screen 502): series coil L1 and shunt capacitor
// C1 for the bass driver, series capacitor C2 and shunt coil L2 for the
// tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1, C2, L2; alignments Butterworth, Bessel, Linkwitz-Riley, each
// with the coil coefficient kL first and the capacitor coefficient kC second.
extern const CrossoverNetwork kCrossover12dB;

// The page: its filter types, the procedure that draws it for what the
// fields hold, and its record.
inline constexpr OptionPlace kCrossover12dBOptions[] = {
    {20, 110, "Butterworth"}, {20, 130, "Bessel"}, {20, 150, "Linkwitz-Riley"}};
void DrawCrossover12dB(tk::Window window, const FieldInputs& in);
inline constexpr Screen kCrossover12dBScreen{
    .id = 502,
    .menu = {Popup::Loudspeaker, "Delningsfilter 2v 12dB", "Crossover filter 2w 12dB"},
    .fields = kCrossoverFields,
    .options = kCrossover12dBOptions,
    .page = DrawCrossover12dB};
