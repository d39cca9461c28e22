// The page backdrop in its modes, the splash, and the hiding of controls.
#include "app_fixture.h"

#include "app/backdrop.h"
#include "app/graph.h"
#include "app/screens.h"
#include "app/shell.h"
#include "toolkit/draw.h"
#include "toolkit/probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr long kPanelGrey = 0xEBEBEB;
constexpr long kWhitePx = 0xFFFFFF;
constexpr long kWindowGrey = 0xF0F0F0;
constexpr long kOuter = 0x7D7D7D;
constexpr long kInner = 0x7A7A7A;
constexpr long kTitleRule = 0x969696;
constexpr long kLight = 0xC8C8C8;
constexpr long kSentinel = 0x123456;

// Draws the backdrop in `mode` with the splash off (or on), putting the shell
// state back afterwards.
class BackdropTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = TheApp();
        savedMode_ = g_shell.backdropMode;
        savedSplash_ = g_shell.splash;
    }
    void TearDown() override {
        g_shell.backdropMode = savedMode_;
        g_shell.splash = savedSplash_;
    }

    void Draw(int mode, double offset, int splash = 0) {
        g_shell.backdropMode = mode;
        g_shell.splash = splash;
        DrawBackdrop(window_, offset);
    }
    // Paints the whole canvas so that leftovers of earlier pages show.
    void Clear() {
        SetDrawTarget(window_, "MEMORY");
        SetMemoryDC(g_shell.canvas);
        FillBox(window_, 0, 0, 1000, 600, kSentinel);
        SetDrawTarget(window_, "CLIENT");
    }
    long Px(int x, int y) const { return CanvasPixel(g_shell.canvas, x, y); }
    int CountTexts(const std::string& text) const {
        int n = 0;
        for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas))
            if (t.text == text) ++n;
        return n;
    }
    const CanvasText* Text(const std::string& text, int x, int y) {
        texts_ = VisibleCanvasTexts(g_shell.canvas);
        for (const CanvasText& t : texts_)
            if (t.text == text && t.x == x && t.y == y) return &t;
        return nullptr;
    }

    Window window_ = nullptr;
    int savedMode_ = 0;
    int savedSplash_ = 0;
    std::vector<CanvasText> texts_;
};

}  // namespace

TEST_F(BackdropTest, PanelsAndSunkenFrames) {
    Clear();
    Draw(kModePlain, 0.0);
    EXPECT_EQ(Px(500, 0), 0x000000);
    // Left panel with its white title strip.
    EXPECT_EQ(Px(80, 20), kWhitePx);
    EXPECT_EQ(Px(80, 100), kPanelGrey);
    EXPECT_EQ(Px(80, 10), kOuter);
    EXPECT_EQ(Px(80, 11), kInner);
    EXPECT_EQ(Px(80, 33), kTitleRule);
    EXPECT_EQ(Px(10, 33), kOuter);    // the left edge is drawn after the rule
    EXPECT_EQ(Px(10, 504), kOuter);
    EXPECT_EQ(Px(10, 505), kLight);   // the bottom edge comes last
    EXPECT_EQ(Px(11, 300), kInner);
    EXPECT_EQ(Px(80, 505), kLight);
    EXPECT_EQ(Px(165, 10), kLight);
    EXPECT_EQ(Px(165, 505), kLight);
    EXPECT_EQ(Px(166, 300), kSentinel);
    // Upper right panel.
    EXPECT_EQ(Px(500, 100), kPanelGrey);
    EXPECT_EQ(Px(175, 100), kOuter);
    EXPECT_EQ(Px(176, 100), kInner);
    EXPECT_EQ(Px(500, 179), kLight);
    EXPECT_EQ(Px(973, 100), kLight);
    EXPECT_EQ(Px(500, 185), kSentinel);
    // Lower right panel, white and without a grid in the plain mode.
    EXPECT_EQ(Px(500, 196), kOuter);
    EXPECT_EQ(Px(500, 197), kInner);
    EXPECT_EQ(Px(176, 504), kInner);
    EXPECT_EQ(Px(176, 505), kLight);
    EXPECT_EQ(Px(500, 505), kLight);
    EXPECT_EQ(Px(973, 300), kLight);
    EXPECT_EQ(Px(210, 300), kWhitePx);
    EXPECT_EQ(Px(659, 232), kWhitePx);
    // Outside the panels nothing is painted but the maker line.
    EXPECT_EQ(Px(5, 300), kSentinel);
    EXPECT_EQ(Px(990, 300), kSentinel);
    EXPECT_EQ(Px(500, 590), kSentinel);
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 0);
}

TEST_F(BackdropTest, MakerLineIsRaisedAtTheBottom) {
    Clear();
    Draw(kModePlain, 0.0);
    const CanvasText* shadow = Text("Made by Tulke", 350, 526);
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->colour, 0xFFFFFFu);
    const CanvasText* face = Text("Made by Tulke", 352, 528);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->colour, 0x969696u);
    EXPECT_EQ(face->font, AppFont(FontRole::Splash));
}

TEST_F(BackdropTest, OutOfRangeOnlyOnTheSplitGraphPage) {
    Draw(kModeGridSplit, kOutOfRange);
    const CanvasText* t = Text("OUT OF RANGE", 770, 400);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->colour, 0u);
    EXPECT_EQ(t->font, AppFont(FontRole::Label));
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 1);

    // The panel fill covers the old text; the other modes write none.
    Draw(kModeGrid, kOutOfRange);
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 0);
    Draw(kModePlain, kOutOfRange);
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 0);
    Draw(kModeGridSplit, kOutOfRange + 1.0);
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 0);
    Draw(kModeGridSplit, 0.0);
    EXPECT_EQ(CountTexts("OUT OF RANGE"), 0);
}

