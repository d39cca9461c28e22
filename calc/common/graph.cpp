// The frequency grid and the frequency-to-offset mapping.
//
// The curve and the red marker of a graph page never move; the grid does.
// Every x of the grid is drawn at the integer part of (offset + c), so an
// offset from FrequencyToGraphOffset puts that frequency under x 796.
#include "calc/common/graph.h"

#include "calc/common/shell.h"
#include "toolkit/draw.h"

#include <array>
#include <cmath>

namespace {

constexpr tk::Colour kGridBlack = 0x000000;
constexpr tk::Colour kGridWhite = 0xFFFFFF;
constexpr tk::Colour kFrequencyLine = 0xC8C8C8;
constexpr tk::Colour kFineRule = 0xF0F0F0;
constexpr tk::Colour kLevelLine = 0xAAAAAA;

constexpr int kGridTop = 230;
constexpr int kGridBottom = 490;
constexpr int kGridLeft = 210;
constexpr int kGridRight = 950;

// The integer part of offset + c, truncated toward zero. Offsets far beyond
// the canvas are pinned well outside it, so the conversion is always defined;
// whatever lands there is cut off by the canvas edge anyway.
int X(double offset, int c) {
    constexpr double kFar = 1.0e6;
    double x = std::trunc(offset + c);
    if (std::isnan(x)) return static_cast<int>(-kFar);
    if (x > kFar) return static_cast<int>(kFar);
    if (x < -kFar) return static_cast<int>(-kFar);
    return static_cast<int>(x);
}

struct FrequencyLine {
    int c;
    tk::Colour colour;
};

// 10 Hz and 20 kHz are the black edges; the decades between are grey.
constexpr FrequencyLine kFrequencyLines[] = {
    {210, kGridBlack},     {277, kFrequencyLine}, {317, kFrequencyLine}, {345, kFrequencyLine},
    {366, kFrequencyLine}, {385, kFrequencyLine}, {399, kFrequencyLine}, {412, kFrequencyLine},
    {423, kFrequencyLine}, {433, kFrequencyLine}, {501, kFrequencyLine}, {542, kFrequencyLine},
    {570, kFrequencyLine}, {590, kFrequencyLine}, {609, kFrequencyLine}, {623, kFrequencyLine},
    {637, kFrequencyLine}, {649, kFrequencyLine}, {659, kFrequencyLine}, {727, kFrequencyLine},
    {766, kFrequencyLine}, {794, kFrequencyLine}, {815, kFrequencyLine}, {834, kFrequencyLine},
    {848, kFrequencyLine}, {860, kFrequencyLine}, {873, kFrequencyLine}, {883, kFrequencyLine},
    {949, kGridBlack},
};

constexpr int kLevelLines[] = {290, 350, 410, 470};

struct GridLabel {
    const char* text;
    int c;
    int y;
};

// The level scale of selector 1: the top edge and the four level lines.
constexpr GridLabel kLevelLabels[] = {
    {"20", 197, 223}, {"10", 197, 283}, {"0", 202, 343}, {"-10", 193, 403}, {"-20", 193, 463},
};

constexpr int kFrequencyLabelY = 492;
constexpr GridLabel kFrequencyLabels[] = {
    {"10       Hz", 200, kFrequencyLabelY}, {"20", 270, kFrequencyLabelY},
    {"30", 310, kFrequencyLabelY},          {"40", 338, kFrequencyLabelY},
    {"50", 359, kFrequencyLabelY},          {"60", 378, kFrequencyLabelY},
    {"80", 405, kFrequencyLabelY},          {"100", 423, kFrequencyLabelY},
    {"200", 491, kFrequencyLabelY},         {"300", 532, kFrequencyLabelY},
    {"400", 560, kFrequencyLabelY},         {"600", 599, kFrequencyLabelY},
    {"800", 627, kFrequencyLabelY},         {"1k", 653, kFrequencyLabelY},
    {"2k", 722, kFrequencyLabelY},          {"3k", 761, kFrequencyLabelY},
    {"4k", 789, kFrequencyLabelY},          {"5k", 810, kFrequencyLabelY},
    {"6k", 829, kFrequencyLabelY},          {"8k", 855, kFrequencyLabelY},
    {"10k", 876, kFrequencyLabelY},         {"20k", 942, kFrequencyLabelY},
};

struct Breakpoint {
    double hertz;
    double value;
    double slope;  // pixels per hertz up to the next breakpoint
};

// Measured off the grid, one row per grid line. The small steps at 300, 400,
// 600, 800 and 8000 Hz (the segment below ends a pixel or two away from the
// breakpoint's own value) are part of the mapping and are kept.
constexpr std::array<Breakpoint, 28> kBreakpoints{{
    {10, 586, 6.8},     {20, 518, 4.0},     {30, 478, 2.8},     {40, 450, 2.0},
    {50, 430, 1.9},     {60, 411, 1.4},     {70, 397, 1.4},     {80, 383, 1.0},
    {90, 373, 1.0},     {100, 363, 0.68},   {200, 295, 0.41},   {300, 253, 0.27},
    {400, 225, 0.19},   {500, 206, 0.19},   {600, 186, 0.13},   {700, 173, 0.13},
    {800, 158, 0.11},   {900, 147, 0.1},    {1000, 137, 0.069}, {2000, 68, 0.037},
    {3000, 31, 0.029},  {4000, 2, 0.021},   {5000, -19, 0.02},  {6000, -39, 0.013},
    {7000, -52, 0.012}, {8000, -65, 0.012}, {9000, -77, 0.01},  {10000, -87, 0.0067},
}};
// The last segment runs from 10 kHz up to, but not including, this.
constexpr double kTopEnd = 20001.0;
constexpr double kBottomEnd = 9.0;

}  // namespace

