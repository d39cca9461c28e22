// Pixel rules of the canvas, on a plain 24-bit image (bytes R, G, B per
// pixel, rows `stride` bytes apart). Everything is clipped to the image.
//
// - A line sets the pixels from (x1, y1) up to but not including (x2, y2);
//   a line from a point to itself sets nothing.
// - A box sets exactly width x height pixels: x .. x+width-1, y .. y+height-1.
// - An ellipse is inscribed in the box x .. x+width-1, y .. y+height-1: its
//   outline in one colour, its interior in another. As GDI draws them, a
//   1 x 1 ellipse sets nothing, one of 1 or 2 pixels either way is all
//   outline, and a tall, narrow one may stop short of the box's top and
//   bottom rows.
//
// The rules are GDI's, the platform's own on Windows.
#pragma once

#include <cstdint>

namespace tk {

struct RasterImage {
    std::uint8_t* bits;
    int width;
    int height;
    int stride;  // bytes per row
};

// Colours are 0x00BBGGRR.
void RasterLine(RasterImage& image, int x1, int y1, int x2, int y2, std::uint32_t colour);
void RasterFill(RasterImage& image, int x, int y, int width, int height, std::uint32_t colour);
void RasterEllipse(RasterImage& image, int x, int y, int width, int height, std::uint32_t outline,
                   std::uint32_t fill);
// A mask of `columns` x `rows` bits, row after row, lowest bit first, put
// with its top-left at (x, y): each set bit's pixel takes the colour.
void RasterBits(RasterImage& image, long long x, long long y, const std::uint8_t* bits, int columns,
                int rows, std::uint32_t colour);

}  // namespace tk
