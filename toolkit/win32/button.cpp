// Push buttons and option buttons. The platform's buttons report a click to
// their parent as WM_COMMAND with their identifier, and automatic radio
// buttons clear the other visible ones of their group themselves.

#include "toolkit/win32/win32_bridge.h"

#include <algorithm>

namespace {

HMENU ControlId(int commandId) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)); }

}  // namespace

Window CreatePushButton(Window parent, int x, int y, int width, int height, const char* text,
                        const char* placement, const char* frame, int commandId) {
    HWND owner = tk::Hwnd(parent);
    const ButtonStyle style = PushButtonStyle(placement, frame);
    HWND button = CreateWindowExA(
        style.exStyle, "BUTTON", text ? text : "", style.style, x, y, width, height, owner,
        ControlId(commandId), reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)),
        nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(button, SW_SHOW);
    if (button != nullptr) tk::Controls().push_back({button, tk::ControlKind::PushButton});
    return tk::FromHwnd(button);
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr) return 1;
    return SetWindowTextA(tk::Hwnd(button), text) ? 0 : 1;
}

int SetPushButtonFont(Window control, Font font) {
    SendMessageA(tk::Hwnd(control), WM_SETFONT, reinterpret_cast<WPARAM>(tk::Hfont(font)), TRUE);
    return 0;
}

int HidePushButton(Window control) { return tk::ShowControl(tk::Hwnd(control), SW_HIDE) ? 0 : 1; }

Window CreateOptionButton(Window parent, int x, int y, const char* kind, const char* text,
                          int commandId) {
    HWND owner = tk::Hwnd(parent);
    if (text == nullptr) text = "";
    // Sized by the parent's own font, not by the one the button gets later.
    SIZE extent{};
    HDC dc = GetWindowDC(owner);
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    ReleaseDC(owner, dc);
    const int width = extent.cx + 20;
    const int height = std::max<int>(extent.cy, 16);
    HWND button = CreateWindowExA(0, "BUTTON", text, OptionButtonStyle(kind), x, y, width, height,
                                  owner, ControlId(commandId), nullptr, nullptr);
    if (button != nullptr) tk::Controls().push_back({button, tk::ControlKind::OptionButton});
    return tk::FromHwnd(button);
}

int HideOptionButton(Window button) { return HidePushButton(button); }

int ShowOptionButton(Window button) {
    return tk::ShowControl(tk::Hwnd(button), SW_SHOWNORMAL) ? 1 : 0;
}

int CheckOptionButton(Window button) {
    SendMessageA(tk::Hwnd(button), BM_SETCHECK, BST_CHECKED, 0);
    return 0;
}

int IsOptionChecked(Window button) {
    return static_cast<int>(SendMessageA(tk::Hwnd(button), BM_GETCHECK, 0, 0));
}

ControlGeometry GetControlGeometry(Window control) {
    HWND hwnd = tk::Hwnd(control);
    RECT r{};
    if (hwnd == nullptr || !GetWindowRect(hwnd, &r)) return {0, 0, 0, 0};
    // In the parent's client coordinates.
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
