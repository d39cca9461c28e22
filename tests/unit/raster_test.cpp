// Pixel rules of the canvas: exact pixel sets of lines, boxes and ellipses,
// clipping, and no writes outside the image or into the row padding.
#include "toolkit/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kBackground = 0xC8C8C8;
constexpr std::uint8_t kPadding = 0x5A;

using Point = std::pair<int, int>;

// An image with padding at the end of every row, so that stride mistakes and
// writes past the right edge show up.
struct TestImage {
    std::vector<std::uint8_t> bytes;
    RasterImage raster;

    TestImage(int width, int height, std::uint32_t background = kBackground)
    {
        const int stride = width * 3 + 7;
        bytes.assign(static_cast<std::size_t>(stride) * height, kPadding);
        raster = RasterImage{bytes.data(), width, height, stride};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = &bytes[static_cast<std::size_t>(y) * stride + x * 3];
                p[0] = background & 0xFF;
                p[1] = (background >> 8) & 0xFF;
                p[2] = (background >> 16) & 0xFF;
            }
    }

    std::uint32_t At(int x, int y) const { return RasterPixel(raster, x, y); }

    // Pixels that differ from the background, whole image.
    std::set<Point> Changed(std::uint32_t background = kBackground) const
    {
        std::set<Point> out;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x)
                if (At(x, y) != background)
                    out.insert({x, y});
        return out;
    }

    std::set<Point> WithColour(std::uint32_t colour) const
    {
        std::set<Point> out;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x)
                if (At(x, y) == colour)
                    out.insert({x, y});
        return out;
    }

    bool PaddingIntact() const
    {
        for (int y = 0; y < raster.height; ++y)
            for (int i = raster.width * 3; i < raster.stride; ++i)
                if (bytes[static_cast<std::size_t>(y) * raster.stride + i] != kPadding)
                    return false;
        return true;
    }
};

std::set<Point> Box(int x, int y, int width, int height)
{
    std::set<Point> out;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            out.insert({i, j});
    return out;
}

// The part of a figure drawn on a large image that falls inside a smaller
// image placed at (left, top) in it.
std::set<Point> Window(const std::set<Point>& pixels, int left, int top, int width, int height)
{
    std::set<Point> out;
    for (auto [x, y] : pixels)
        if (x >= left && x < left + width && y >= top && y < top + height)
            out.insert({x - left, y - top});
    return out;
}

// ---- Boxes -------------------------------------------------------------------

TEST(RasterFill, SetsExactlyWidthTimesHeightPixels)
{
    TestImage image(1000, 600);
    RasterFill(image.raster, 300, 385, 20, 5, 0xFFFFFF);
    EXPECT_EQ(image.Changed(), Box(300, 385, 20, 5));
    EXPECT_TRUE(image.PaddingIntact());

    TestImage one(10, 10);
    RasterFill(one.raster, 4, 6, 1, 1, 0);
    EXPECT_EQ(one.Changed(), Box(4, 6, 1, 1));
}

TEST(RasterFill, ColourBytesAreRedGreenBlue)
{
    TestImage image(4, 3);
    RasterFill(image.raster, 0, 0, 4, 3, 0x00336699);   // R 0x99, G 0x66, B 0x33
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t* p = &image.bytes[static_cast<std::size_t>(y) * image.raster.stride + x * 3];
            ASSERT_EQ(p[0], 0x99);
            ASSERT_EQ(p[1], 0x66);
            ASSERT_EQ(p[2], 0x33);
            ASSERT_EQ(image.At(x, y), 0x336699u);
        }
    EXPECT_TRUE(image.PaddingIntact());
}

