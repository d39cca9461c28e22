// Pixel rules of the canvas: exact pixel sets, clipping, no stray writes.
#include "toolkit/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace tk;

namespace {

// 0x00BBGGRR of one pixel inside the image.
std::uint32_t RasterPixel(const RasterImage& image, int x, int y) {
    const std::uint8_t* p = image.bits + static_cast<std::ptrdiff_t>(y) * image.stride + 3 * x;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
}

using Points = std::set<std::pair<int, int>>;
using Coords = std::array<int, 4>;
constexpr std::uint32_t kBack = 0xC8C8C8, kOutline = 0x0000FF, kFill = 0x00FF00;

// A grey image with 7 grey padding bytes a row; a write into them shows as (-1, -1).
struct TestImage {
    std::vector<std::uint8_t> bytes;
    RasterImage r;
    TestImage(int w, int h)
        : bytes(std::size_t(w * 3 + 7) * h, 0xC8), r{bytes.data(), w, h, w * 3 + 7} {}
    Points Pixels(std::uint32_t colour = kBack, bool match = false) const {
        Points out;
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x)
                if ((RasterPixel(r, x, y) == colour) == match) out.insert({x, y});
            if (std::count(&bytes[y * r.stride + r.width * 3], &bytes[y * r.stride] + r.stride,
                           0xC8) != 7)
                out.insert({-1, -1});
        }
        return out;
    }
};

Points Box(int x, int y, int w, int h) {
    Points out;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) out.insert({i, j});
    return out;
}

// A box ('F'), line ('L') or ellipse ('E') in kOutline (an ellipse filled with kFill), moved by o.
void Draw(RasterImage& r, char kind, Coords a, int o = 0) {
    if (kind == 'F') RasterFill(r, a[0] + o, a[1] + o, a[2], a[3], kOutline);
    if (kind == 'L') RasterLine(r, a[0] + o, a[1] + o, a[2] + o, a[3] + o, kOutline);
    if (kind == 'E') RasterEllipse(r, a[0] + o, a[1] + o, a[2], a[3], kOutline, kFill);
}

// Exact pixels on a 100 x 60 image; extreme coordinates must not overflow.
TEST(Raster, ExactPixelSetsWithClippingAndExtremes) {
    const int m = INT_MIN, M = INT_MAX;
    Points diagonal, steep;  // steep: from the far corners, 60 rows short of a diagonal
    for (int k = 0; k < 60; ++k) diagonal.insert({k, k});
    for (int k = 0; k < 30; ++k) steep.insert({k, 30 + k});
    const struct {
        char kind;
        Coords a;
        Points changed = {}, outline = {};
    } cases[] = {
        {'F', {12, 30, 20, 5}, Box(12, 30, 20, 5)},
        {'F', {-5, -3, 10, 8}, Box(0, 0, 5, 5)},
        {'F', {95, 55, 100, 100}, Box(95, 55, 5, 5)},
        {'F', {10, 10, 0, 5}},
        {'F', {10, 10, 5, 0}},
        {'F', {10, 10, -5, 5}},
        {'F', {10, 10, 5, m}},
        {'F', {100, 0, 10, 10}},
        {'F', {0, -10, 10, 10}},
        {'F', {m, 0, M, 20}},
        {'F', {M, M, M, M}},
        {'F', {m, m, M, M}},
        {'F', {4, 6, 1, 1}, Box(4, 6, 1, 1)},
        {'F', {-1000000, 5, M, 2}, Box(0, 5, 100, 2)},
        {'F', {10, 58, M, M}, Box(10, 58, 90, 2)},
        {'L', {m, 30, M, 30}, Box(0, 30, 100, 1)},
        {'L', {M, 20, m, 40}, Box(0, 30, 100, 1)},
        {'L', {m, m, M, M}, diagonal},
        {'L', {m, m + 60, M, M}, steep},
        {'L', {M, M, m, m + 60}, steep},
        {'L', {40, m, 60, M}, Box(50, 0, 1, 60)},
        {'L', {m, M, m, M}},
        {'L', {-10000, -10000, 10000, -9000}},
        {'E', {M, M, M, M}},
        {'E', {m, m, M, M}},
        {'E', {m / 2, m / 2, M, M}, Box(0, 0, 100, 60)},
        {'E', {0, -1000000000, 2000000000, 2000000000}, Box(0, 0, 100, 60), Box(0, 0, 1, 60)}};
    for (const auto& c : cases) {
        TestImage image(100, 60);
        Draw(image.r, c.kind, c.a);
        EXPECT_EQ(image.Pixels(), c.changed) << &c - cases;
        EXPECT_EQ(image.Pixels(kOutline, true), c.kind == 'E' ? c.outline : c.changed)
            << &c - cases;
    }
}

