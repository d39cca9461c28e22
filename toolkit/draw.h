// Canvas, drawing target and drawing primitives, fonts.
//
// The drawing operations take the window and draw into the current drawing
// target: the window's client area ("CLIENT"), the whole window ("WINDOW",
// here the same image as the client area) or the current memory DC
// ("MEMORY"). Pixels follow the usual raster rules: a line leaves out its end
// point, a box leaves out its right column and bottom row, an ellipse is
// inscribed in its box, a text's cell has its top-left corner at the point.
#pragma once

#include "window.h"

namespace tk {

struct CanvasImpl;
struct FontImpl;
using MemoryDC = CanvasImpl*;  // an off-screen 24-bit image
using Font = FontImpl*;        // null means the system font

int SetDrawTarget(const char* keyword);
MemoryDC SetMemoryDC(MemoryDC dc);
MemoryDC CreateCanvas(Window window, int width, int height, Colour fill);

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour);
int FillBox(Window window, int x, int y, int width, int height, Colour colour);
int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill);
// Background 0 draws transparently; any other colour paints the text cell.
int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background);
// White copy at (x, y), coloured copy at (x + offset, y + offset); the offset
// is clamped to -3..3.
int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font);

// What the texts drawn from now on are to a screen reader: captions (at the
// start), values a page works out or shows back (said with the caption
// nearest them, Announcer in shown_texts.h), or a scale's figures (read with
// the page, never said as news).
enum class TextKind { Caption, Value, Figure };
void SetTextKind(TextKind kind);

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height);
int RepaintWindow(Window window, const char* keyword);

// The effects an effect code of MakeFont and MakePointFont names: 1
// italic, 2 underline, 3 strike-out, and 12, 13, 23, 123 for two or three of
// them; any other code none.
struct FontEffects {
    bool italic, underline, strikeOut;
};
FontEffects FontEffectsForCode(int effect);

Font MakeFont(int height, int width, int escapement, int weight, int effect, int pitchAndFamily,
              const char* face);
Font MakePointFont(Window window, int points, int weight, int effect, const char* face);

}  // namespace tk
