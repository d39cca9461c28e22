// Pixel rules of the canvas on a plain 24-bit RGB image.
//
// The rules are GDI's, as Windows draws with a one-pixel pen: the Windows
// program draws with GDI itself, and both canvases show the same pixels.
//
// Coordinates arrive as int and everything is worked out exactly in 64 bits,
// but for the rule of ellipses in boxes beyond 65536 pixels, whose products
// reach 124 bits and are taken in 128 (see RowHalfWidth). All work is bounded
// by the image size or a constant, not by the size of the figure.
#include "toolkit/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tk {

namespace {

__extension__ typedef __int128 Wide;

using Int64 = std::int64_t;

std::uint8_t* PixelAddress(const RasterImage& image, Int64 x, Int64 y) {
    return image.bits + static_cast<std::ptrdiff_t>(y) * image.stride +
           static_cast<std::ptrdiff_t>(x) * 3;
}

bool HasPixels(const RasterImage& image) {
    return image.bits != nullptr && image.width > 0 && image.height > 0;
}

void PutPixel(std::uint8_t* p, std::uint32_t colour) {
    p[0] = static_cast<std::uint8_t>(colour);
    p[1] = static_cast<std::uint8_t>(colour >> 8);
    p[2] = static_cast<std::uint8_t>(colour >> 16);
}

// `count` pixels from `p` on in one colour. Grey levels are one memset; other
// colours write a few pixels and then double the written run with memcpy.
void FillRun(std::uint8_t* p, Int64 count, std::uint32_t colour) {
    if (count <= 0) return;
    const auto bytes = static_cast<std::size_t>(count) * 3;
    const auto r = static_cast<std::uint8_t>(colour);
    if (r == static_cast<std::uint8_t>(colour >> 8) &&
        r == static_cast<std::uint8_t>(colour >> 16)) {
        std::memset(p, r, bytes);
        return;
    }
    std::size_t done = 0;
    for (; done < bytes && done < 48; done += 3) PutPixel(p + done, colour);
    while (done < bytes) {
        const std::size_t chunk = std::min(done, bytes - done);
        std::memcpy(p + done, p, chunk);
        done += chunk;
    }
}

// Columns left .. right (inclusive) of row y, clipped to the image.
void FillRowClipped(RasterImage& image, Int64 y, Int64 left, Int64 right, std::uint32_t colour) {
    if (y < 0 || y >= image.height) return;
    left = std::max<Int64>(left, 0);
    right = std::min<Int64>(right, image.width - 1);
    if (left <= right) FillRun(PixelAddress(image, left, y), right - left + 1, colour);
}

}  // namespace

void RasterBits(RasterImage& image, long long x, long long y, const std::uint8_t* bits, int columns,
                int rows, std::uint32_t colour) {
    if (!HasPixels(image)) return;
    const Int64 first = std::clamp<Int64>(-x, 0, columns);
    const Int64 end = std::clamp<Int64>(image.width - x, 0, columns);
    const Int64 endRow = std::clamp<Int64>(image.height - y, 0, rows);
    for (Int64 row = std::clamp<Int64>(-y, 0, rows); row < endRow; ++row) {
        const Int64 start = row * columns;
        for (Int64 bit = start + first; bit < start + end; ++bit) {
            if (bits[bit / 8] == 0)
                bit |= 7;  // a byte of clear bits at once
            else if (bits[bit / 8] >> (bit % 8) & 1)
                PutPixel(PixelAddress(image, x + (bit - start), y + row), colour);
        }
    }
}

