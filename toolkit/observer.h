// Inside the toolkit: the one hook through which an inspector (the probe the
// driver and the tests link) watches what the program does. The program
// installs no observer; every platform's toolkit tells the one installed, if
// any, what it does as it does it.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/window.h"

namespace tk {

class Observer {
public:
    // A text drawn at (x, y) on a canvas (on the main window's client image
    // where the platform keeps one), in the colour and font it was drawn in.
    virtual void TextDrawn(MemoryDC canvas, int x, int y, Font font, Colour colour,
                           const char* text) = 0;
    // A box filled on a canvas.
    virtual void BoxFilled(MemoryDC canvas, int x, int y, int width, int height) = 0;
    // A command posted to the main window, and the same command when the main
    // window's procedure is given it.
    virtual void CommandPosted(WParam id) = 0;
    virtual void CommandDelivered(WParam id) = 0;
    // A field read the clipboard's text for a paste (on Windows, where the
    // field reads it itself).
    virtual void ClipboardRead() = 0;

protected:
    ~Observer() = default;
};

// Null unless an inspector installed itself.
inline Observer* g_observer = nullptr;

}  // namespace tk
