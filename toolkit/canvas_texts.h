// The texts drawn into a canvas, kept beside its pixels so that the scenario
// driver and the tests can read what a page says. The same on every
// platform.
#pragma once

#include "toolkit/window.h"

#include <deque>
#include <string>
#include <vector>

namespace tk {

struct FontImpl;

// A text drawn into a canvas; it counts as visible until a later filled box
// on the same canvas covers its point.
struct CanvasText {
    int x, y;
    FontImpl* font;
    Colour colour;
    std::string text;  // Windows-1252
};

// A text or a filled box, as it was drawn.
struct CanvasDrawing {
    bool isBox;
    int x, y, width, height;  // the box
    CanvasText text;          // the text
};

class CanvasTextList {
public:
    // A text drawn at (x, y) on a canvas of the given size; one whose point
    // lies off the canvas is not on the page.
    void Drawn(int width, int height, int x, int y, FontImpl* font, Colour colour,
               const char* text);
    // A box of width x height filled at (x, y) hides the texts whose point it
    // covers.
    void Covered(int x, int y, int width, int height);
    const std::vector<CanvasText>& Texts() const { return texts_; }
    // The texts, wherever their point lies, and the boxes, oldest first, the
    // latest few thousand of them: what still shows of a text is what it
    // drew less the boxes filled after it, also where a box covered its
    // point.
    const std::deque<CanvasDrawing>& History() const { return history_; }

private:
    void Remember(CanvasDrawing drawing);

    std::vector<CanvasText> texts_;
    std::deque<CanvasDrawing> history_;
};

}  // namespace tk
