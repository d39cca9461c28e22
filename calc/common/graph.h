// The logarithmic frequency grid, 10 Hz to 20 kHz, and the frequency-to-x
// mapping that brings a frequency under the marker column at x 796. A graph
// offset is the whole number of pixels the grid is shifted by.
#pragma once

#include "toolkit/window.h"

#include <limits>

inline constexpr int kNoGraph = std::numeric_limits<int>::max();  // offset that draws no grid
inline constexpr int kOutOfRange = -600;  // offset for a frequency off the grid
inline constexpr int kMarkerColumn = 796;

// Draws the grid with every x shifted by `offset` into the current target.
int DrawFrequencyGrid(tk::Window window, int levelScale, int offset);
// The level labels of selector 1 left of the plot (20 to -20 dB, 10 dB a
// level line), shifted by `offset`.
void DrawLevelScale(tk::Window window, int offset);
// The whole-pixel offset for `hertz`, or -600 when it lies outside
// 10 <= f < 20001 or is not a number.
int FrequencyToGraphOffset(double hertz);