TEST(RasterFill, ClipsAtEveryEdgeAndIgnoresEmptyBoxes)
{
    TestImage image(50, 40);
    RasterFill(image.raster, -5, -3, 10, 8, 0x0000FF);
    RasterFill(image.raster, 45, 35, 100, 100, 0x0000FF);
    EXPECT_EQ(image.Changed(), [] {
        auto s = Box(0, 0, 5, 5);
        s.merge(Box(45, 35, 5, 5));
        return s;
    }());
    EXPECT_TRUE(image.PaddingIntact());

    TestImage empty(50, 40);
    RasterFill(empty.raster, 10, 10, 0, 5, 0);
    RasterFill(empty.raster, 10, 10, 5, 0, 0);
    RasterFill(empty.raster, 10, 10, -5, 5, 0);
    RasterFill(empty.raster, 10, 10, 5, INT_MIN, 0);
    RasterFill(empty.raster, 50, 0, 10, 10, 0);    // just right of the image
    RasterFill(empty.raster, 0, -10, 10, 10, 0);   // just above it
    EXPECT_TRUE(empty.Changed().empty());
}

TEST(RasterFill, ExtremeCoordinatesDoNotOverflow)
{
    TestImage image(30, 20);
    RasterFill(image.raster, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0);
    RasterFill(image.raster, INT_MIN, 0, INT_MAX, 20, 0);   // ends at x = -1
    EXPECT_TRUE(image.Changed().empty());
    RasterFill(image.raster, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0);   // ends at -2
    EXPECT_TRUE(image.Changed().empty());
    RasterFill(image.raster, -1000000, 5, INT_MAX, 2, 0x00FF00);
    EXPECT_EQ(image.Changed(), Box(0, 5, 30, 2));
    EXPECT_TRUE(image.PaddingIntact());
}

// ---- Lines -------------------------------------------------------------------

// A line of any slope: max(|dx|, |dy|) pixels, the first at the start, none at
// the end, one per step along the major axis, 8-connected and within half a
// pixel of the exact line along the minor axis.
void ExpectWellFormedLine(const std::set<Point>& pixels, int x1, int y1, int x2, int y2)
{
    SCOPED_TRACE(testing::Message() << "line " << x1 << "," << y1 << " -> " << x2 << "," << y2);
    const int dx = x2 - x1, dy = y2 - y1;
    const int n = std::max(std::abs(dx), std::abs(dy));
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(n));
    if (n == 0)
        return;
    EXPECT_TRUE(pixels.count({x1, y1}));
    EXPECT_FALSE(pixels.count({x2, y2}));
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    Point previous{x1, y1};
    for (int i = 0; i < n; ++i) {
        // Exactly one pixel at each step's major coordinate.
        std::vector<Point> atStep;
        for (auto p : pixels) {
            const int major = xMajor ? p.first : p.second;
            const int expected = xMajor ? x1 + (dx > 0 ? i : -i) : y1 + (dy > 0 ? i : -i);
            if (major == expected)
                atStep.push_back(p);
        }
        ASSERT_EQ(atStep.size(), 1u) << "step " << i;
        const Point p = atStep[0];
        EXPECT_LE(std::abs(p.first - previous.first), 1) << "step " << i;
        EXPECT_LE(std::abs(p.second - previous.second), 1) << "step " << i;
        const double exact = xMajor ? y1 + double(dy) * i / n : x1 + double(dx) * i / n;
        EXPECT_LE(std::abs((xMajor ? p.second : p.first) - exact), 0.5 + 1e-9) << "step " << i;
        previous = p;
    }
}

TEST(RasterLine, HorizontalLineLeavesOutItsEndPoint)
{
    TestImage image(1000, 600);
    RasterLine(image.raster, 340, 295, 450, 295, 0);
    EXPECT_EQ(image.Changed(), Box(340, 295, 110, 1));
    EXPECT_TRUE(image.PaddingIntact());

    TestImage backwards(1000, 600);
    RasterLine(backwards.raster, 450, 295, 340, 295, 0);
    EXPECT_EQ(backwards.Changed(), Box(341, 295, 110, 1));
}

TEST(RasterLine, PointToItselfSetsNothing)
{
    TestImage image(20, 20);
    RasterLine(image.raster, 7, 9, 7, 9, 0);
    RasterLine(image.raster, 0, 0, 0, 0, 0);
    RasterLine(image.raster, INT_MIN, INT_MAX, INT_MIN, INT_MAX, 0);
    EXPECT_TRUE(image.Changed().empty());
}

