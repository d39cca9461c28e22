// The page every screen stands on: three panels with sunken frames, the
// frequency grid on graph pages, the splash on the start page and the maker
// line at the bottom.
#include "calc/common/backdrop.h"

#include "calc/common/graph.h"
#include "calc/common/palette.h"
#include "calc/common/shell.h"
#include "toolkit/draw.h"

#include <span>

namespace {

// The start splash covers the page down to here; the rows below keep the
// canvas's first grey.
constexpr int kPageWidth = 1000;
constexpr int kSplashHeight = 585;

struct Fill {
    int x, y, width, height;
    tk::Colour colour;
};
struct Line {
    int x1, y1, x2, y2;
    tk::Colour colour;
};

void DrawFills(tk::Window window, std::span<const Fill> fills) {
    for (const Fill& f : fills) tk::FillBox(window, f.x, f.y, f.width, f.height, f.colour);
}
void DrawLines(tk::Window window, std::span<const Line> lines) {
    for (const Line& l : lines) tk::DrawLine(window, l.x1, l.y1, l.x2, l.y2, l.colour);
}

constexpr Fill kPanels[] = {
    {10, 10, 155, 496, kPanelGrey},   // left panel
    {178, 11, 796, 168, kPanelGrey},  // upper right panel
    {178, 196, 796, 310, kWhite},     // lower right panel
    {10, 10, 155, 25, kWhite},        // title strip of the left panel
};

// Sunken frames: two dark lines top and left, one light line bottom and right.
// The left panel's frame; its second line is the inner top one.
constexpr Line kLeftPanelFrame[] = {
    {10, 10, 165, 10, kFrameOuter},  {11, 11, 164, 11, kFrameInner},
    {10, 33, 165, 33, kRuleGrey},    {10, 10, 10, 506, kFrameOuter},
    {11, 11, 11, 505, kFrameInner},  {10, 505, 165, 505, kLightGrey},
    {165, 10, 165, 506, kLightGrey},
};

constexpr Line kTopEdge = {0, 0, 1000, 0, kBlack};
constexpr Line kRightFrames[] = {
    // upper right panel
    {175, 10, 973, 10, kFrameOuter},
    {176, 11, 972, 11, kFrameInner},
    {175, 10, 175, 180, kFrameOuter},
    {176, 11, 176, 179, kFrameInner},
    {175, 179, 973, 179, kLightGrey},
    {973, 10, 973, 180, kLightGrey},
    // lower right panel
    {175, 196, 973, 196, kFrameOuter},
    {176, 197, 972, 197, kFrameInner},
    {175, 196, 175, 505, kFrameOuter},
    {176, 197, 176, 506, kFrameInner},
    {175, 505, 973, 505, kLightGrey},
    {973, 196, 973, 505, kLightGrey},
};

// The split graph page. The grid spills over the panel edges when it is
// shifted, so the margins are painted over again and the frame lines the
// fills cut are drawn once more; the steps are drawn in this order. A fill
// takes (x, y, width, height), a line (x1, y1, x2, y2).
enum class Kind { Fill, Line };
struct Step {
    Kind kind;
    int a, b, c, d;
    tk::Colour colour;
};
constexpr Step F(int x, int y, int w, int h, tk::Colour colour) {
    return {Kind::Fill, x, y, w, h, colour};
}
constexpr Step L(int x1, int y1, int x2, int y2, tk::Colour colour) {
    return {Kind::Line, x1, y1, x2, y2, colour};
}

constexpr Step kSplitPage[] = {
    // schematic part, left of the graph
    F(177, 198, 432, 307, kWhite),
    // separator between schematic and graph
    L(608, 196, 608, 505, kLightGrey),
    L(640, 196, 640, 505, kLightGrey),
    L(641, 197, 641, 506, kFrameInner),
    F(609, 190, 32, 316, kWindowGrey),
    // right margin
    F(974, 194, 20, 312, kWindowGrey),
    L(973, 196, 973, 505, kLightGrey),
    L(175, 196, 175, 505, kFrameOuter),
    L(176, 197, 176, 506, kFrameInner),
    // gap between the left panel and the lower panel
    F(151, 194, 24, 312, kWindowGrey),
    // the left panel below its title strip
    F(10, 33, 155, 496, kPanelGrey),
    L(10, 10, 165, 10, kFrameOuter),
    L(11, 11, 164, 11, kFrameInner),
    L(10, 33, 165, 33, kRuleGrey),
    // the window's left edge
    F(0, 194, 10, 312, kWindowGrey),
    L(10, 10, 10, 506, kFrameOuter),
    L(11, 11, 11, 505, kFrameInner),
    L(10, 505, 165, 505, kLightGrey),
    L(165, 10, 165, 506, kLightGrey),
    L(175, 196, 175, 505, kFrameOuter),
    L(176, 197, 176, 506, kFrameInner),
};

}  // namespace

void DrawLeftPanelFrame(tk::Window window, tk::Colour innerTop) {
    for (const Line& l : kLeftPanelFrame)
        tk::DrawLine(window, l.x1, l.y1, l.x2, l.y2,
                     &l == &kLeftPanelFrame[1] ? innerTop : l.colour);
}

void DrawBackdrop(tk::Window window, int graphOffset) {
    tk::SetDrawTarget("MEMORY");
    tk::SetMemoryDC(g_shell.canvas);

    // What earlier pages left outside the panels (a shifted grid's edge, a
    // long result's tail, a split page's left panel) goes first: every page
    // looks as it does when it is the first one opened after start, on the
    // window grey the start page leaves.
    tk::FillBox(window, 0, 0, kPageWidth, kSplashHeight, kWindowGrey);
    DrawFills(window, kPanels);
    DrawLines(window, std::span(&kTopEdge, 1));
    DrawLeftPanelFrame(window);
    DrawLines(window, kRightFrames);

    if (g_shell.backdropMode == BackdropMode::Grid) {
        DrawFrequencyGrid(window, 1, graphOffset);
    } else if (g_shell.backdropMode == BackdropMode::GridSplit) {
        DrawFrequencyGrid(window, 1, graphOffset);
        for (const Step& s : kSplitPage) {
            if (s.kind == Kind::Fill)
                tk::FillBox(window, s.a, s.b, s.c, s.d, s.colour);
            else
                tk::DrawLine(window, s.a, s.b, s.c, s.d, s.colour);
        }
        if (graphOffset == kOutOfRange)
            tk::DrawString(window, 770, 400, "OUT OF RANGE", kBlack, AppFont(FontRole::Label), 0);
    }

    if (g_shell.splash) {
        tk::FillBox(window, 0, 0, kPageWidth, kSplashHeight, kWindowGrey);
        tk::DrawRaisedString(window, 380, 250, 2, "SELVAQUIN", kSplashTeal,
                             AppFont(FontRole::Splash));
    }
    tk::DrawRaisedString(window, 350, 526, 2, "Made by Tulke", kRuleGrey,
                         AppFont(FontRole::Splash));

    tk::SetDrawTarget("CLIENT");
}
