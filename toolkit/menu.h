// Menu bar and popups built in code. A chosen item posts its identifier to
// the main window as kWmCommand. The main window's bar also works from the
// keyboard as on Windows: F10 or a tap of Alt selects its first title, the
// arrow keys, Enter or Space and Escape move, open, choose and leave
// (toolkit/menu_keys.h).
#pragma once

#include "window.h"

namespace tk {

struct MenuImpl;
using Menu = MenuImpl*;

Menu CreateMenuBar();
// Attaches the bar; the first bar makes the window taller so that the client
// area keeps its size. 0 when attached, 1 when it failed.
int AttachMenuBar(Window window, Menu menu);
Menu AddMenuPopup(Menu menu, const char* title);
int AddMenuItem(Menu popup, const char* text, unsigned commandId);
// Appends a separator (a rule between entries).
int AddMenuSeparator(Menu popup);

}  // namespace tk
