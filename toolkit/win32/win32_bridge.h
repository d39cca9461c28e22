// Inside the toolkit: the Windows objects behind the handles. Never included
// outside toolkit/.
//
// A Window is the HWND itself, a Font the HFONT and a Menu the HMENU; a
// MemoryDC is a TkCanvas, which holds the memory device context with its
// bitmap and the list of texts drawn on it.
#pragma once

// The toolkit's own PostQuitMessage (window.h) and the platform's have the
// same name and arguments; the toolkit's is declared under another name here
// and defined in quit.cpp, which does not include <windows.h>.
#define PostQuitMessage TkDeclaredElsewhere_PostQuitMessage
#include "toolkit/window.h"
#undef PostQuitMessage
#include "toolkit/button.h"
#include "toolkit/canvas_texts.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"

// After the toolkit's headers: <windows.h> defines the WM_ names as macros.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TkCanvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::uint8_t* bits = nullptr;  // 32 bits a pixel, blue green red unused, top row first
    int width = 0;
    int height = 0;
    CanvasTextList texts;
};

namespace tk {

inline HWND Hwnd(Window window) { return reinterpret_cast<HWND>(window); }
inline Window FromHwnd(HWND hwnd) { return reinterpret_cast<Window>(hwnd); }
inline HFONT Hfont(Font font) { return reinterpret_cast<HFONT>(font); }
inline Font FromHfont(HFONT font) { return reinterpret_cast<Font>(font); }
inline HMENU Hmenu(Menu menu) { return reinterpret_cast<HMENU>(menu); }
inline Menu FromHmenu(HMENU menu) { return reinterpret_cast<Menu>(menu); }

// The one main window, once its creation has begun.
HWND MainWindow();

enum class ControlKind { Edit, PushButton, OptionButton };
struct Control {
    HWND hwnd;
    ControlKind kind;
};
// Every control made, in creation order.
std::vector<Control>& Controls();

// Shows or hides a control as ShowWindow with `command` does, and says
// whether it was visible before. A control that is shown or hidden already
// is left alone: ShowWindow would do nothing to it, but under Wine each call
// still costs a trip to the server, and every page run hides every control.
bool ShowControl(HWND control, int command);

// The edit fields' key-pending flag: 1 after a TAB or ENTER was typed in a
// field, until PassFocus uses it.
int& KeyPending();

// Called with every WM_COMMAND the main window procedure is given; null
// when nobody listens.
using CommandListener = void (*)(WPARAM id);
CommandListener& CommandHook();

}  // namespace tk
