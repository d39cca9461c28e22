// Two-way crossover, 6 dB (screen 501): a series coil before the bass
// driver and a series capacitor before the tweeter.
#pragma once

#include "calc/loudspeaker/crossover.h"

// Components L1, C1; one alignment, "Butterworth".
extern const CrossoverNetwork kCrossover6dB;

// The page: its filter types, the procedure that draws it for what the
// fields hold, and its record.
inline constexpr OptionPlace kCrossover6dBOptions[] = {{20, 110, "Butterworth"}};
void DrawCrossover6dB(tk::Window window, const FieldInputs& in);
inline constexpr Screen kCrossover6dBScreen{
    .id = 501,
    .menu = {Popup::Loudspeaker, "Delningsfilter 2v 6dB", "Crossover filter 2w 6dB", Rule::Before},
    .fields = kCrossoverFields,
    .options = kCrossover6dBOptions,
    .page = DrawCrossover6dB};
