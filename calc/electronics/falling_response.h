// The falling response sketch that the RC Zobel and Thiele pages draw over
// their frequency graphs: flat, a short knee just left of the marker, then a
// straight fall to the right. The sketch is the same for every input; the
// grid moves beneath it.
#pragma once

#include "toolkit/window.h"

// Where those pages stand their red marker, one pixel right of the column
// the grid offset aims at.
inline constexpr int kFallingMarkerX = 797;

void DrawFallingResponse(Window window);
