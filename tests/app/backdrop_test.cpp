// The frequency-to-offset mapping, the shifted grid, and the page backdrop in
// its modes with the splash (their pixels are pinned by the page snapshots).
#include "app_fixture.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "toolkit/draw.h"
#include "tools/font_roles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace tk;

namespace {

constexpr long kSentinel = 0x123456, kPxBlack = 0, kPxWhite = 0xFFFFFF, kGrey = 0xC8C8C8,
               kLevel = 0xAAAAAA;
constexpr long kFine = 0xF0F0F0, kWindow = kFine;

int Offset(double hertz) { return FrequencyToGraphOffset(hertz); }
long Px(int x, int y) { return CanvasPixel(g_shell.canvas, x, y); }
std::vector<CanvasText> Texts() { return VisibleCanvasTexts(g_shell.canvas); }
// The canvas painted in the sentinel colour, which hides older texts, as the target.
Window Blank() {
    Window w = TheApp();
    SetDrawTarget("MEMORY");
    SetMemoryDC(g_shell.canvas);
    FillBox(w, 0, 0, 1000, 600, kSentinel);
    return w;
}
void DrawGrid(int selector, int offset) {
    Window w = Blank();
    EXPECT_EQ(DrawFrequencyGrid(w, selector, offset), 0);
    SetDrawTarget("CLIENT");
}
void Draw(BackdropMode mode, int offset, bool splash = false) {
    Window w = Blank();
    const BackdropMode oldMode = std::exchange(g_shell.backdropMode, mode);
    const bool oldSplash = std::exchange(g_shell.splash, splash);
    DrawBackdrop(w, offset);
    g_shell.backdropMode = oldMode;
    g_shell.splash = oldSplash;
}

}  // namespace

TEST(GraphMapping, EveryBreakpointTheEndOfEverySegmentWorkedValuesAndTheEdges) {
    // Breakpoint frequency, the offset there, and the slope in pixels per Hz
    // from there to the next breakpoint (from 10 kHz to 20001 Hz).
    const struct {
        double hertz;
        int value;
        double slope;
    } rows[] = {{10, 586, 6.8},     {20, 518, 4.0},     {30, 478, 2.8},     {40, 450, 2.0},
                {50, 430, 1.9},     {60, 411, 1.4},     {70, 397, 1.4},     {80, 383, 1.0},
                {90, 373, 1.0},     {100, 363, 0.68},   {200, 295, 0.41},   {300, 253, 0.27},
                {400, 225, 0.19},   {500, 206, 0.19},   {600, 186, 0.13},   {700, 173, 0.13},
                {800, 158, 0.11},   {900, 147, 0.1},    {1000, 137, 0.069}, {2000, 68, 0.037},
                {3000, 31, 0.029},  {4000, 2, 0.021},   {5000, -19, 0.02},  {6000, -39, 0.013},
                {7000, -52, 0.012}, {8000, -65, 0.012}, {9000, -77, 0.01},  {10000, -87, 0.0067}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto [hertz, value, slope] = rows[i];
        const double next = i + 1 < std::size(rows) ? rows[i + 1].hertz : 20001;
        EXPECT_EQ(Offset(hertz), value) << hertz << " Hz";
        // Near the end of the segment: a thousandth of it before the end, and
        // where it passes 0.05 above a whole pixel, so that a slope a unit off in
        // its third digit, either way, moves one of them a pixel.
        const double end = value - (next - hertz) * slope;
        const double high = hertz + (value - (std::ceil(end + 0.01) - 0.05)) / slope;
        for (double inside : {next - (next - hertz) / 1000, high})
            EXPECT_EQ(Offset(inside),
                      static_cast<int>(std::trunc(value - (inside - hertz) * slope)))
                << inside << " Hz";
    }
    // Truncated toward zero; the segments below 300, 400, 600, 800 and 8000 Hz
    // end a pixel or two off the breakpoint's value.
    const struct {
        double hertz;
        int value;
    } cases[] = {{15, 552},     {1300, 116},   {1592, 96},       {4500, -8},
                 {15924, -126}, {20000, -154}, {20000.99, -154}, {299.9, 254},
                 {399.9, 226},  {599.9, 187},  {799.9, 160},     {7999.9, -63}};
    for (auto [hertz, value] : cases) EXPECT_EQ(Offset(hertz), value) << hertz << " Hz";
    const double inf = std::numeric_limits<double>::infinity();
    for (double f :
         {-inf, 0.0, 9.0, 9.5, std::nextafter(10.0, 0.0), 20001.0, 25000.0, inf, std::nan("")})
        EXPECT_EQ(Offset(f), kOutOfRange) << f << " Hz";
}

TEST(GraphMapping, EachLineLandsUnderTheMarkerAndSegmentsMeetButAtTheSteps) {
    auto line = [](int x) { return Px(x, 232) == kGrey || Px(x, 232) == kPxBlack; };
    // 10, 20 .. 90, 100, 200 .. 900, 1000, 2000 .. 10000 Hz.
    for (double f = 10; f <= 10000; f += f < 100 ? 10 : f < 1000 ? 100 : 1000) {
        DrawGrid(1, Offset(f));
        EXPECT_TRUE(line(kMarkerColumn - 1) || line(kMarkerColumn) || line(kMarkerColumn + 1)) << f;
        // Away from the steps the segment below ends on the line's own value (a
        // hair above it, so truncation toward zero adds one below zero).
        const bool step = f == 10 || f == 300 || f == 400 || f == 600 || f == 800 || f == 8000;
        EXPECT_TRUE(step || Offset(f - 0.01) == Offset(f) + (Offset(f) < 0)) << f << " Hz";
    }
}