TEST_F(BackdropTest, GridPageShowsTheShiftedGridAcrossTheLowerPanel) {
    Clear();
    Draw(kModeGrid, 137.0);
    EXPECT_EQ(Px(kMarkerColumn, 232), kLight);   // 1 kHz under the marker
    EXPECT_EQ(Px(347, 232), 0x000000);            // 10 Hz
    EXPECT_EQ(Px(500, 290), 0xAAAAAA);
    // The left panel stops at its frame: nothing below y 506.
    EXPECT_EQ(Px(80, 520), kSentinel);
}

TEST_F(BackdropTest, SplitGraphPageRepaintsMarginsAndFrames) {
    Clear();
    Draw(kModeGridSplit, 137.0);
    EXPECT_EQ(Px(kMarkerColumn, 232), kLight);
    // Schematic part white, separator with its own frame.
    EXPECT_EQ(Px(347, 232), kWhitePx);
    EXPECT_EQ(Px(300, 400), kWhitePx);
    EXPECT_EQ(Px(608, 300), kLight);
    EXPECT_EQ(Px(620, 300), kWindowGrey);
    EXPECT_EQ(Px(640, 300), kWindowGrey);
    EXPECT_EQ(Px(641, 300), kInner);
    EXPECT_EQ(Px(620, 192), kWindowGrey);
    // Margins in window grey, frames drawn again where the fills cut them.
    EXPECT_EQ(Px(980, 300), kWindowGrey);
    EXPECT_EQ(Px(973, 300), kLight);
    EXPECT_EQ(Px(170, 300), kWindowGrey);
    EXPECT_EQ(Px(175, 300), kOuter);
    EXPECT_EQ(Px(176, 300), kInner);
    EXPECT_EQ(Px(5, 300), kWindowGrey);
    EXPECT_EQ(Px(10, 300), kOuter);
    EXPECT_EQ(Px(165, 300), kLight);
    // The left panel is painted again below its title strip, down to 528.
    EXPECT_EQ(Px(80, 20), kWhitePx);
    EXPECT_EQ(Px(80, 33), kTitleRule);
    EXPECT_EQ(Px(80, 300), kPanelGrey);
    EXPECT_EQ(Px(80, 528), kPanelGrey);
    EXPECT_EQ(Px(80, 529), kSentinel);
}

TEST_F(BackdropTest, SplashCoversThePageButTheBottomStrip) {
    Clear();
    Draw(kModeGridSplit, kOutOfRange, 1);
    EXPECT_EQ(Px(80, 100), kWindowGrey);
    EXPECT_EQ(Px(kMarkerColumn, 300), kWindowGrey);
    EXPECT_EQ(Px(999, 584), kWindowGrey);
    EXPECT_EQ(Px(500, 585), kSentinel);
    for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas)) {
        bool onCanvas = t.x >= 0 && t.x < 1000 && t.y >= 0 && t.y < 600;
        if (!onCanvas) continue;
        EXPECT_TRUE(t.text == "SELVAQUIN" || t.text == "Made by Tulke") << t.text;
    }
    const CanvasText* name = Text("SELVAQUIN", 382, 252);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->colour, 0x969600u);
    EXPECT_EQ(name->font, AppFont(FontRole::Splash));
    EXPECT_NE(Text("SELVAQUIN", 380, 250), nullptr);
    EXPECT_NE(Text("Made by Tulke", 352, 528), nullptr);

    // Without the flag the panels come back and the name is gone.
    Draw(kModePlain, 0.0);
    EXPECT_EQ(Px(80, 100), kPanelGrey);
    EXPECT_EQ(CountTexts("SELVAQUIN"), 0);
}

TEST_F(BackdropTest, EndsWithTheClientTarget) {
    Draw(kModePlain, 0.0);
    // A drawing now goes to the window, not into the canvas.
    FillBox(window_, 500, 300, 5, 5, kSentinel);
    EXPECT_EQ(Px(501, 301), kWhitePx);
}

TEST(BackdropControls, HideAllControlsHidesEveryFieldButNotTheCloseButton) {
    TheApp();
    // Show the fields of the first built screen that has any.
    int shown = 0;
    for (const ScreenEntry& entry : AllScreens()) {
        if (entry.screen == nullptr || entry.screen->fields.empty()) continue;
        Command(static_cast<WParam>(entry.id));
        shown = entry.id;
        break;
    }
    ASSERT_NE(shown, 0) << "no screen with fields is built";
    bool anyVisible = false;
    for (const ProbeField& f : ProbeEditFields()) anyVisible = anyVisible || f.visible;
    EXPECT_TRUE(anyVisible);

    HideAllControls(TheApp());
    HideAllControls(TheApp());
    ProbeProcessEvents();

    for (const ProbeField& f : ProbeEditFields()) EXPECT_FALSE(f.visible) << f.x << "," << f.y;
    bool closeSeen = false;
    for (const ProbeButton& b : ProbeButtons()) {
        if (b.handle == g_shell.closeButton) {
            closeSeen = true;
            EXPECT_TRUE(b.visible);
        } else {
            EXPECT_FALSE(b.visible) << b.text;
        }
    }
    EXPECT_TRUE(closeSeen);
}
