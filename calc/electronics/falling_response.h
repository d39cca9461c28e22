// The falling response sketch that the RC low-pass, RC Zobel and Thiele pages
// draw over their frequency graphs: flat, a short knee just left of the
// marker, then a straight fall to the right. The sketch is the same for
// every input; the grid moves beneath it.
#pragma once

#include "calc/common/screen.h"
#include "toolkit/window.h"

inline constexpr Wire kFallingResponse[] = {
    {650, 275, 770, 275},
    {770, 275, 780, 277},
    {780, 277, 784, 280},
    {784, 280, 955, 400},
};

// Where those pages stand their red marker, one pixel right of the column
// the grid offset aims at.
inline constexpr int kFallingMarkerX = 797;

void DrawFallingResponse(tk::Window window);
