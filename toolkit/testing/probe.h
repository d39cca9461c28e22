// Inspection and input injection for the scenario driver, the tests and the
// benchmarks; never linked into the program itself.
//
// These functions look at the toolkit's windows, controls, canvases and
// fonts and feed them input as a user would (key presses into the focused
// widget, clicks on buttons, menu choices), without the caller touching the
// platform.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/menu.h"
#include "toolkit/window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// ---- Canvases, fonts and fields ---------------------------------------------

// A text drawn into a canvas; it counts as visible until a later filled box
// on the same canvas covers its point.
struct CanvasText {
    int x, y;
    Font font;
    Colour colour;
    std::string text;  // Windows-1252
};

// A text or a filled box, as it was drawn.
struct CanvasDrawing {
    bool isBox;
    int x, y, width, height;  // the box
    CanvasText text;          // the text
};

// 0x00BBGGRR of one pixel; -1 outside the image.
long CanvasPixel(MemoryDC dc, int x, int y);
int CanvasWidth(MemoryDC dc);
int CanvasHeight(MemoryDC dc);
// Writes the image as PNG; 0 on success.
int SaveCanvasPng(MemoryDC dc, const char* path);
// The texts drawn into a canvas that are still visible, oldest first.
std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc);
// The texts, wherever their point lies, and the boxes drawn into a canvas,
// oldest first, the latest few thousand of them: what still shows of a text
// is what it drew less the boxes filled after it, also where a box covered
// its point.
std::vector<CanvasDrawing> CanvasHistory(MemoryDC dc);

struct FontInfo {
    std::string family;  // the face actually used
    int cellHeight;      // ascent + descent in pixels
    int averageWidth;    // average character width in pixels
    int weight;
    bool italic, underline, strikeOut;
};
FontInfo DescribeFont(Font font);

// Where a control sits in its window's client area, and its size.
struct ControlGeometry {
    int x, y, width, height;
};
ControlGeometry GetControlGeometry(Window control);

// ---- Events and input -----------------------------------------------------------

// Runs the event loop until no posted command, paint or other event is left.
void ProbeProcessEvents();
// From now on every address the program hands the platform to open (the web
// page) is appended to `sink` and not opened: the sink stands in for the
// browser. Null opens them again.
void ProbeRecordShellOpens(std::vector<std::string>* sink);
// The bytes of this process's memory that are in use, as the platform counts
// them: the resident set on Linux, the working set on Windows.
long ProbeMemoryInUse();
// From now on the window ignores the commands of the menu the platform gives
// every window (on Windows the window's own menu: move, size, minimise,
// maximise, close), which belong to the desktop rather than to the program;
// the keys and menus of the program still work. Nothing to do on Linux, where
// the tests run without a window manager.
void ProbeIgnoreWindowCommands(Window window);

struct ProbeField {
    Window handle;
    int x, y;
    std::string text;  // Windows-1252
    bool visible;
    bool focused;
};
// Every edit field, in creation order.
std::vector<ProbeField> ProbeEditFields();

enum class ProbeButtonState { Unchecked, Checked, Push };
struct ProbeButton {
    Window handle;
    int x, y;
    ProbeButtonState state;
    std::string text;  // Windows-1252
    bool visible;
};
// Every push and option button, in creation order.
std::vector<ProbeButton> ProbeButtons();

struct ProbeMenuEntry {
    bool separator;
    unsigned id;
    std::string text;  // Windows-1252
    bool enabled = true;
};
struct ProbePopup {
    std::string title;  // Windows-1252
    std::vector<ProbeMenuEntry> entries;
};
// The popups of the window's current menu bar, in order.
std::vector<ProbePopup> ProbeMenuBar(Window window);
// Chooses the first item of the current bar whose text is `text`; false when
// there is none.
bool ProbeChooseMenuItem(Window window, const std::string& cp1252Text);

