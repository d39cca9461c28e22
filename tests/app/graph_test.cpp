// The frequency-to-offset mapping and the shifted grid drawn into the
// application's canvas.
#include "app_fixture.h"

#include "app/graph.h"
#include "app/shell.h"
#include "toolkit/draw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long kSentinel = 0x123456;
constexpr long kBlackPx = 0x000000;
constexpr long kWhitePx = 0xFFFFFF;
constexpr long kGreyLine = 0xC8C8C8;
constexpr long kFineRule = 0xF0F0F0;
constexpr long kLevelLine = 0xAAAAAA;

struct Breakpoint {
    double hertz;
    int value;
    int gridX;   // where the grid draws that frequency's line with offset 0
};
const Breakpoint kBreakpoints[] = {
    {10, 586, 210},   {20, 518, 277},   {30, 478, 317},    {40, 450, 345},
    {50, 430, 366},   {60, 411, 385},   {70, 397, 399},    {80, 383, 412},
    {90, 373, 423},   {100, 363, 433},  {200, 295, 501},   {300, 253, 542},
    {400, 225, 570},  {500, 206, 590},  {600, 186, 609},   {700, 173, 623},
    {800, 158, 637},  {900, 147, 649},  {1000, 137, 659},  {2000, 68, 727},
    {3000, 31, 766},  {4000, 2, 794},   {5000, -19, 815},  {6000, -39, 834},
    {7000, -52, 848}, {8000, -65, 860}, {9000, -77, 873},  {10000, -87, 883},
};

int Offset(double hertz) { return FrequencyToGraphOffset(TheApp(), hertz); }

// Selects the canvas and paints it all in the sentinel colour, which also
// hides every text drawn there before.
Window FreshCanvas() {
    Window w = TheApp();
    SetDrawTarget(w, "MEMORY");
    SetMemoryDC(g_shell.canvas);
    FillBox(w, 0, 0, 1000, 600, kSentinel);
    return w;
}

void DrawGrid(int selector, double offset) {
    Window w = FreshCanvas();
    EXPECT_EQ(DrawFrequencyGrid(w, selector, offset), 0);
    SetDrawTarget(w, "CLIENT");
}

long Px(int x, int y) { return CanvasPixel(g_shell.canvas, x, y); }

// Texts whose point lies on the canvas. A text drawn off the canvas is never
// covered by a fill, so earlier shifted grids may leave some behind.
std::vector<CanvasText> TextsOnCanvas() {
    std::vector<CanvasText> out;
    for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas))
        if (t.x >= 0 && t.x < 1000 && t.y >= 0 && t.y < 600) out.push_back(t);
    return out;
}

const CanvasText* FindText(const std::vector<CanvasText>& texts, const std::string& text,
                           int y = -1) {
    for (const CanvasText& t : texts)
        if (t.text == text && (y < 0 || t.y == y)) return &t;
    return nullptr;
}

// "20" and "10" are both level and frequency labels, so the row tells them
// apart.
void ExpectTextAt(const std::vector<CanvasText>& texts, const std::string& text, int x, int y) {
    const CanvasText* t = FindText(texts, text, y);
    ASSERT_NE(t, nullptr) << "no text \"" << text << "\" in row " << y;
    EXPECT_EQ(t->x, x) << text;
    EXPECT_EQ(t->colour, 0u) << text;
    EXPECT_EQ(t->font, AppFont(FontRole::Small)) << text;
}

}  // namespace

TEST(GraphMapping, EveryBreakpointGivesItsValueAndSitsUnderTheMarker) {
    for (const Breakpoint& b : kBreakpoints) {
        EXPECT_EQ(Offset(b.hertz), b.value) << b.hertz << " Hz";
        // The grid line of that frequency lands on the marker column, give
        // or take a pixel.
        EXPECT_LE(std::abs(b.gridX + b.value - kMarkerColumn), 1) << b.hertz << " Hz";
    }
}

