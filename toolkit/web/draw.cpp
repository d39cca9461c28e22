// Canvas, primitives and fonts in the browser: the raster rules of
// toolkit/raster.cpp and the glyph images of toolkit/glyph_text.cpp, so the
// pixels are those of the Linux canvas. Each canvas keeps the texts that
// still show on it, for the page to offer them to assistive technology.

#include "toolkit/draw_target.h"
#include "toolkit/glyph_text.h"
#include "toolkit/observer.h"
#include "toolkit/raster.h"
#include "toolkit/web/web_bridge.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tk {

namespace {

CanvasImpl* TargetCanvas(Window window) {
    if (CurrentDrawTarget() == DrawTarget::Memory) return CurrentMemoryDC();
    if (window == nullptr || MainWindow() == nullptr) return nullptr;
    return MainWindow()->clientImage;
}

RasterImage Raster(CanvasImpl* canvas) {
    return RasterImage{canvas->rgb.get(), canvas->width, canvas->height, 3 * canvas->width};
}

// The texts whose point a box covers no longer show.
void Cover(CanvasImpl* canvas, long long x, long long y, long long width, long long height) {
    std::erase_if(canvas->texts, [&](const ShownText& t) {
        return t.x >= x && t.y >= y && t.x < x + width && t.y < y + height;
    });
}

void PaintText(CanvasImpl* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    RasterImage r = Raster(canvas);
    DrawGlyphText(r, GlyphsOf(font), x, y, text, colour, background);
    canvas->texts.push_back({x, y, text});
    if (g_observer != nullptr) g_observer->TextDrawn(canvas, x, y, font, colour, text);
}

}  // namespace

// A font the table lacks draws with the first baked face of its weight.
const GlyphFace& GlyphsOf(Font font) {
    static const Font system = MakeFont(16, 7, 0, 700, 0, 0, "System");
    if (font == nullptr) font = system;
    if (font->glyphs == nullptr) {
        font->glyphs = FindGlyphFace(font->height, font->width, font->weight, font->face.c_str());
        for (int i = 0; font->glyphs == nullptr && i < kGlyphFaceCount; ++i)
            if ((kGlyphFaces[i].weight >= 600) == (font->weight >= 600))
                font->glyphs = &kGlyphFaces[i];
    }
    return *font->glyphs;
}

MemoryDC CreateCanvas(Window, int width, int height, Colour fill) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    // Not cleared: the fill sets every byte.
    auto* canvas = new CanvasImpl{
        width,
        height,
        std::unique_ptr<std::uint8_t[]>(new std::uint8_t[std::size_t(width) * height * 3]),
        {}};
    RasterImage r = Raster(canvas);
    RasterFill(r, 0, 0, width, height, fill);
    SetMemoryDC(canvas);
    return canvas;
}

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterLine(r, x1, y1, x2, y2, colour);
    }
    return 0;
}

int FillBox(Window window, int x, int y, int width, int height, Colour colour) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterFill(r, x, y, width, height, colour);
        Cover(canvas, x, y, width, height);
        if (g_observer != nullptr) g_observer->BoxFilled(canvas, x, y, width, height);
    }
    return 0;
}

int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill) {
    if (CanvasImpl* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterEllipse(r, x, y, width, height, outline, fill);
    }
    return 0;
}

// The program turns no text: an escapement draws unturned.
int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    CanvasImpl* canvas = TargetCanvas(window);
    if (canvas != nullptr && text != nullptr)
        PaintText(canvas, x, y, text, colour, font, background);
    return 0;
}

int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font) {
    CanvasImpl* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    offset = std::clamp(offset, -3, 3);
    PaintText(canvas, x, y, text, 0xFFFFFF, font, 0);
    PaintText(canvas, x + offset, y + offset, text, colour, font, 0);
    return 0;
}

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height) {
    CanvasImpl* target = TargetCanvas(window);
    if (target == nullptr || source == nullptr || width <= 0 || height <= 0) return 1;
    if (target == source) return 0;
    const long long left = std::max<long long>(0, -static_cast<long long>(x));
    const long long top = std::max<long long>(0, -static_cast<long long>(y));
    const long long right = std::min<long long>(std::min(width, source->width),
                                                static_cast<long long>(target->width) - x);
    const long long bottom = std::min<long long>(std::min(height, source->height),
                                                 static_cast<long long>(target->height) - y);
    if (left >= right || top >= bottom) return 0;
    for (long long row = top; row < bottom; ++row)
        std::memcpy(target->rgb.get() + ((y + row) * target->width + x + left) * 3,
                    source->rgb.get() + (row * source->width + left) * 3,
                    static_cast<std::size_t>((right - left) * 3));
    Cover(target, x + left, y + top, right - left, bottom - top);
    for (const ShownText& t : source->texts)
        if (t.x >= left && t.y >= top && t.x < right && t.y < bottom)
            target->texts.push_back({x + t.x, y + t.y, t.text});
    return 0;
}

Font MakeFont(int height, int width, int escapement, int weight, int effect, int,
              const char* face) {
    return new FontImpl{height, width, escapement, weight, effect, face ? face : "", nullptr};
}

// The page's CSS pixels count 96 to the inch.
Font MakePointFont(Window, int points, int weight, int effect, const char* face) {
    const int height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
    return MakeFont(height, 0, 0, weight, effect, 0, face);
}

}  // namespace tk
