// Inside the web toolkit: what the handles hold. Never included outside
// toolkit/.
//
// A first backend: the canvas and text are complete, the controls and menus
// are kept in memory only (no <input> elements or menu bar on the page yet),
// driven through the functions web_input.cpp exports to the page.
#pragma once

#include "toolkit/button.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/window.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct GlyphFace;

enum class TkKind { Main, Edit, PushButton, OptionButton };

struct TkWindow {
    TkKind kind = TkKind::Main;
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = true;
    std::string text;  // Windows-1252
    int commandId = 0;
    int maxChars = 0;                // edit fields
    bool digitsOnly = false;         // edit fields made with an "N.." keyword
    bool round = false;              // option buttons: a radio button
    bool checked = false;            // option buttons
    MemoryDC clientImage = nullptr;  // main window: what the page shows
};

struct TkCanvas {
    int width, height;
    std::vector<std::uint8_t> rgb;  // bytes R, G, B per pixel, row by row
};

struct TkFont {
    int height, width, escapement, weight, effect;
    std::string face;
    const GlyphFace* glyphs = nullptr;  // found on first use
};

struct TkMenu {
    std::string title;                                    // popups
    std::vector<std::pair<std::string, unsigned>> items;  // popups: text, command
    std::vector<TkMenu*> popups;                          // the bar
};

namespace tk {

// The one main window, once opened.
Window MainWindow();
// Every control made, in creation order.
std::vector<Window>& Controls();
// The field that has the keyboard, or null.
Window& Focus();
// The edit fields' key-pending flag (1 after TAB or ENTER until PassFocus).
int& KeyPending();
// The bar attached to the main window, or null.
Menu& MenuBar();
// Handles the posted commands, then paints when a repaint was asked for.
void HandlePending();
// Asks for a paint once the posted commands are handled.
void RequestRepaint();
// The glyph images of a font (null: the system font).
const GlyphFace& GlyphsOf(Font font);

}  // namespace tk