// The popup menu showing now (a menu of the bar or a field's context menu):
// its entries with their texts as shown (no '&' marks) and the highlighted
// one. `open` is false when no popup menu shows.
struct ProbeShownMenu {
    bool open = false;
    std::vector<ProbeMenuEntry> entries;
    std::string active;  // Windows-1252; empty when none is highlighted
};
ProbeShownMenu ProbeShowingMenu();
// Chooses the entry `cp1252Text` (as shown) of the popup menu showing now;
// false when there is none or it is greyed.
bool ProbeChooseShownItem(const std::string& cp1252Text);
// The title of the current bar that is highlighted ("" when none), and
// whether the bar has the keyboard.
std::string ProbeMenuBarSelection(Window window, bool* barHasKeys = nullptr);

// Clicks a field with the right mouse button, as the platform does: the
// press focuses it, then the context-menu request follows.
bool ProbeRightClick(Window field);
// Drops UTF-8 text on a field `x` pixels from its left edge, as a drag and
// drop from another program would; false when the field refuses it.
bool ProbeDropText(Window field, int x, const std::string& utf8);

// The name assistive technology reads for a window or control (its
// accessible name, or what the platform makes of it when none is set);
// Windows-1252.
std::string ProbeAccessibleName(Window control);

// Types UTF-8 text into the focused widget as key presses; false when no
// widget has the focus.
bool ProbeTypeText(const std::string& utf8);
// Presses one named key (Tab, Return, Enter (the keypad's), Backspace,
// Delete, Left, Right, Home, End, Up, Down, Insert, PageUp, PageDown, Escape,
// Menu, Alt, Shift, Ctrl, F1..F12, a letter A..Z or a digit), with any of the
// prefixes "Shift+",
// "Ctrl+" and "Alt+" ("Ctrl+V", "Shift+F10", "Alt+F"), the modifier keys
// pressed before and released after it. The keys go where the platform
// sends them: the open popup menu, else the focused widget, else the main
// window. False for an unknown name.
bool ProbePressKey(const std::string& name);
bool ProbeIsKeyName(const std::string& name);
// Clicks the visible button whose text is `cp1252Text`; false when none.
bool ProbeClickButton(const std::string& cp1252Text);
// Puts UTF-8 text on the clipboard; an empty text leaves no text there.
void ProbeSetClipboard(const std::string& utf8);

// Geometry of the main window and its menu bar in screen coordinates, and of
// a menu-bar title or a popup item relative to the menu bar / popup; used to
// aim real mouse clicks at the real program.
struct ProbeRect {
    int x, y, width, height;
};
ProbeRect ProbeClientRect(Window window);
// The screen the window is on.
ProbeRect ProbeScreenRect(Window window);
// The inside of the main window (menu bar and client area, without what the
// window manager draws round it), in screen coordinates.
ProbeRect ProbeWindowRect(Window window);
// Saves the main window as a user sees it (menu bar, page, fields and
// buttons) as a PNG file; false when it cannot be written.
bool ProbeSaveWindowPng(Window window, const std::string& path);
bool ProbeMenuTitleRect(Window window, const std::string& cp1252Title, ProbeRect& out);
// On Windows an item has its place once its popup has been shown.
bool ProbeMenuItemRect(Window window, const std::string& cp1252Text, ProbeRect& out);

// ---- Images and faces, for the page snapshots --------------------------------

// A 24-bit image, row by row, each pixel 0x00BBGGRR.
struct ProbeImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
// The pixels of a canvas (empty for none).
ProbeImage ProbeCanvasImage(MemoryDC canvas);
// Linux only, for the page snapshots: a PNG reader, and the face a font is
// drawn with as its file names it: family, style, the font revision and the
// checksum of the whole file ("DejaVu Sans Book 2.037 0x...").
bool ProbeReadPng(const std::string& path, ProbeImage& out);
std::string ProbeFaceIdentity(Font font);
// The font families the program can draw with, in UTF-8, as the platform
// lists them.
std::vector<std::string> ProbeFontFamilies();

}  // namespace tk