namespace {

// ---- Lines -----------------------------------------------------------------
//
// A line of n = max(|dx|, |dy|) steps sets one pixel per step i = 0 .. n-1.
// Along the major axis the coordinate moves by one each step; along the minor
// axis it is the rounded exact position, start +- i * m / n with m the minor
// distance, and an exact half goes to the lower coordinate (up for a line
// that is more wide than high, left for one more high than wide), whichever
// way the line runs: drawn either way, a line sets the same pixels but for
// its end points. Because each pixel is a function of the end points and i
// alone, a clipped line sets exactly the pixels of the unclipped one that
// fall inside the image.

void LineAlongMajor(RasterImage& image, bool xMajor, Int64 a0, int sa, Int64 b0, int sb, Int64 n,
                    Int64 m, std::uint32_t colour) {
    const Int64 aLimit = xMajor ? image.width : image.height;
    const Int64 bLimit = xMajor ? image.height : image.width;

    // Steps whose major coordinate lies inside the image; at most aLimit.
    Int64 first, end;
    if (sa > 0) {
        first = std::max<Int64>(0, -a0);
        end = std::min<Int64>(n, aLimit - a0);
    } else {
        first = std::max<Int64>(0, a0 - aLimit + 1);
        end = std::min<Int64>(n, a0 + 1);
    }
    if (first >= end) return;

    // Minor offset q(i) = i m / n rounded, kept as quotient and remainder of
    // (2 i m + n) / 2n and advanced by 2m per step. A half rounds down where
    // the minor coordinate grows, up (to the lower coordinate) where it
    // shrinks. At the first step, 2 first m + n is split as
    // 2n (first m / n) + (2 (first m % n) + n): first m stays below 2^63, as
    // `first` is at most 2^31 (the start is an int) and m below 2^32.
    const Int64 twoN = 2 * n;
    const Int64 twoM = 2 * m;
    const Int64 product = first * m;
    const Int64 part = 2 * (product % n) + n - (sb > 0 ? 1 : 0);  // 0 .. 3n
    Int64 q = product / n + part / twoN;
    Int64 rem = part % twoN;

    const std::ptrdiff_t stepA = xMajor ? 3 : image.stride;
    const std::ptrdiff_t stepB = xMajor ? image.stride : 3;
    bool entered = false;
    for (Int64 i = first; i < end; ++i) {
        const Int64 b = b0 + sb * q;
        if (b >= 0 && b < bLimit) {
            const Int64 a = a0 + sa * i;
            PutPixel(image.bits + a * stepA + b * stepB, colour);
            entered = true;
        } else if (entered) {
            break;  // the minor coordinate is monotonic: it has left for good
        }
        rem += twoM;
        if (rem >= twoN) {
            rem -= twoN;
            ++q;
        }
    }
}

// ---- Ellipses --------------------------------------------------------------
//
// GDI's ellipse in a w x h box: one of no more than one pixel either way is
// not drawn; one of one or two pixels either way is the whole box in the
// outline colour. Any other is traced in the box's right half from the end
// of the middle row outward, a step at a time, with the error of the
// midpoint test against the ellipse through the centres of the box's
// outermost pixels (the stepping of A. Zingl's ellipse rasteriser, without
// completing the tips): every row it reaches holds the outline pixels it
// stepped through at its two ends and the fill between. A tall, narrow
// ellipse may not reach its box's top and bottom rows.
//
// The trace takes a step per column and row of the box, so boxes larger than
// kTracedLimit, which no page draws, are drawn by a rule that costs a step
// per row of the image instead: the pixels whose centres lie in the ellipse
// through the box's outer edges, plus the middle row(s) and column(s), the
// outline being the pixels with a 4-neighbour outside. Both rules agree but
// for pixels the ellipse passes within a hair of.

constexpr Int64 kTracedLimit = Int64(1) << 16;

// The outline run at the left end of a row, as box columns; `outer` is -1
// for a row the trace does not reach. The right end is its mirror image.
struct OutlineRun {
    Int64 outer = -1, inner = -1;
};

// Rows 0 .. h-1 of a traced ellipse, w and h from 3 to kTracedLimit. Every
// term stays below 2^53.
std::vector<OutlineRun> TraceEllipse(Int64 w, Int64 h) {
    std::vector<OutlineRun> rows(static_cast<std::size_t>(h));
    const Int64 a = w - 1, b = h - 1, odd = b & 1;
    Int64 left = 0, right = a;                                   // outline columns, moving inward
    Int64 below = (b + 1) / 2, above = below - odd;              // rows, moving outward
    Int64 dx = 4 * (1 - a) * b * b, dy = 4 * (odd + 1) * a * a;  // error of a step across, down
    Int64 error = dx + dy + odd * a * a;
    const Int64 growX = 8 * b * b, growY = 8 * a * a;
    auto mark = [&](Int64 row) {
        if (row < 0 || row >= h) return;
        OutlineRun& run = rows[static_cast<std::size_t>(row)];
        if (run.outer < 0) run.outer = left;
        run.inner = left;
    };
    do {
        mark(below);
        mark(above);
        const Int64 twice = 2 * error;
        if (twice <= dy) {
            ++below;
            --above;
            error += dy += growY;
        }
        if (twice >= dx) {
            ++left;
            --right;
            error += dx += growX;
        }
    } while (left <= right);
    return rows;
}

struct EllipseBox {
    Int64 w, h;
};

// Half-width of row j in doubled units, for boxes beyond kTracedLimit: the
// figure covers columns ((w-1) - U) / 2 .. ((w-1) + U) / 2. The test
// U^2 h^2 <= w^2 (h^2 - v^2) takes 128 bits for every box this rule draws
// (w^2 h^2 passes 2^64 beyond kTracedLimit), and bounding the box would
// change the figure.
Int64 RowHalfWidth(const EllipseBox& box, Int64 j) {
    const Int64 v = 2 * j - (box.h - 1);
    if (v >= -1 && v <= 1) return box.w - 1;  // middle row(s)
    const Int64 parity = (box.w - 1) & 1;
    // Largest U of the right parity with U^2 h^2 <= w^2 (h^2 - v^2).
    const Wide h2 = Wide(box.h) * box.h;
    const Wide limit = Wide(box.w) * box.w * (h2 - Wide(v) * v);
    const double estimate =
        static_cast<double>(box.w) *
        std::sqrt(1.0 - (static_cast<double>(v) / box.h) * (static_cast<double>(v) / box.h));
    Int64 u = std::clamp<Int64>(static_cast<Int64>(estimate), 0, box.w - 1);
    if ((u & 1) != parity) --u;
    while (u + 2 <= box.w - 1 && Wide(u + 2) * (u + 2) * h2 <= limit) u += 2;
    while (u > parity && Wide(u) * u * h2 > limit) u -= 2;
    return std::max(u, parity);  // the middle column(s) are always in
}

void LargeEllipse(RasterImage& image, int x, int y, int width, int height, std::uint32_t outline,
                  std::uint32_t fill, Int64 firstRow, Int64 endRow) {
    const EllipseBox box{width, height};
    const Int64 centre2 = box.w - 1;  // twice the centre column, box-relative
    // Half-widths of the row above, this row and the row below; -1 for rows
    // outside the box (no pixels).
    auto halfWidth = [&](Int64 j) {
        return (j < 0 || j >= box.h) ? Int64(-1) : RowHalfWidth(box, j);
    };
    Int64 above = halfWidth(firstRow - 1);
    Int64 here = halfWidth(firstRow);
    for (Int64 j = firstRow; j < endRow; ++j) {
        const Int64 below = halfWidth(j + 1);
        const Int64 row = Int64(y) + j;
        const Int64 left = (centre2 - here) / 2;
        const Int64 right = (centre2 + here) / 2;
        // Pixels beyond the narrower neighbour row border the outside.
        const Int64 neighbour = std::min(above, below);
        if (outline == fill || neighbour < 0) {
            FillRowClipped(image, row, x + left, x + right, neighbour < 0 ? outline : fill);
        } else {
            const Int64 innerLeft =
                (centre2 - neighbour) / 2;  // first column inside both neighbours
            const Int64 innerRight = (centre2 + neighbour) / 2;
            const Int64 leftEnd = std::max(left, innerLeft - 1);
            const Int64 rightStart = std::min(right, innerRight + 1);
            if (leftEnd + 1 >= rightStart) {
                FillRowClipped(image, row, x + left, x + right, outline);
            } else {
                FillRowClipped(image, row, x + left, x + leftEnd, outline);
                FillRowClipped(image, row, x + leftEnd + 1, x + rightStart - 1, fill);
                FillRowClipped(image, row, x + rightStart, x + right, outline);
            }
        }
        above = here;
        here = below;
    }
}

}  // namespace

