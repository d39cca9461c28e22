// The driver symbols as line tables relative to their anchor.

#include "calc/loudspeaker/driver_symbol.h"

#include "calc/common/screen.h"

namespace {

// Offsets from the top-left corner of the driver's magnet box.
constexpr Wire kDriver[] = {
    // The box, one line per side.
    {0, 0, 15, 0},
    {15, 0, 15, 50},
    {15, 50, 0, 50},
    {0, 50, 0, 0},
    // The cone: double lines above and below, and two lines across.
    {15, 0, 40, -15},
    {15, 3, 40, -12},
    {15, 47, 40, 62},
    {15, 50, 40, 65},
    {15, 19, 40, 19},
    {15, 31, 40, 31},
    // The diaphragm: a narrow box, drawn round like the magnet box.
    {40, -20, 45, -20},
    {45, -20, 45, 70},
    {45, 70, 40, 70},
    {40, 70, 40, -20},
};

// Offsets from the point where the tweeter's bracket meets its wire.
constexpr Wire kTweeter[] = {
    {0, 0, 0, 40},     {0, 0, 15, 0},    {0, 40, 15, 40},   {15, -15, 20, -15},
    {20, -15, 20, 55}, {20, 55, 15, 55}, {15, 55, 15, -15},
};

void DrawShifted(tk::Window window, std::span<const Wire> wires, int x, int y) {
    for (const Wire& w : wires)
        tk::DrawLine(window, x + w.x1, y + w.y1, x + w.x2, y + w.y2, kBlack);
}

// Nine vertical lines side by side.
void DrawBar(tk::Window window, int x, int top, int bottom) {
    for (int i = 0; i < 9; ++i) tk::DrawLine(window, x + i, top, x + i, bottom, kBlack);
}

}  // namespace

void DrawDriverSymbol(tk::Window window, int x, int y) {
    DrawShifted(window, kDriver, x, y);
    DrawBar(window, x + 3, y - 4, y + 55);
}

void DrawTweeterSymbol(tk::Window window, int x, int y) {
    DrawShifted(window, kTweeter, x, y);
    DrawBar(window, x + 3, y - 5, y + 45);
}