TEST(RasterLine, EverySlopeAndDirectionIsWellFormed)
{
    const std::vector<Point> ends = {{70, 40}, {40, 70}, {10, 40}, {40, 10}, {41, 40},
                                     {40, 41}, {39, 39}, {75, 75}, {5, 75}, {77, 41},
                                     {0, 79}, {79, 0}, {43, 79}, {67, 51}, {12, 33}};
    for (auto [x2, y2] : ends) {
        TestImage image(80, 80);
        RasterLine(image.raster, 40, 40, x2, y2, 0);
        ExpectWellFormedLine(image.Changed(), 40, 40, x2, y2);
        EXPECT_TRUE(image.PaddingIntact());
    }
}

TEST(RasterLine, VerticalAndDiagonalLinesAreExact)
{
    TestImage vertical(30, 30);
    RasterLine(vertical.raster, 12, 25, 12, 3, 0);
    EXPECT_EQ(vertical.Changed(), Box(12, 4, 1, 22));

    TestImage diagonal(30, 30);
    RasterLine(diagonal.raster, 2, 27, 22, 7, 0);
    std::set<Point> expected;
    for (int i = 0; i < 20; ++i)
        expected.insert({2 + i, 27 - i});
    EXPECT_EQ(diagonal.Changed(), expected);
}

// A clipped line sets exactly those pixels of the unclipped line that fall in
// the image, wherever the end points lie.
TEST(RasterLine, ClippingKeepsThePixelsOfTheWholeLine)
{
    const int pad = 300;
    const std::vector<std::vector<int>> lines = {
        {-50, 10, 70, 30},   {-200, -150, 90, 95}, {35, -250, 5, 120}, {10, 10, 250, 45},
        {79, 59, -30, -7},   {-10, 200, 200, -10}, {-299, 30, 150, 31}, {40, -1, 40, 61},
        {-1, 20, 81, 20},    {-280, -290, 290, 280},
        {-3, 5, 97, 55},     {-7, -1, 93, 49}};   // exact halves every other step
    for (const auto& l : lines) {
        SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " -> " << l[2] << "," << l[3]);
        TestImage small(80, 60);
        TestImage large(80 + 2 * pad, 60 + 2 * pad);
        RasterLine(small.raster, l[0], l[1], l[2], l[3], 0x0000FF);
        RasterLine(large.raster, l[0] + pad, l[1] + pad, l[2] + pad, l[3] + pad, 0x0000FF);
        EXPECT_EQ(small.Changed(), Window(large.Changed(), pad, pad, 80, 60));
        EXPECT_TRUE(small.PaddingIntact());
    }
}

TEST(RasterLine, LinesFarOutsideTouchNothing)
{
    TestImage image(100, 60);
    RasterLine(image.raster, -10000, 30, -20, 30, 0);
    RasterLine(image.raster, -10000, -5, 10000, -5, 0);
    RasterLine(image.raster, 100, -10000, 100, 10000, 0);
    RasterLine(image.raster, -10000, -10000, 10000, -9000, 0);
    RasterLine(image.raster, 0, 60, 10000, 10000, 0);   // starts just below
    EXPECT_TRUE(image.Changed().empty());
}

TEST(RasterLine, ExtremeCoordinatesStayBoundedAndExact)
{
    TestImage image(100, 60);
    RasterLine(image.raster, INT_MIN, 30, INT_MAX, 30, 0);
    EXPECT_EQ(image.Changed(), Box(0, 30, 100, 1));

    // Slope exactly 1 through the origin: the diagonal pixels (k, k).
    TestImage diagonal(100, 60);
    RasterLine(diagonal.raster, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0);
    std::set<Point> expected;
    for (int k = 0; k < 60; ++k)
        expected.insert({k, k});
    EXPECT_EQ(diagonal.Changed(), expected);

    // Steep and shallow lines spanning the whole int range: one pixel per
    // row (or column) along the way, and no writes outside.
    TestImage steep(100, 60);
    RasterLine(steep.raster, 40, INT_MIN, 60, INT_MAX, 0);
    EXPECT_EQ(steep.Changed().size(), 60u);
    TestImage shallow(100, 60);
    RasterLine(shallow.raster, INT_MAX, 20, INT_MIN, 40, 0);
    EXPECT_EQ(shallow.Changed().size(), 100u);
    EXPECT_TRUE(steep.PaddingIntact() && shallow.PaddingIntact());
}

