// Canvas, primitives and fonts in the browser: the raster rules of
// toolkit/raster.cpp and the glyph images of toolkit/glyph_text.cpp, so the
// pixels are those of the Linux canvas.

#include "toolkit/draw_target.h"
#include "toolkit/glyph_text.h"
#include "toolkit/raster.h"
#include "toolkit/web/web_bridge.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

TkCanvas* TargetCanvas(Window window) {
    if (tk::CurrentDrawTarget() == tk::DrawTarget::Memory) return tk::CurrentMemoryDC();
    if (window == nullptr || tk::MainWindow() == nullptr) return nullptr;
    return tk::MainWindow()->clientImage;
}

RasterImage Raster(TkCanvas* canvas) {
    return RasterImage{canvas->rgb.data(), canvas->width, canvas->height, 3 * canvas->width};
}

}  // namespace

namespace tk {

const GlyphFace& GlyphsOf(Font font) {
    static Font system = MakeFont(16, 7, 0, 700, 0, 0, "System");
    if (font == nullptr) font = system;
    if (font->glyphs == nullptr) {
        font->glyphs = FindGlyphFace(font->height, font->width, font->weight, font->face.c_str());
        // A font the table lacks: the first baked face of its weight.
        for (int i = 0; font->glyphs == nullptr && i < kGlyphFaceCount; ++i) {
            const GlyphFace& face = kGlyphFaces[i];
            if ((face.weight >= 600) != (font->weight >= 600)) continue;
            font->glyphs = &face;
        }
        if (font->glyphs == nullptr) font->glyphs = &kGlyphFaces[0];
    }
    return *font->glyphs;
}

}  // namespace tk

MemoryDC CreateCanvas(Window, int width, int height, Colour fill) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    auto* canvas = new TkCanvas{width, height, {}};
    canvas->rgb.resize(static_cast<std::size_t>(width) * height * 3);
    RasterImage r = Raster(canvas);
    RasterFill(r, 0, 0, width, height, fill);
    SetMemoryDC(canvas);
    return canvas;
}

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour) {
    if (TkCanvas* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterLine(r, x1, y1, x2, y2, colour);
    }
    return 0;
}

int FillBox(Window window, int x, int y, int width, int height, Colour colour) {
    if (TkCanvas* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterFill(r, x, y, width, height, colour);
    }
    return 0;
}

int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill) {
    if (TkCanvas* canvas = TargetCanvas(window)) {
        RasterImage r = Raster(canvas);
        RasterEllipse(r, x, y, width, height, outline, fill);
    }
    return 0;
}

// Turned text (an escapement) is drawn unturned for now: the program has none.
int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    RasterImage r = Raster(canvas);
    DrawGlyphText(r, tk::GlyphsOf(font), x, y, text, colour, background);
    return 0;
}

int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font, Colour) {
    offset = std::clamp(offset, -3, 3);
    DrawString(window, x, y, text, 0xFFFFFF, font, 0);
    DrawString(window, x + offset, y + offset, text, colour, font, 0);
    return 0;
}

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height) {
    TkCanvas* target = TargetCanvas(window);
    if (target == nullptr || source == nullptr || width <= 0 || height <= 0) return 1;
    if (target == source) return 0;
    const long long left = std::max<long long>(0, -static_cast<long long>(x));
    const long long top = std::max<long long>(0, -static_cast<long long>(y));
    const long long right = std::min<long long>(std::min(width, source->width),
                                                static_cast<long long>(target->width) - x);
    const long long bottom = std::min<long long>(std::min(height, source->height),
                                                 static_cast<long long>(target->height) - y);
    for (long long row = top; row < bottom && left < right; ++row)
        std::memcpy(target->rgb.data() + ((y + row) * target->width + x + left) * 3,
                    source->rgb.data() + (row * source->width + left) * 3,
                    static_cast<std::size_t>((right - left) * 3));
    return 0;
}

Font MakeFont(int height, int width, int escapement, int weight, int effect, int,
              const char* face) {
    return new TkFont{height, width, escapement, weight, effect, face ? face : "", nullptr};
}

// The page's CSS pixels count 96 to the inch.
Font MakePointFont(Window, int points, int weight, int effect, int, const char* face) {
    const int height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
    return MakeFont(height, 0, 0, weight, effect, 0, face);
}