TEST(GraphMapping, BetweenBreakpointsTheSegmentIsFollowedAndTruncated) {
    EXPECT_EQ(Offset(15), 552);
    EXPECT_EQ(Offset(1300), 116);
    EXPECT_EQ(Offset(1592), 96);      // 96.152
    EXPECT_EQ(Offset(4500), -8);      // -8.5 truncates toward zero
    EXPECT_EQ(Offset(15924), -126);   // -126.69
    EXPECT_EQ(Offset(20000), -154);
    EXPECT_EQ(Offset(20000.99), -154);
    EXPECT_EQ(Offset(10.5), 582);     // 582.6
}

TEST(GraphMapping, FrequenciesOffTheGridGiveOutOfRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double f : {-inf, -1000.0, 0.0, 8.99, 9.0, 9.5, 9.999, 20001.0, 20001.01, 25000.0, 1e12,
                     inf, std::nan("")})
        EXPECT_EQ(Offset(f), kOutOfRange) << f << " Hz";
}

TEST(GraphMapping, StepsAtSomeBreakpointsArePartOfTheMapping) {
    // Just below, the segment from beneath; at the breakpoint, its own value.
    struct Step {
        double below;
        int belowValue;
        double at;
        int atValue;
    };
    const Step steps[] = {
        {299.9, 254, 300, 253}, {399.9, 226, 400, 225}, {599.9, 187, 600, 186},
        {799.9, 160, 800, 158}, {7999.9, -63, 8000, -65},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Offset(s.below), s.belowValue) << s.below;
        EXPECT_EQ(Offset(s.at), s.atValue) << s.at;
    }
    // Elsewhere the segments meet: no jump at 1 kHz or 10 kHz.
    EXPECT_EQ(Offset(999.9), 137);
    EXPECT_EQ(Offset(9999.9), -86);
}

TEST(GraphGrid, UnshiftedGridLinesAndPanel) {
    DrawGrid(1, 0.0);
    // White panel 177..972 x 198..502.
    EXPECT_EQ(Px(177, 198), kWhitePx);
    EXPECT_EQ(Px(972, 502), kWhitePx);
    EXPECT_EQ(Px(176, 300), kSentinel);
    EXPECT_EQ(Px(973, 300), kSentinel);
    EXPECT_EQ(Px(500, 197), kSentinel);
    EXPECT_EQ(Px(500, 503), kSentinel);
    // The black edges at 10 Hz and 20 kHz, grey lines between, from y 230 to
    // 489; each shows the fine rule's light pixel every sixth row.
    EXPECT_EQ(Px(210, 232), kBlackPx);
    EXPECT_EQ(Px(210, 489), kBlackPx);
    EXPECT_EQ(Px(210, 491), kWhitePx);
    EXPECT_EQ(Px(949, 232), kBlackPx);
    EXPECT_EQ(Px(659, 232), kGreyLine);
    EXPECT_EQ(Px(277, 300), kGreyLine);
    EXPECT_EQ(Px(883, 300), kGreyLine);
    EXPECT_EQ(Px(659, 235), kFineRule);
    EXPECT_EQ(Px(660, 232), kWhitePx);
    // Top and bottom edges 210..949, level lines, fine rules down to 493.
    EXPECT_EQ(Px(300, 230), kBlackPx);
    EXPECT_EQ(Px(949, 230), kBlackPx);
    EXPECT_EQ(Px(950, 230), kWhitePx);
    EXPECT_EQ(Px(209, 230), kWhitePx);
    EXPECT_EQ(Px(300, 490), kBlackPx);
    for (int y : {290, 350, 410, 470}) EXPECT_EQ(Px(300, y), kLevelLine) << y;
    EXPECT_EQ(Px(300, 235), kFineRule);
    EXPECT_EQ(Px(300, 236), kWhitePx);
    EXPECT_EQ(Px(470, 493), kFineRule);
    EXPECT_EQ(Px(470, 499), kWhitePx);
}