// ---- Ellipses ----------------------------------------------------------------

constexpr std::uint32_t kOutline = 0x0000FF;
constexpr std::uint32_t kFill = 0x00FF00;

// The shape rules every ellipse obeys, checked on a drawing with distinct
// outline and fill colours at (x, y) in an image with room around the box.
void ExpectWellFormedEllipse(const TestImage& image, int x, int y, int w, int h)
{
    SCOPED_TRACE(testing::Message() << "ellipse " << w << " x " << h);
    const auto figure = image.Changed();
    const auto outline = image.WithColour(kOutline);
    ASSERT_FALSE(figure.empty());
    auto inFigure = [&](int px, int py) { return figure.count({px, py}) > 0; };

    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (auto [px, py] : figure) {
        minX = std::min(minX, px), maxX = std::max(maxX, px);
        minY = std::min(minY, py), maxY = std::max(maxY, py);
        // Symmetric about both axes of the box.
        ASSERT_TRUE(inFigure(2 * x + w - 1 - px, py)) << px << "," << py;
        ASSERT_TRUE(inFigure(px, 2 * y + h - 1 - py)) << px << "," << py;
        if (w == h) {
            ASSERT_TRUE(inFigure(x + (py - y), y + (px - x))) << px << "," << py;
        }
    }
    // Inside the box and touching all four sides.
    EXPECT_EQ(minX, x);
    EXPECT_EQ(maxX, x + w - 1);
    EXPECT_EQ(minY, y);
    EXPECT_EQ(maxY, y + h - 1);

    // Each row is one unbroken span.
    for (int py = y; py < y + h; ++py) {
        int first = INT_MAX, last = INT_MIN, count = 0;
        for (int px = x; px < x + w; ++px)
            if (inFigure(px, py))
                first = std::min(first, px), last = std::max(last, px), ++count;
        ASSERT_EQ(count, last - first + 1) << "row " << py;
    }

    // The outline is exactly the figure's pixels with a 4-neighbour outside
    // it: one pixel thick, and nothing inside is left in the outline colour.
    std::set<Point> border;
    for (auto [px, py] : figure)
        if (!inFigure(px - 1, py) || !inFigure(px + 1, py) || !inFigure(px, py - 1) ||
            !inFigure(px, py + 1))
            border.insert({px, py});
    EXPECT_EQ(outline, border);
    for (auto p : figure)
        if (!border.count(p)) {
            ASSERT_EQ(image.At(p.first, p.second), kFill);
        }

    // Closed: a 4-connected walk from outside the box that avoids the outline
    // never reaches a fill pixel.
    std::set<Point> seen;
    std::vector<Point> todo = {{x - 1, y - 1}};
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        if (px < x - 1 || px > x + w || py < y - 1 || py > y + h || seen.count({px, py}) ||
            outline.count({px, py}))
            continue;
        seen.insert({px, py});
        ASSERT_FALSE(inFigure(px, py)) << "leak at " << px << "," << py;
        todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
}

TEST(RasterEllipse, ApplicationDiscIsAWellFormedEllipse)
{
    TestImage image(1000, 600);
    RasterEllipse(image.raster, 400, 270, 150, 150, kOutline, kFill);
    ExpectWellFormedEllipse(image, 400, 270, 150, 150);
    EXPECT_EQ(image.At(475, 345), kFill);
    EXPECT_EQ(image.At(400, 345), kOutline);
    EXPECT_EQ(image.At(400, 270), kBackground);   // corners stay clear
    EXPECT_EQ(image.At(549, 419), kBackground);
    EXPECT_TRUE(image.PaddingIntact());

    // One colour for both gives a solid disc of the same pixels.
    TestImage solid(1000, 600);
    RasterEllipse(solid.raster, 400, 270, 150, 150, 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(solid.WithColour(0xFFFFFF), image.Changed());
}

TEST(RasterEllipse, AllBoxShapesAreWellFormed)
{
    const std::vector<Point> sizes = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 4}, {5, 3},
                                      {6, 2}, {7, 8},  {10, 10}, {13, 5}, {100, 2}, {2, 90},
                                      {31, 1}, {1, 31}, {40, 41}, {61, 24}, {90, 90}};
    for (auto [w, h] : sizes) {
        TestImage image(w + 10, h + 10);
        RasterEllipse(image.raster, 5, 5, w, h, kOutline, kFill);
        ExpectWellFormedEllipse(image, 5, 5, w, h);
        EXPECT_TRUE(image.PaddingIntact());
    }
}