TEST(GraphGrid, PixelsAndSmallFontLabelsAtSeveralOffsets) {
    struct Case {
        int offset;
        int x, y;
        long colour;
        const char* text = nullptr;
    };
    const Case cases[] = {{0, 177, 198, kPxWhite},
                          {0, 972, 502, kPxWhite},
                          {0, 176, 300, kSentinel},
                          {0, 210, 232, kPxBlack},
                          {0, 949, 232, kPxBlack},
                          {0, 659, 232, kGrey},
                          {0, 659, 235, kFine},
                          {0, 300, 230, kPxBlack},
                          {0, 950, 230, kPxWhite},
                          {0, 300, 490, kPxBlack},
                          {0, 300, 350, kLevel},
                          {0, 470, 493, kFine},
                          {137, kMarkerColumn, 232, kGrey},
                          {137, 347, 232, kPxBlack},
                          {137, 313, 300, kSentinel},
                          {-600, 349, 232, kPxBlack},
                          {-600, 373, 300, kSentinel},
                          // Black labels move with the grid, all but the unit.
                          {0, 200, 492, 0, "10       Hz"},
                          {0, 942, 492, 0, "20k"},
                          {0, 197, 223, 0, "20"},
                          {137, 790, 492, 0, "1k"},
                          {137, 334, 223, 0, "20"},
                          {137, 178, 313, 0, "dB"},
                          {-600, 342, 492, 0, "20k"},
                          {kNoGraph - 1, 178, 313, 0, "dB"},
                          {kNoGraph, 177, 198, kSentinel},
                          {kNoGraph, 210, 232, kSentinel}};
    for (const Case& c : cases) {
        DrawGrid(1, c.offset);
        SCOPED_TRACE(testing::Message() << c.offset << " at " << c.x << "," << c.y);
        // A pixel's colour, or the black small-font label found there once.
        int found = 0;
        for (const CanvasText& t : Texts())
            found += c.text && t.text == c.text && t.x == c.x && t.y == c.y && t.colour == 0 &&
                     t.font == AppFont(FontRole::Small);
        EXPECT_EQ(c.text ? found : Px(c.x, c.y), c.text ? 1 : c.colour);
    }
}

TEST(GraphGrid, LevelScaleOnlyForSelectorOneAndNoGraphDrawsNothing) {
    DrawGrid(1, 0);
    EXPECT_EQ(Texts().size(), 28u);
    DrawGrid(2, 0);  // no level labels, but the level lines stay
    EXPECT_EQ(Texts().size(), 23u);
    EXPECT_EQ(Px(300, 290), kLevel);
    DrawGrid(1, kNoGraph - 1);  // a far-off shift: only the unit is left on the canvas
    EXPECT_EQ(Texts().size(), 1u);
    DrawGrid(1, kNoGraph);
    EXPECT_TRUE(Texts().empty());
}

TEST(Backdrop, OutOfRangeOnlyInTheSplitModeAtExactlyItsOffsetAndTheSplashOverAll) {
    using Lines = std::vector<std::string>;
    const Lines maker = {"350 526 splash FFFFFF Made by Tulke",
                         "352 528 splash 969696 Made by Tulke"};
    const struct {
        BackdropMode mode;
        int offset;
        bool splash;
        Lines first;
    } cases[] = {{BackdropMode::GridSplit, -600, 0, {"770 400 label 000000 OUT OF RANGE"}},
                 {BackdropMode::GridSplit, -599, 0, {}},
                 {BackdropMode::Grid, -600, 0, {}},
                 {BackdropMode::GridSplit, -601, 0, {}},
                 {BackdropMode::GridSplit, 0, 0, {}},
                 {BackdropMode::Plain, -600, 0, {}},
                 {BackdropMode::GridSplit,
                  -600,
                  1,
                  {"380 250 splash FFFFFF SELVAQUIN", "382 252 splash 969600 SELVAQUIN"}}};
    for (const auto& c : cases) {
        Draw(c.mode, c.offset, c.splash);
        // The texts in drawing order; grid labels aside, but none under the splash.
        Lines texts;
        for (const CanvasText& t : Texts()) {
            char line[128];
            std::snprintf(line, sizeof line, "%d %d %s %06X %s", t.x, t.y, FontRoleName(t.font),
                          static_cast<unsigned>(t.colour), t.text.c_str());
            if (c.splash || t.font != AppFont(FontRole::Small)) texts.push_back(line);
        }
        Lines expected = c.first;
        expected.insert(expected.end(), maker.begin(), maker.end());
        EXPECT_EQ(texts, expected) << int(c.mode) << " " << c.offset << " " << c.splash;
    }
    // Drawing ends with the window as the target, not the canvas.
    FillBox(TheApp(), 500, 300, 5, 5, kSentinel);
    EXPECT_EQ(Px(501, 301), kWindow);
}
