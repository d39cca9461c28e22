// The texts drawn into a canvas, kept beside its pixels so that the scenario
// driver and the tests can read what a page says. The same on every
// platform.
#pragma once

#include "toolkit/window.h"

#include <string>
#include <vector>

struct TkFont;

// A text drawn into a canvas; it counts as visible until a later filled box
// on the same canvas covers its point.
struct CanvasText {
    int x, y;
    TkFont* font;
    Colour colour;
    std::string text;   // Windows-1252
};

class CanvasTextList {
public:
    // A text drawn at (x, y) on a canvas of the given size; one whose point
    // lies off the canvas is not on the page.
    void Drawn(int width, int height, int x, int y, TkFont* font, Colour colour,
               const char* text);
    // A box of width x height filled at (x, y) hides the texts whose point it
    // covers.
    void Covered(int x, int y, int width, int height);
    const std::vector<CanvasText>& Texts() const { return texts_; }

private:
    std::vector<CanvasText> texts_;
};