TEST(RasterEllipse, TinyAndEmptyBoxes)
{
    TestImage one(5, 5);
    RasterEllipse(one.raster, 2, 3, 1, 1, kOutline, kFill);
    EXPECT_EQ(one.Changed(), Box(2, 3, 1, 1));
    EXPECT_EQ(one.At(2, 3), kOutline);

    TestImage two(5, 5);
    RasterEllipse(two.raster, 1, 1, 2, 1, kOutline, kFill);
    EXPECT_EQ(two.WithColour(kOutline), Box(1, 1, 2, 1));
    EXPECT_EQ(two.Changed().size(), 2u);

    TestImage empty(20, 20);
    RasterEllipse(empty.raster, 5, 5, 0, 10, kOutline, kFill);
    RasterEllipse(empty.raster, 5, 5, 10, 0, kOutline, kFill);
    RasterEllipse(empty.raster, 5, 5, -3, 4, kOutline, kFill);
    RasterEllipse(empty.raster, 20, 5, 4, 4, kOutline, kFill);
    RasterEllipse(empty.raster, 5, -4, 4, 4, kOutline, kFill);
    EXPECT_TRUE(empty.Changed().empty());
}

TEST(RasterEllipse, ClippingKeepsThePixelsOfTheWholeEllipse)
{
    const int pad = 200;
    const std::vector<std::vector<int>> boxes = {
        {-30, -20, 80, 60}, {50, 30, 100, 100}, {-150, 10, 190, 30}, {-10, -10, 100, 80},
        {79, 59, 5, 5},     {-4, 25, 5, 9}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(testing::Message() << b[0] << "," << b[1] << " " << b[2] << "x" << b[3]);
        TestImage small(80, 60);
        TestImage large(80 + 2 * pad, 60 + 2 * pad);
        RasterEllipse(small.raster, b[0], b[1], b[2], b[3], kOutline, kFill);
        RasterEllipse(large.raster, b[0] + pad, b[1] + pad, b[2], b[3], kOutline, kFill);
        EXPECT_EQ(small.WithColour(kOutline), Window(large.WithColour(kOutline), pad, pad, 80, 60));
        EXPECT_EQ(small.WithColour(kFill), Window(large.WithColour(kFill), pad, pad, 80, 60));
        EXPECT_TRUE(small.PaddingIntact());
    }
}

TEST(RasterEllipse, HugeBoxesAreClippedWithoutOverflow)
{
    // A box over the whole int range: the image lies deep inside, all fill.
    TestImage inside(60, 40);
    RasterEllipse(inside.raster, INT_MIN / 2, INT_MIN / 2, INT_MAX, INT_MAX, kOutline, kFill);
    EXPECT_EQ(inside.WithColour(kFill), Box(0, 0, 60, 40));

    // Its left edge at x = 0: the middle rows start with the outline there.
    TestImage edge(60, 40);
    RasterEllipse(edge.raster, 0, -1000000000, 2000000000, 2000000000, kOutline, kFill);
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(edge.At(0, y), kOutline) << y;
    EXPECT_EQ(edge.At(59, 20), kFill);
    EXPECT_TRUE(edge.PaddingIntact());

    TestImage none(60, 40);
    RasterEllipse(none.raster, INT_MAX, INT_MAX, INT_MAX, INT_MAX, kOutline, kFill);
    RasterEllipse(none.raster, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kOutline, kFill);
    EXPECT_TRUE(none.Changed().empty());
}

}  // namespace
