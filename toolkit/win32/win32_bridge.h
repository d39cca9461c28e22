// Inside the toolkit: the Windows objects behind the handles. Never included
// outside toolkit/.
//
// A Window is a WindowImpl, which holds the HWND (made on demand for a
// control), a Font is the HFONT and a Menu the HMENU; a MemoryDC is a
// CanvasImpl, which holds the memory device context with its bitmap.
#pragma once

#include "toolkit/button.h"
#include "toolkit/controls.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/shown_texts.h"
#include "toolkit/window.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk {

// What a control is made with, kept while it has no window. A control made
// while it cannot be seen (hidden, or the main window not shown yet) gets
// its window the first time it is shown in a window on the screen, or when
// something needs the window itself (Hwnd). The pages' first run makes
// 48 fields and buttons inside the main window's creation and hides them at
// once; under Wine each window made costs trips to the server, and leaving
// them pending brings the window on the screen much sooner (bench/README.md).
// A page's first opening makes its controls instead.
struct Pending {
    const char* className = "";
    std::string text;
    DWORD style = 0;  // without WS_VISIBLE: `visible` says
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    bool sizeToText = false;  // option buttons: sized when made to the text
    std::string sizingText;   // they were made with
    HWND parent = nullptr;
    HMENU id = nullptr;
    HINSTANCE module = nullptr;
    int textLimit = -1;    // edit fields: their EM_LIMITTEXT
    HFONT font = nullptr;  // null: the control's own
    bool visible = true;
    bool checked = false;
    void (*made)(HWND) = nullptr;  // edit fields and option buttons: subclassed
};

// The main window or a control.
struct WindowImpl {
    ControlKind kind = ControlKind::Main;
    HWND hwnd = nullptr;  // null while pending
    HWND parent = nullptr;
    // Edit fields: a static label that never shows, just before the field in
    // the window order, which names the field for a screen reader (Windows
    // names an edit control by the label before it).
    HWND label = nullptr;
    std::string accessibleName;           // edit fields: the label's text
    std::unique_ptr<Pending> pending;     // set until the window is made
    WindowProcedure procedure = nullptr;  // the main window's
};

struct CanvasImpl {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::uint8_t* bits = nullptr;  // 32 bits a pixel, blue green red unused, top row first
    int width = 0;
    int height = 0;
    ShownTexts texts;  // for assistive technology
};

// The header of a device-independent bitmap whose pixels can be read back:
// 32 bits a pixel (blue, green, red, unused), top row first.
inline BITMAPINFO TopDownBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The window of a handle, made now if the control was still pending; null
// for a null handle.
HWND Hwnd(Window window);
inline HFONT Hfont(Font font) { return reinterpret_cast<HFONT>(font); }
inline Font FromHfont(HFONT font) { return reinterpret_cast<Font>(font); }
inline HMENU Hmenu(Menu menu) { return reinterpret_cast<HMENU>(menu); }
inline Menu FromHmenu(HMENU menu) { return reinterpret_cast<Menu>(menu); }

// The one main window, once its creation has begun.
HWND MainWindow();
// The texts drawn on the main window itself, which keeps no image of its own.
ShownTexts& MainWindowTexts();

// The answer to WM_GETOBJECT for the client area of the main window, an edit
// field or an option button; 0 for any other object, which Windows answers.
enum class Accessed { Page, Field, Option };
LRESULT AccessibleObject(HWND hwnd, WPARAM wParam, LPARAM lParam, Accessed kind);
// A field's accessible description: what changed on the page while it had
// the focus, until the focus leaves it (FocusLeft).
const std::string& FieldDescription(HWND field);
void FocusLeft(HWND field);

// Every control, in creation order.
std::vector<Window>& Controls();
// Enters a control to be made from `pending`: at once when it is to be
// visible in a window on the screen, else when it is shown or needed.
Window AddControl(ControlKind kind, Pending pending);
// Makes the pending controls that are to be visible; called just before
// the main window is shown.
void MakeShownControls();

// Shows or hides a control as ShowWindow with `command` does, and says
// whether it was visible before. A control that is shown or hidden already
// is left alone: ShowWindow would do nothing to it, but under Wine each call
// still costs a trip to the server, and every page run hides every control.
bool ShowControl(Window control, int command);
// Gives a control its font (WM_SETFONT), now or when it is made.
void SetControlFont(Window control, HFONT font);

// The canvas last copied into the main window: the page under the controls.
MemoryDC& ShownCanvas();

}  // namespace tk
