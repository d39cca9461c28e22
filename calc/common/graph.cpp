// The frequency grid and the frequency-to-offset mapping.
//
// The curve and the red marker of a graph page never move; the grid does.
// Every x of the grid is drawn at offset + c, so an offset from
// FrequencyToGraphOffset puts that frequency under x 796.
#include "calc/common/graph.h"

#include "calc/common/palette.h"
#include "calc/common/shell.h"
#include "toolkit/draw.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kGridTop = 230;
constexpr int kGridBottom = 490;
constexpr int kGridLeft = 210;
constexpr int kGridRight = 950;

// offset + c. Offsets far beyond the canvas are pinned well outside it, so
// the sum never overflows; whatever lands there is cut off by the canvas
// edge anyway.
int X(int offset, int c) {
    constexpr long long kFar = 1000000;
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(offset) + c, -kFar, kFar));
}

struct FrequencyLine {
    int c;
    tk::Colour colour;
};

// 10 Hz and 20 kHz are the black edges; the decades between are grey.
constexpr FrequencyLine kFrequencyLines[] = {
    {210, kBlack},     {277, kLightGrey}, {317, kLightGrey}, {345, kLightGrey}, {366, kLightGrey},
    {385, kLightGrey}, {399, kLightGrey}, {412, kLightGrey}, {423, kLightGrey}, {433, kLightGrey},
    {501, kLightGrey}, {542, kLightGrey}, {570, kLightGrey}, {590, kLightGrey}, {609, kLightGrey},
    {623, kLightGrey}, {637, kLightGrey}, {649, kLightGrey}, {659, kLightGrey}, {727, kLightGrey},
    {766, kLightGrey}, {794, kLightGrey}, {815, kLightGrey}, {834, kLightGrey}, {848, kLightGrey},
    {860, kLightGrey}, {873, kLightGrey}, {883, kLightGrey}, {949, kBlack},
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

int DrawFrequencyGrid(tk::Window window, int levelScale, int offset) {
    if (offset == kNoGraph) return 0;

    const int left = X(offset, kGridLeft);
    const int right = X(offset, kGridRight);

    tk::FillBox(window, X(offset, 177), 198, 796, 305, kWhite);

    for (const FrequencyLine& line : kFrequencyLines) {
        int x = X(offset, line.c);
        tk::DrawLine(window, x, kGridTop, x, kGridBottom, line.colour);
    }

    tk::DrawLine(window, left, kGridTop, right, kGridTop, kBlack);
    // The fine rules run over the vertical lines and reach below the bottom
    // edge (the last one sits at y 493).
    for (int y = 235; y < 495; y += 6) tk::DrawLine(window, left, y, right, y, kWindowGrey);
    for (int y : kLevelLines) tk::DrawLine(window, left, y, right, y, kLevelGrey);
    tk::DrawLine(window, left, kGridBottom, right, kGridBottom, kBlack);

    tk::Font small = AppFont(FontRole::Small);
    if (levelScale == 1) DrawLevelScale(window, offset);
    // The unit stays put whatever the shift.
    tk::SetTextKind(tk::TextKind::Figure);
    tk::DrawString(window, 178, 313, "dB", kBlack, small, 0);
    for (const GridLabel& label : kFrequencyLabels)
        tk::DrawString(window, X(offset, label.c), label.y, label.text, kBlack, small, 0);
    tk::SetTextKind(tk::TextKind::Caption);
    return 0;
}

void DrawLevelScale(tk::Window window, int offset) {
    tk::SetTextKind(tk::TextKind::Figure);
    for (const GridLabel& label : kLevelLabels)
        tk::DrawString(window, X(offset, label.c), label.y, label.text, kBlack,
                       AppFont(FontRole::Small), 0);
    tk::SetTextKind(tk::TextKind::Caption);
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