int DrawFrequencyGrid(tk::Window window, int levelScale, double offset) {
    if (offset == kNoGraph) return 0;

    const int left = X(offset, kGridLeft);
    const int right = X(offset, kGridRight);

    tk::FillBox(window, X(offset, 177), 198, 796, 305, kGridWhite);

    for (const FrequencyLine& line : kFrequencyLines) {
        int x = X(offset, line.c);
        tk::DrawLine(window, x, kGridTop, x, kGridBottom, line.colour);
    }

    tk::DrawLine(window, left, kGridTop, right, kGridTop, kGridBlack);
    // The fine rules run over the vertical lines and reach below the bottom
    // edge (the last one sits at y 493).
    for (int y = 235; y < 495; y += 6) tk::DrawLine(window, left, y, right, y, kFineRule);
    for (int y : kLevelLines) tk::DrawLine(window, left, y, right, y, kLevelLine);
    tk::DrawLine(window, left, kGridBottom, right, kGridBottom, kGridBlack);

    tk::Font small = AppFont(FontRole::Small);
    if (levelScale == 1) DrawLevelScale(window, offset);
    // The unit stays put whatever the shift.
    tk::DrawString(window, 178, 313, "dB", kGridBlack, small, 0);
    for (const GridLabel& label : kFrequencyLabels)
        tk::DrawString(window, X(offset, label.c), label.y, label.text, kGridBlack, small, 0);
    return 0;
}

void DrawLevelScale(tk::Window window, double offset) {
    for (const GridLabel& label : kLevelLabels)
        tk::DrawString(window, X(offset, label.c), label.y, label.text, kGridBlack,
                       AppFont(FontRole::Small), 0);
}

int FrequencyToGraphOffset(double hertz) {
    double value = kOutOfRange;
    // NaN fails every comparison and keeps -600; so do 9 <= f < 10 and 20001.
    if (!(hertz < kBottomEnd) && !(hertz > kTopEnd)) {
        for (std::size_t i = 0; i < kBreakpoints.size(); ++i) {
            const Breakpoint& row = kBreakpoints[i];
            double next = i + 1 < kBreakpoints.size() ? kBreakpoints[i + 1].hertz : kTopEnd;
            if (hertz == row.hertz) {
                value = row.value;
                break;
            }
            if (hertz > row.hertz && hertz < next) {
                value = row.value - (hertz - row.hertz) * row.slope;
                break;
            }
        }
    }
    // Within 10..20001 Hz the value stays between about -155 and 586.
    return static_cast<int>(std::trunc(value));
}
