// Inspection and input injection for the scenario driver, the tests and the
// benchmarks; never linked into the program itself. They look at the
// toolkit's windows, controls, canvases and fonts and feed them input as a
// user would, without the caller touching the platform. Texts are
// Windows-1252 unless they say UTF-8.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// ---- Canvases and controls ----------------------------------------------------

struct CanvasText {
    int x, y;
    Font font;
    Colour colour;
    std::string text;
};
// A text or a filled box, as it was drawn.
struct CanvasDrawing {
    bool isBox;
    int x, y, width, height;  // the box
    CanvasText text;
};
// A 24-bit image, row by row, each pixel 0x00BBGGRR.
struct ProbeImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
struct ProbeRect {
    int x, y, width, height;
};

// 0x00BBGGRR of one pixel; -1 outside the image.
long CanvasPixel(MemoryDC dc, int x, int y);
int CanvasWidth(MemoryDC dc);
int CanvasHeight(MemoryDC dc);
// Writes the image as PNG; 0 on success.
int SaveCanvasPng(MemoryDC dc, const char* path);
ProbeImage ProbeCanvasImage(MemoryDC canvas);  // empty for none
// The texts drawn into a canvas whose point no box filled later covers,
// oldest first.
std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc);
// The latest few thousand texts (wherever their point) and boxes drawn into
// a canvas, oldest first: what shows of a text is what it drew less the boxes
// filled after it.
std::vector<CanvasDrawing> CanvasHistory(MemoryDC dc);

// Where a control sits in its window's client area, and its size.
ProbeRect GetControlGeometry(Window control);

struct ProbeField {
    Window handle;
    int x, y;
    std::string text;
    bool visible, focused;
};
enum class ProbeButtonState { Unchecked, Checked, Push };
struct ProbeButton {
    Window handle;
    int x, y;
    ProbeButtonState state;
    std::string text;
    bool visible;
};
// Every edit field, and every push and option button, in creation order.
std::vector<ProbeField> ProbeEditFields();
std::vector<ProbeButton> ProbeButtons();

// ---- Menus --------------------------------------------------------------------

struct ProbeMenuEntry {
    bool separator;
    unsigned id;
    std::string text;  // as shown: no '&' marks
    bool enabled = true;
};
struct ProbePopup {
    std::string title;
    std::vector<ProbeMenuEntry> entries;
};
// The popups of the window's current menu bar, in order.
std::vector<ProbePopup> ProbeMenuBar(Window window);
// Chooses the first item of the current bar whose text is `text`; false when
// there is none.
bool ProbeChooseMenuItem(Window window, const std::string& text);

// The popup menu showing now (of the bar, or a field's context menu).
struct ProbeShownMenu {
    bool open = false;
    std::vector<ProbeMenuEntry> entries;
    std::string active;  // the highlighted entry, if any
};
ProbeShownMenu ProbeShowingMenu();
// Chooses the entry `text` of the popup menu showing now; false when there
// is none or it is greyed.
bool ProbeChooseShownItem(const std::string& text);
// The title of the current bar that is highlighted ("" when none).
std::string ProbeMenuBarSelection(Window window);

// ---- Input ----------------------------------------------------------------------

// Runs the event loop until no posted command, paint or other event is left.
void ProbeProcessEvents();
// Types UTF-8 text into the focused widget as key presses; false when no
// widget has the focus.
bool ProbeTypeText(const std::string& utf8);
// Presses one named key (Tab, Return, Enter (the keypad's), Backspace,
// Delete, Left, Right, Home, End, Up, Down, Insert, PageUp, PageDown, Escape,
// Menu, Alt, Shift, Ctrl, F1..F12, A..Z, 0..9) with any of the prefixes
// "Shift+", "Ctrl+" and "Alt+", the modifiers pressed before it and released
// after it. The keys go where the platform sends them: the open popup menu,
// else the focused widget, else the main window. False for an unknown name.
bool ProbePressKey(const std::string& name);
bool ProbeIsKeyName(const std::string& name);
// Clicks the visible button whose text is `text`; false when none.
bool ProbeClickButton(const std::string& text);
// Clicks a field with the right mouse button: the press focuses it, then the
// context-menu request follows.
bool ProbeRightClick(Window field);
// Drops UTF-8 text on a field `x` pixels from its left edge, as a drag from
// another program would; false when the field refuses it.
bool ProbeDropText(Window field, int x, const std::string& utf8);
// Puts UTF-8 text on the clipboard; an empty text leaves no text there.
void ProbeSetClipboard(const std::string& utf8);

// ---- The process and the desktop ----------------------------------------------

// From now on every address the program hands the platform to open (the web
// page) is appended to `sink` and not opened; null opens them again.
void ProbeRecordShellOpens(std::vector<std::string>* sink);
// The bytes of this process's memory in use: the resident set on Linux, the
// working set on Windows.
long ProbeMemoryInUse();
// The bytes each read of the clipboard's text leaves in use while a window of the program owns
// the clipboard (the probe's texts, a field's copy): 1 KiB under Wine 8, whose GetClipboardData
// then hands back the text it holds and never frees the buffer it allocated first; nothing on
// Windows and Linux.
long ProbeClipboardReadCost();
// How many times the fields have read the clipboard's text for pastes (Windows; 0 where the
// fields are handed the text).
long ProbeClipboardReads();
// From now on the window ignores the commands of the window's own menu on
// Windows (move, size, minimise, close), which belong to the desktop.
void ProbeIgnoreWindowCommands(Window window);
// Minimises the window and restores it, as the title bar's button and the
// taskbar do; the window is active again after.
void ProbeMinimiseAndRestore(Window window);
// In screen coordinates: the client area, and the inside of the main window
// (menu bar and client area, without the window manager's frame).
ProbeRect ProbeClientRect(Window window);
ProbeRect ProbeWindowRect(Window window);
// A menu-bar title's place relative to the bar, to aim real mouse clicks.
bool ProbeMenuTitleRect(Window window, const std::string& title, ProbeRect& out);
// The page's texts as assistive technology is given them, in its order.
std::vector<std::string> ProbePageTexts();
// The name a screen reader reads for a control, and for a radio button or a
// check box that it is one, and checked if it is: "radio button, checked".
std::string ProbeAccessibleName(Window control);
std::string ProbeAccessibleKind(Window control);
// What a screen reader was last told about the page, as it reads it.
std::string ProbeAnnouncement();

// ---- Linux only -----------------------------------------------------------------

struct FontInfo {
    std::string family;  // the face actually used
    int cellHeight;      // ascent + descent in pixels
    int averageWidth;    // average character width in pixels
    int weight;
};
FontInfo DescribeFont(Font font);
// The font families the program can draw with, in UTF-8.
std::vector<std::string> ProbeFontFamilies();
// The face a font is drawn with as its file names it: family, style, font
// revision and the checksum of the whole file ("DejaVu Sans Book 2.037 0x...").
std::string ProbeFaceIdentity(Font font);
// The screen the window is on.
ProbeRect ProbeScreenRect(Window window);
// A popup item's place relative to its popup's first item.
bool ProbeMenuItemRect(Window window, const std::string& text, ProbeRect& out);
// Saves the main window as a user sees it as a PNG file; false when it
// cannot be written.
bool ProbeSaveWindowPng(Window window, const std::string& path);
bool ProbeReadPng(const std::string& path, ProbeImage& out);

}  // namespace tk