TEST(GraphGrid, ShiftMovesEverythingButTheUnitLabel) {
    DrawGrid(1, 137.0);
    // 1 kHz under the marker; 10 Hz moved to 347.
    EXPECT_EQ(Px(kMarkerColumn, 232), kGreyLine);
    EXPECT_EQ(Px(347, 232), kBlackPx);
    EXPECT_EQ(Px(659, 232), kWhitePx);
    EXPECT_EQ(Px(313, 300), kSentinel);
    EXPECT_EQ(Px(314, 300), kWhitePx);
    auto texts = TextsOnCanvas();
    ExpectTextAt(texts, "1k", 790, 492);
    ExpectTextAt(texts, "20", 334, 223);
    ExpectTextAt(texts, "dB", 178, 313);
}

TEST(GraphGrid, OutOfRangeOffsetLeavesOnlyTheTopOctavesOnTheLeft) {
    DrawGrid(1, kOutOfRange);
    // The panel spans -423..372 and the 20 kHz edge stands at 349.
    EXPECT_EQ(Px(0, 300), kWhitePx);
    EXPECT_EQ(Px(372, 300), kWhitePx);
    EXPECT_EQ(Px(373, 300), kSentinel);
    EXPECT_EQ(Px(349, 232), kBlackPx);
    EXPECT_EQ(Px(283, 300), kGreyLine);   // 10 kHz
    EXPECT_EQ(Px(349, 230), kBlackPx);
    EXPECT_EQ(Px(350, 230), kWhitePx);
    auto texts = TextsOnCanvas();
    ExpectTextAt(texts, "dB", 178, 313);
    ExpectTextAt(texts, "20k", 342, 492);
}

TEST(GraphGrid, FractionalOffsetsTruncateTowardZero) {
    // 210 - 210.5 = -0.5 becomes 0, not -1: the 10 Hz edge shows at x 0.
    DrawGrid(1, -210.5);
    EXPECT_EQ(Px(0, 232), kBlackPx);
    EXPECT_EQ(Px(738, 232), kBlackPx);   // 949 - 210.5 = 738.5
    DrawGrid(1, 0.9);
    EXPECT_EQ(Px(210, 232), kBlackPx);
    EXPECT_EQ(Px(211, 232), kWhitePx);
}

TEST(GraphGrid, LabelsInTheSmallFont) {
    DrawGrid(1, 0.0);
    auto texts = TextsOnCanvas();
    EXPECT_EQ(texts.size(), 28u);
    ExpectTextAt(texts, "10       Hz", 200, 492);
    ExpectTextAt(texts, "100", 423, 492);
    ExpectTextAt(texts, "1k", 653, 492);
    ExpectTextAt(texts, "8k", 855, 492);
    ExpectTextAt(texts, "20k", 942, 492);
    ExpectTextAt(texts, "20", 197, 223);
    ExpectTextAt(texts, "0", 202, 343);
    ExpectTextAt(texts, "-20", 193, 463);
    ExpectTextAt(texts, "dB", 178, 313);
    for (const char* missing : {"70", "500", "700", "900", "7k", "9k"})
        EXPECT_EQ(FindText(texts, missing), nullptr) << missing;

    // Other selectors draw no level scale; the rest is the same.
    DrawGrid(2, 0.0);
    texts = TextsOnCanvas();
    EXPECT_EQ(texts.size(), 23u);
    EXPECT_EQ(FindText(texts, "-10"), nullptr);
    ExpectTextAt(texts, "dB", 178, 313);
    EXPECT_EQ(Px(300, 290), kLevelLine);
}

TEST(GraphGrid, NoGraphOffsetDrawsNothing) {
    DrawGrid(1, kNoGraph);
    EXPECT_TRUE(TextsOnCanvas().empty());
    for (int y = 190; y < 510; y += 3)
        for (int x = 170; x < 980; x += 7) ASSERT_EQ(Px(x, y), kSentinel) << x << "," << y;
    // A near miss is an ordinary, far-off shift: only the unit label shows.
    DrawGrid(1, kNoGraph - 1.0);
    auto texts = TextsOnCanvas();
    ExpectTextAt(texts, "dB", 178, 313);
    EXPECT_EQ(Px(500, 300), kSentinel);
}
