// The RGB canvas (toolkit/rgb_canvas.h) in the browser: the glyph images of
// toolkit/glyph_text.cpp, so the pixels are those of the Linux canvas. Each
// canvas keeps the texts that still show on it, for the page to offer them
// to assistive technology.

#include "toolkit/draw_target.h"
#include "toolkit/glyph_text.h"
#include "toolkit/web/web_bridge.h"

namespace tk {

CanvasImpl* TargetCanvas(Window window) {
    if (CurrentDrawTarget() == DrawTarget::Memory) return CurrentMemoryDC();
    if (window == nullptr || MainWindow() == nullptr) return nullptr;
    return MainWindow()->clientImage;
}

// The page shows the client image when it paints.
void AfterDrawing(Window) {}

RasterImage Raster(CanvasImpl* canvas) {
    return RasterImage{canvas->rgb.get(), canvas->width, canvas->height, 3 * canvas->width};
}

ShownTexts& TextsOn(CanvasImpl* canvas) { return canvas->texts; }

// Not cleared: the fill sets every byte.
CanvasImpl* NewCanvas(int width, int height) {
    auto rgb = std::unique_ptr<std::uint8_t[]>(new std::uint8_t[std::size_t(width) * height * 3]);
    return new CanvasImpl{width, height, std::move(rgb), {}};
}

// The program turns no text: an escapement draws unturned.
void PaintText(CanvasImpl* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    RasterImage r = Raster(canvas);
    DrawGlyphText(r, GlyphsOf(font), x, y, text, colour, background);
}

const GlyphFace& GlyphsOf(Font font) {
    if (font == nullptr) font = SystemFont();
    if (font->glyphs == nullptr)
        font->glyphs = &FindGlyphFace(font->height, font->width, font->weight, font->face.c_str());
    return *font->glyphs;
}

Font NewFont(FontRequest request) { return new FontImpl{std::move(request), nullptr}; }

// The page's CSS pixels count 96 to the inch.
double ScreenDpi() { return 96.0; }

}  // namespace tk
