// The drawing calls on an RGB canvas: the raster rules of raster.cpp, the
// platform's text, and the record of the texts a canvas shows.

#include "toolkit/rgb_canvas.h"

#include "toolkit/draw_target.h"
#include "toolkit/observer.h"
#include "toolkit/shown_texts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tk {

namespace {

void TextDrawn(CanvasImpl* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    PaintText(canvas, x, y, text, colour, font, background);
    TextsOn(canvas).Drawn(x, y, text);
    if (g_observer != nullptr) g_observer->TextDrawn(canvas, x, y, font, colour, text);
}

}  // namespace

MemoryDC CreateCanvas(Window, int width, int height, Colour fill) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    CanvasImpl* canvas = NewCanvas(width, height);
    if (canvas == nullptr) return nullptr;
    RasterImage r = Raster(canvas);
    RasterFill(r, 0, 0, width, height, fill);
    SetMemoryDC(canvas);
    return canvas;
}

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterLine(r, x1, y1, x2, y2, colour);
        AfterDrawing(window);
    }
    return 0;
}

int FillBox(Window window, int x, int y, int width, int height, Colour colour) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterFill(r, x, y, width, height, colour);
        TextsOn(canvas).Covered(x, y, width, height);
        if (g_observer != nullptr) g_observer->BoxFilled(canvas, x, y, width, height);
        AfterDrawing(window);
    }
    return 0;
}

int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterEllipse(r, x, y, width, height, outline, fill);
        AfterDrawing(window);
    }
    return 0;
}

int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    CanvasImpl* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    TextDrawn(canvas, x, y, text, colour, font, background);
    AfterDrawing(window);
    return 0;
}

int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font) {
    CanvasImpl* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    offset = std::clamp(offset, -3, 3);
    TextDrawn(canvas, x, y, text, 0xFFFFFF, font, 0);
    TextDrawn(canvas, x + offset, y + offset, text, colour, font, 0);
    AfterDrawing(window);
    return 0;
}

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height) {
    CanvasImpl* target = TargetCanvas(window);
    if (target == nullptr || source == nullptr || width <= 0 || height <= 0) return 1;
    if (target == source) return 0;
    const RasterImage from = Raster(source), to = Raster(target);
    // The part of the source that lands on the target.
    const long long left = std::max<long long>(0, -static_cast<long long>(x));
    const long long top = std::max<long long>(0, -static_cast<long long>(y));
    const long long right =
        std::min<long long>(std::min(width, from.width), static_cast<long long>(to.width) - x);
    const long long bottom =
        std::min<long long>(std::min(height, from.height), static_cast<long long>(to.height) - y);
    if (left >= right || top >= bottom) return 0;
    for (long long row = top; row < bottom; ++row)
        std::memcpy(to.bits + (y + row) * to.stride + (x + left) * 3,
                    from.bits + row * from.stride + left * 3,
                    static_cast<std::size_t>((right - left) * 3));
    TextsOn(target).Copied(TextsOn(source), left, top, right, bottom, x, y);
    AfterDrawing(window);
    return 0;
}

Font MakeFont(int height, int width, int escapement, int weight, int effect, int,
              const char* face) {
    return NewFont({height, width, escapement, weight, effect, face ? face : ""});
}

Font MakePointFont(Window, int points, int weight, int effect, const char* face) {
    const int height = -static_cast<int>(std::lround(points * ScreenDpi() / 72.0));
    return MakeFont(height, 0, 0, weight, effect, 0, face);
}

Font SystemFont() {
    static const Font font = MakeFont(16, 7, 0, 700, 0, 0, kSystemFace);
    return font;
}

Font DefaultGuiFont() {
    static const Font font = MakeFont(-11, 0, 0, 400, 0, 0, kGuiFace);
    return font;
}

}  // namespace tk
