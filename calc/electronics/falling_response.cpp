// The falling response sketch shared by the RC low-pass, Zobel and Thiele
// pages.

#include "calc/electronics/falling_response.h"

void DrawFallingResponse(tk::Window window) { DrawWires(window, kFallingResponse); }