void RasterLine(RasterImage& image, int x1, int y1, int x2, int y2, std::uint32_t colour) {
    if (!HasPixels(image)) return;
    const Int64 dx = Int64(x2) - x1;
    const Int64 dy = Int64(y2) - y1;
    if (dx == 0 && dy == 0) return;
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const Int64 adx = dx < 0 ? -dx : dx;
    const Int64 ady = dy < 0 ? -dy : dy;

    if (dy == 0) {  // horizontal: one run
        const Int64 left = sx > 0 ? x1 : Int64(x2) + 1;
        const Int64 right = sx > 0 ? Int64(x2) - 1 : x1;
        FillRowClipped(image, y1, left, right, colour);
        return;
    }
    if (dx == 0) {  // vertical: one pixel a row
        if (x1 < 0 || x1 >= image.width) return;
        const Int64 top = std::max<Int64>(sy > 0 ? y1 : Int64(y2) + 1, 0);
        const Int64 bottom = std::min<Int64>(sy > 0 ? Int64(y2) - 1 : y1, image.height - 1);
        for (Int64 row = top; row <= bottom; ++row) PutPixel(PixelAddress(image, x1, row), colour);
        return;
    }
    if (adx >= ady)
        LineAlongMajor(image, true, x1, sx, y1, sy, adx, ady, colour);
    else
        LineAlongMajor(image, false, y1, sy, x1, sx, ady, adx, colour);
}

