// Menu bars and popups.

#include "toolkit/win32/win32_bridge.h"

namespace tk {

Menu CreateMenuBar() { return FromHmenu(CreateMenu()); }

int AttachMenuBar(Window window, Menu menu) {
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr) return 1;
    if (GetMenu(hwnd) == nullptr) {
        // The first bar: the window grows by its height, so that the client
        // area keeps its size.
        RECT r{};
        GetWindowRect(hwnd, &r);
        MoveWindow(hwnd, r.left, r.top, r.right - r.left,
                   r.bottom - r.top + GetSystemMetrics(SM_CYMENU), TRUE);
    }
    // The bar that is replaced goes, with its popups, as on Linux: every
    // change of language makes a new one.
    HMENU replaced = GetMenu(hwnd);
    if (!SetMenu(hwnd, Hmenu(menu))) return 1;
    if (replaced != nullptr && replaced != Hmenu(menu)) DestroyMenu(replaced);
    return 0;
}

Menu AddMenuPopup(Menu menu, const char* title) {
    HMENU popup = CreateMenu();
    AppendMenuA(Hmenu(menu), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title ? title : "");
    return FromHmenu(popup);
}

int AddMenuItem(Menu popup, const char* text, unsigned commandId) {
    return AppendMenuA(Hmenu(popup), MF_STRING, commandId, text ? text : "") ? 0 : 1;
}

int AddMenuSeparator(Menu popup) {
    return AppendMenuA(Hmenu(popup), MF_SEPARATOR, 0, nullptr) ? 0 : 1;
}

}  // namespace tk
