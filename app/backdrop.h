// The page backdrop: panels, frames, the grid on graph pages, the splash and
// the maker line; and the hiding of every screen's controls.
#pragma once

#include "toolkit/window.h"

inline constexpr int kModePlain = 600;
inline constexpr int kModeGrid = 601;
inline constexpr int kModeGridSplit = 603;

// Draws into the canvas in the current backdrop mode; leaves the target at
// "CLIENT" and requests no repaint.
void DrawBackdrop(Window window, double graphOffset);
// Hides every input field and option button of every screen (not the close
// button).
void HideAllControls(Window window);