// Ellipses as GDI draws them, read back from GDI under Wine ('#' outline, 'o' fill): one taller
// than wide stops a row short at both ends where its trace steps across on an exact tie.
TEST(Raster, TallEllipsesHaveGdisPixels) {
    const struct {
        int w, h;
        std::vector<const char*> rows;
    } cases[] = {
        {4,
         7,
         {"......", "......", "..##..", ".#oo#.", ".#oo#.", ".#oo#.", "..##..", "......",
          "......"}},
        {10, 19, {"............", ".....##.....", "....#oo#....", "...#oooo#...", "..#oooooo#..",
                  "..#oooooo#..", "..#oooooo#..", ".#oooooooo#.", ".#oooooooo#.", ".#oooooooo#.",
                  ".#oooooooo#.", ".#oooooooo#.", ".#oooooooo#.", ".#oooooooo#.", "..#oooooo#..",
                  "..#oooooo#..", "..#oooooo#..", "...#oooo#...", "....#oo#....", ".....##.....",
                  "............"}},
    };
    for (const auto& c : cases) {
        TestImage image(c.w + 2, c.h + 2);
        RasterEllipse(image.r, 1, 1, c.w, c.h, kOutline, kFill);
        std::vector<std::string> drawn;
        for (int y = 0; y < c.h + 2; ++y) {
            std::string row;
            for (int x = 0; x < c.w + 2; ++x) {
                const std::uint32_t p = RasterPixel(image.r, x, y);
                row += p == kOutline ? '#' : p == kFill ? 'o' : '.';
            }
            drawn.push_back(row);
        }
        EXPECT_EQ(drawn, std::vector<std::string>(c.rows.begin(), c.rows.end()))
            << c.w << " x " << c.h;
    }
}

// Drawn on an 80 x 60 image, a figure has there exactly the pixels of each colour it has when drawn
// whole on a large image around it. (200, 70, ...) is the application's disc at (400, 270) on the
// large one.
TEST(Raster, EveryFigureClipsLikeTheWholeFigure) {
    const int pad = 200;
    const Points view = Box(pad, pad, 80, 60);  // the small image's part of the large one
    constexpr Coords kFigures[] = {
        {-50, 10, 70, 30},   {35, -150, 5, 120},     {79, 59, -30, -7},  {-10, 200, 200, -10},
        {-199, 30, 150, 31}, {40, -1, 40, 61},       {-1, 20, 81, 20},   {-3, 5, 97, 55},
        {0, 60, 90, 90},     {-100, -110, 110, 100}, {-30, -20, 80, 60}, {50, 30, 100, 100},
        {79, 59, 5, 5},      {-4, 25, 5, 9},         {80, 5, 4, 4},      {5, -4, 4, 4},
        {5, 5, 0, 10},       {5, 5, 10, 0},          {5, 5, -3, 4},      {200, 70, 150, 150},
        {3, 2, 1, 1},        {0, 0, 2, 1},           {0, 3, 1, 2},       {0, 0, 2, 2},
        {6, 0, 3, 3},        {4, 4, 4, 4},           {0, 9, 5, 3},       {9, 0, 6, 2},
        {0, 0, 7, 8},        {20, 20, 13, 5},        {0, 4, 100, 2},     {3, 0, 2, 90},
        {50, 1, 31, 1},      {1, 50, 1, 31},         {41, 40, 40, 40},   {40, 40, 39, 39},
        {40, 40, 12, 33}};
    for (Coords a : kFigures)
        for (char kind : {'F', 'L', 'E'}) {
            SCOPED_TRACE(testing::Message() << kind << " " << testing::PrintToString(a));
            const int size =
                pad + 1 + std::max({80, a[0], a[1], a[2], a[3], a[0] + a[2], a[1] + a[3]});
            TestImage small(80, 60), large(size, size);
            Draw(small.r, kind, a);
            Draw(large.r, kind, a, pad);
            for (std::uint32_t colour : {kOutline, kFill}) {
                Points window;
                for (auto [x, y] : large.Pixels(colour, true))
                    if (view.count({x, y})) window.emplace(x - pad, y - pad);
                EXPECT_EQ(small.Pixels(colour, true), window);
            }
        }
}

}  // namespace
