// The page backdrop: panels, frames, the grid on graph pages, the splash and
// the maker line.
#pragma once

#include "calc/common/palette.h"
#include "toolkit/window.h"

// The left panel's sunken frame and title rule. The baffle-step page draws
// it again over its curve, with the inner top line in a grey of its own.
void DrawLeftPanelFrame(tk::Window window, tk::Colour innerTop = kFrameInner);

// Draws into the canvas in the current backdrop mode; leaves the target at
// "CLIENT" and requests no repaint.
void DrawBackdrop(tk::Window window, int graphOffset);
