// Inside the toolkit: the drawing calls of draw.h for a platform that draws
// on 24-bit RGB images in memory (Qt, the browser), made once in
// rgb_canvas.cpp on the few things such a platform provides below.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/raster.h"

#include <string>

namespace tk {

class ShownTexts;

// A font as it was asked for; the platform's FontImpl adds what it draws with.
struct FontRequest {
    int height = 0, width = 0, escapement = 0, weight = 0, effect = 0;
    std::string face;
};

// The faces of the toolkit's own fonts.
inline constexpr const char* kSystemFace = "System";
inline constexpr const char* kGuiFace = "MS Shell Dlg";
// The font a null handle stands for (the platform's system font).
Font SystemFont();
// The font buttons get when they are made.
Font DefaultGuiFont();

// ---- Provided by the platform.
// The canvas drawing goes to now, or null.
CanvasImpl* TargetCanvas(Window window);
RasterImage Raster(CanvasImpl* canvas);
ShownTexts& TextsOn(CanvasImpl* canvas);
// A canvas whose pixels are not yet set; null when it cannot be had.
CanvasImpl* NewCanvas(int width, int height);
Font NewFont(FontRequest request);
// Pixels per inch of the screen fonts are sized for.
double ScreenDpi();
// Sets the pixels of a text (the background behind its cell unless 0).
void PaintText(CanvasImpl* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background);
// After drawing into `window`'s image: shows it where drawing is seen at once.
void AfterDrawing(Window window);

}  // namespace tk
