// What the toolkit does that no page shows: the drawing target's keywords,
// an opaque text background, the raised text's offset clamped to 3, a
// failed canvas, the width of an option button.
#include "app_fixture.h"

#include "toolkit/button.h"
#include "toolkit/draw.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tk;

TEST(Toolkit, DrawingGoesWhereTheTargetKeywordPointsAndTextsToTheirPlace) {
    const Window window = TheApp();
    const MemoryDC page = SetMemoryDC(nullptr);
    const MemoryDC canvas = CreateCanvas(window, 200, 100, 0xC8C8C8);
    EXPECT_EQ(CreateCanvas(window, 0, 10, 0), nullptr);
    EXPECT_EQ(SetMemoryDC(canvas), canvas);  // the failed canvas changed nothing
    SetDrawTarget("MEMORY");
    SetDrawTarget("client");  // not a keyword: still the canvas
    FillBox(window, 100, 0, 1, 1, 0x000000);
    // Opaque: the whole cell painted; the raised copy's offset clamped to 3.
    DrawString(window, 10, 50, "ab", 0x000000, AppFont(FontRole::Label), 0xFFFFFF);
    DrawRaisedString(window, 20, 10, 7, "x", 0x969600, AppFont(FontRole::Label));
    SetDrawTarget("CLIENT");
    FillBox(window, 101, 0, 1, 1, 0x000000);  // the canvas is left alone
    EXPECT_EQ(std::vector({CanvasPixel(canvas, 100, 0), CanvasPixel(canvas, 101, 0),
                           CanvasPixel(canvas, 10, 50), CanvasPixel(canvas, 10, 63)}),
              std::vector<long>({0x000000, 0xC8C8C8, 0xFFFFFF, 0xFFFFFF}));
    std::vector<int> raised;
    for (const CanvasText& text : VisibleCanvasTexts(canvas))
        if (text.text == "x") raised.insert(raised.end(), {text.x, text.y});
    EXPECT_EQ(raised, std::vector({20, 10, 23, 13}));
    EXPECT_EQ(std::vector({RepaintWindow(window, "ERASED"), RepaintWindow(window, "UNERASED"),
                           RepaintWindow(window, "erased")}),
              std::vector({0, 0, 1}));
    SetMemoryDC(page);
}

// Sized to the text: its width and 20 for the mark.
TEST(Toolkit, AnOptionButtonIsItsTextAndTwentyPixelsWide) {
    const Window blank = CreateOptionButton(TheApp(), 20, 500, "ROUND", "", 504);
    EXPECT_EQ(GetControlGeometry(blank).width, 20);
    HideOptionButton(blank);
}
