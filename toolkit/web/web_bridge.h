// Inside the toolkit: what the handles hold in the browser, and the page
// functions of library.js the C++ calls. Never included outside toolkit/.
//
// The page is the DOM the toolkit makes (index.html holds its frame): the
// client area is a <canvas> showing the main window's client image, the
// fields are <input> elements over it, each button a <button> whose face
// the toolkit draws, the menu bar elements with menubar and menuitem roles.
// The canvas's texts are paragraphs before it that a screen reader reads
// when asked; what it is told of a change (Announcer) goes into a polite
// live region of its own.
// Controls are numbered from 1 in the order they are made; the page knows
// them by that number. The page hands every event to the functions exported
// below (web_...), which end by handling the commands posted meanwhile and
// painting, so that a command is handled before the next event.
#pragma once

#include "toolkit/button.h"
#include "toolkit/controls.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/field_edit.h"
#include "toolkit/menu.h"
#include "toolkit/menu_keys.h"
#include "toolkit/rgb_canvas.h"
#include "toolkit/shown_texts.h"
#include "toolkit/utf8.h"
#include "toolkit/window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct GlyphFace;

struct WindowImpl {
    ControlKind kind;
    int id = 0;  // the page's number for it; 0 for the main window
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = true;
    // The page's element is made when the control first shows: a page's
    // controls made and hidden in the init pass cost the start nothing.
    bool made = false, shown = false, faceDrawn = false;
    std::string name;  // the accessible name, UTF-8
    std::string css;   // edit fields: the font
    std::string text;  // buttons: the label, Windows-1252
    int commandId = 0;
    std::uint32_t style = 0;  // buttons: style bits; option buttons: the kind's
    bool checked = false;     // option buttons
    Font font = nullptr;      // buttons: the label's
    FieldEdit edit;           // edit fields
    // The main window.
    WindowProcedure procedure = nullptr;
    MemoryDC clientImage = nullptr;  // what the page's <canvas> shows
};

struct CanvasImpl {
    int width, height;
    std::unique_ptr<std::uint8_t[]> rgb;  // R, G, B per pixel, row by row
    ShownTexts texts;                     // what the page offers assistive technology to read
};

struct FontImpl : FontRequest {
    const GlyphFace* glyphs = nullptr;  // found on first use
};

struct MenuEntry {
    bool separator;
    unsigned id;
    std::string text;  // Windows-1252
};

struct MenuImpl {
    std::string title;               // popups
    std::vector<MenuEntry> entries;  // popups
    std::vector<MenuImpl*> popups;   // the bar
};

// The one main window, once opened.
Window MainWindow();
// Every control made, in creation order (control n has id n).
std::vector<Window>& Controls();
// Handles the posted commands, brings the page's elements up to date, paints
// when a repaint was asked for, and acts on a quit.
void HandlePending();
// Makes a control's element now; then keeps it as the control is (shown or
// hidden, the face of a button).
void MakeElement(Window control);
void UpdateElements();
// Draws a button's face on its element.
void DrawFace(Window button);
// RGB pixels to opaque RGBA as the page takes them. The first paint's hottest
// loop: out of line (the paint and the buttons' faces call it), the browser
// recompiles just this small function, fully optimised, where inlined into
// HandlePending it had those 4 KB recompiled during the start (tens of
// milliseconds of another thread).
void ToRgba(const std::uint8_t* rgb, std::uint32_t* rgba, std::size_t pixels);
// The glyph images of a font (null: the system font).
const GlyphFace& GlyphsOf(Font font);
// A UTF-8 text in UTF-16, as the field's rules read it (toolkit/utf8.h has
// the page's Windows-1252 texts in UTF-8 and back).
std::u16string Utf16(const char* utf8);

// Keeps focus moves in the toolkit from now (true) until the window shows
// (false), when the last one is made.
void HoldFocus(bool hold);
// The edit field with the keyboard focus, or null.
Window FocusedField();
// A field's text and selection (start, end) as the page holds them.
FieldState FieldText(Window field);
// A key in the focused field: forwarded as a command and acted on as a
// Windows field does; true when the browser must not act on it.
bool FieldKey(Window field, int vk, int modifiers);
// The menu bar's answer to a key: true when the bar took it.
bool MenuKey(int vk, int modifiers);
// The menu bar's state.
extern MenuBarState g_menuState;
// The bar attached to the main window, or null.
extern Menu g_menuBar;
// Chooses item `item` of popup `title`: closes the bar, posts its command.
void ChooseMenuItem(int title, int item);

// Key modifiers as the page passes them.
inline constexpr int kShift = 1, kCtrl = 2, kAlt = 4, kMeta = 8;

}  // namespace tk

// The page's side (library.js). Texts are UTF-8.
extern "C" {
void web_start(const char* title);
void web_show(const std::uint32_t* rgba, int width, int height, int top, int rows);
// Each line F (a graph's figure) or a blank, then a text.
void web_page_texts(const char* lines);
void web_announce(const char* text);
void web_make_control(int id, int kind, int x, int y, int width, int height);
void web_control_face(int id, const std::uint32_t* rgba, int width, int height, int checked);
void web_set_visible(int id, int visible);
void web_set_name(int id, const char* name);
void web_field_setup(int id, int maxChars, int alignment, int digitsOnly, const char* font);
int web_field_value(int id, char* buffer, int size, int* start, int* end);
void web_field_set(int id, const char* text, int start, int end);
void web_focus(int id);
int web_focused();
void web_menu_bar(const char* description);
void web_menu_state(int title, int open, int item, int focus);
void web_language(const char* language);
void web_open(const char* address);
void web_quit();
}