void RasterFill(RasterImage& image, int x, int y, int width, int height, std::uint32_t colour) {
    if (!HasPixels(image) || width <= 0 || height <= 0) return;
    const Int64 left = std::max<Int64>(x, 0);
    const Int64 top = std::max<Int64>(y, 0);
    const Int64 right = std::min<Int64>(Int64(x) + width, image.width);     // exclusive
    const Int64 bottom = std::min<Int64>(Int64(y) + height, image.height);  // exclusive
    if (left >= right || top >= bottom) return;
    std::uint8_t* firstRow = PixelAddress(image, left, top);
    const auto rowBytes = static_cast<std::size_t>(right - left) * 3;
    FillRun(firstRow, right - left, colour);
    for (Int64 row = top + 1; row < bottom; ++row)
        std::memcpy(PixelAddress(image, left, row), firstRow, rowBytes);
}

void RasterEllipse(RasterImage& image, int x, int y, int width, int height, std::uint32_t outline,
                   std::uint32_t fill) {
    if (!HasPixels(image) || width <= 0 || height <= 0 || (width == 1 && height == 1)) return;
    // Rows of the box that are inside the image.
    const Int64 firstRow = std::max<Int64>(0, -Int64(y));
    const Int64 endRow = std::min<Int64>(height, Int64(image.height) - y);
    if (firstRow >= endRow || Int64(x) >= image.width || Int64(x) + width <= 0) return;
    if (width <= 2 || height <= 2) {
        RasterFill(image, x, y, width, height, outline);
        return;
    }
    if (width > kTracedLimit || height > kTracedLimit) {
        LargeEllipse(image, x, y, width, height, outline, fill, firstRow, endRow);
        return;
    }
    const std::vector<OutlineRun> rows = TraceEllipse(width, height);
    const Int64 last = width - 1;  // the box's last column, box-relative
    for (Int64 j = firstRow; j < endRow; ++j) {
        const OutlineRun& run = rows[static_cast<std::size_t>(j)];
        if (run.outer < 0) continue;
        const Int64 row = Int64(y) + j;
        if (outline == fill || run.inner + 1 >= last - run.inner) {
            FillRowClipped(image, row, x + run.outer, x + last - run.outer, outline);
        } else {
            FillRowClipped(image, row, x + run.outer, x + run.inner, outline);
            FillRowClipped(image, row, x + run.inner + 1, x + last - run.inner - 1, fill);
            FillRowClipped(image, row, x + last - run.inner, x + last - run.outer, outline);
        }
    }
}

}  // namespace tk
