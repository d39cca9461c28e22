// The page backdrop in its modes, the splash, and the hiding of controls.
#include "app_fixture.h"

#include "app/backdrop.h"
#include "app/graph.h"
#include "toolkit/draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr long kSentinel = 0x123456, kBlackPx = 0, kWhitePx = 0xFFFFFF, kPanel = 0xEBEBEB;
constexpr long kWindow = 0xF0F0F0, kOuter = 0x7D7D7D, kInner = 0x7A7A7A, kLight = 0xC8C8C8;

// Draws onto a canvas painted in the sentinel colour, hiding older texts.
void Draw(int mode, double offset, int splash = 0) {
    Window w = TheApp();
    SetDrawTarget(w, "MEMORY");
    SetMemoryDC(g_shell.canvas);
    FillBox(w, 0, 0, 1000, 600, kSentinel);
    const int oldMode = std::exchange(g_shell.backdropMode, mode);
    const int oldSplash = std::exchange(g_shell.splash, splash);
    DrawBackdrop(w, offset);
    g_shell.backdropMode = oldMode;
    g_shell.splash = oldSplash;
}
long Px(int x, int y) { return CanvasPixel(g_shell.canvas, x, y); }

}  // namespace

TEST(Backdrop, OutOfRangeOnlyInTheSplitModeAtExactlyItsOffsetAndTheSplashOverAll) {
    using Texts = std::vector<std::string>;
    const Texts maker = {"350 526 splash FFFFFF Made by Tulke",
                         "352 528 splash 969696 Made by Tulke"};
    const struct { int mode; double offset; int splash; Texts first; } cases[] = {
        {kModeGridSplit, -600.0, 0, {"770 400 label 000000 OUT OF RANGE"}},
        {kModeGridSplit, -599.5, 0, {}}, {kModeGridSplit, -600.5, 0, {}}, {kModeGrid, -600, 0, {}},
        {kModeGridSplit, -601.0, 0, {}}, {kModeGridSplit, 0.0, 0, {}}, {kModePlain, -600, 0, {}},
        {kModeGridSplit, -600.0, 1,
         {"380 250 splash FFFFFF SELVAQUIN", "382 252 splash 969600 SELVAQUIN"}}};
    for (const auto& c : cases) {
        Draw(c.mode, c.offset, c.splash);
        // The texts in drawing order; grid labels aside, but none under the splash.
        Texts texts;
        for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas)) {
            char line[128];
            std::snprintf(line, sizeof line, "%d %d %s %06X %s", t.x, t.y, FontRoleName(t.font),
                          static_cast<unsigned>(t.colour), t.text.c_str());
            if (c.splash || t.font != AppFont(FontRole::Small)) texts.push_back(line);
        }
        Texts expected = c.first;
        expected.insert(expected.end(), maker.begin(), maker.end());
        EXPECT_EQ(texts, expected) << c.mode << " " << c.offset << " " << c.splash;
    }
}

TEST(Backdrop, PanelsFramesMarginsAndSplashPerMode) {
    struct Pixel { int x, y; long colour; };
    const struct { int mode; double offset; int splash; std::vector<Pixel> pixels; } pages[] = {
        {kModePlain, 0, 0, {   // black top edge, panels with sunken frames, no grid
            {500, 0, kBlackPx}, {80, 20, kWhitePx}, {80, 100, kPanel}, {80, 10, kOuter},
            {80, 33, 0x969696}, {10, 505, kLight}, {500, 196, kOuter}, {973, 100, kLight},
            {500, 100, kPanel}, {659, 232, kWhitePx}, {5, 300, kSentinel}, {500, 185, kSentinel}}},
        {kModeGrid, 137, 0, {   // the shifted grid with 1 kHz under the marker
            {kMarkerColumn, 232, kLight}, {347, 232, kBlackPx}, {80, 520, kSentinel}}},
        {kModeGridSplit, 137, 0, {   // margins painted over, frames drawn again
            {kMarkerColumn, 232, kLight}, {347, 232, kWhitePx}, {608, 300, kLight},
            {620, 300, kWindow}, {641, 300, kInner}, {980, 300, kWindow}, {973, 300, kLight},
            {170, 300, kWindow}, {175, 300, kOuter}, {5, 300, kWindow}, {10, 300, kOuter},
            {80, 528, kPanel}, {80, 529, kSentinel}}},
        {kModeGridSplit, kOutOfRange, 1, {   // the splash covers all but the bottom strip
            {0, 0, kWindow}, {80, 100, kWindow}, {999, 584, kWindow}, {500, 585, kSentinel}}}};
    for (const auto& page : pages) {
        Draw(page.mode, page.offset, page.splash);
        for (auto [x, y, colour] : page.pixels)
            EXPECT_EQ(Px(x, y), colour) << page.mode << " at " << x << "," << y;
    }
    // Drawing ends with the window as the target, not the canvas.
    FillBox(TheApp(), 500, 300, 5, 5, kSentinel);
    EXPECT_EQ(Px(501, 301), kWindow);
}

TEST(Backdrop, HideAllControlsTwiceHidesEveryFieldAndOptionButNotTheCloseButton) {
    Command(1005);   // a screen with two fields
    auto fields = ProbeEditFields();
    EXPECT_TRUE(std::any_of(fields.begin(), fields.end(), [](auto& f) { return f.visible; }));
    HideAllControls(TheApp());
    HideAllControls(TheApp());
    ProbeProcessEvents();
    for (const ProbeField& f : ProbeEditFields()) EXPECT_FALSE(f.visible) << f.x << "," << f.y;
    auto buttons = ProbeButtons();
    auto isClose = [](const ProbeButton& b) { return b.handle == g_shell.closeButton; };
    EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(), isClose), 1);
    for (const ProbeButton& b : buttons) EXPECT_EQ(b.visible, isClose(b)) << b.text;
}
