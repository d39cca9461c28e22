// Push buttons and option buttons. The platform's buttons report a click to
// their parent as WM_COMMAND with their identifier, and automatic radio
// buttons clear the other visible ones of their group themselves.

#include "toolkit/win32/win32_bridge.h"

namespace tk {

namespace {

HMENU ControlId(int commandId) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)); }

// The "BUTTON" class's own procedure, taken from the last option button made.
WNDPROC g_buttonProc = nullptr;

// An option button tells a screen reader its kind and check.
LRESULT CALLBACK OptionButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT)
        if (const LRESULT object = AccessibleObject(button, wParam, lParam, Accessed::Option))
            return object;
    return CallWindowProcA(g_buttonProc, button, message, wParam, lParam);
}

void Subclass(HWND button) {
    g_buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OptionButtonProc)));
}

}  // namespace

Window CreatePushButton(Window parent, int x, int y, int width, int height, const char* text,
                        const char* placement, const char* frame, int commandId) {
    const ButtonStyle style = PushButtonStyle(placement, frame);
    Pending button;
    button.className = "BUTTON";
    button.text = text ? text : "";
    button.style = style.style & ~WS_VISIBLE;  // shown whatever the style
    button.exStyle = style.exStyle;
    button.x = x;
    button.y = y;
    button.width = width;
    button.height = height;
    button.parent = Hwnd(parent);
    button.id = ControlId(commandId);
    button.module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(button.parent, GWLP_HINSTANCE));
    button.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return AddControl(ControlKind::PushButton, std::move(button));
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr) return 1;
    if (button->pending) {
        button->pending->text = text;
        return 0;
    }
    return SetWindowTextA(button->hwnd, text) ? 0 : 1;
}

int SetPushButtonFont(Window control, Font font) {
    SetControlFont(control, Hfont(font));
    return 0;
}

Window CreateOptionButton(Window parent, int x, int y, const char* kind, const char* text,
                          int commandId) {
    const DWORD style = OptionButtonStyle(kind);
    Pending button;
    button.className = "BUTTON";
    button.text = text ? text : "";
    button.style = style & ~WS_VISIBLE;
    button.visible = (style & WS_VISIBLE) != 0;
    button.x = x;
    button.y = y;
    button.sizeToText = true;  // OptionButtonExtent
    button.sizingText = button.text;
    button.parent = Hwnd(parent);
    button.id = ControlId(commandId);
    button.made = Subclass;
    return AddControl(ControlKind::OptionButton, std::move(button));
}

int HideOptionButton(Window button) { return ShowControl(button, SW_HIDE) ? 0 : 1; }

int ShowOptionButton(Window button) { return ShowControl(button, SW_SHOWNORMAL) ? 1 : 0; }

int CheckOptionButton(Window button) {
    if (button != nullptr && button->pending)
        button->pending->checked = true;
    else
        SendMessageA(Hwnd(button), BM_SETCHECK, BST_CHECKED, 0);
    return 0;
}

int IsOptionChecked(Window button) {
    if (button != nullptr && button->pending) return button->pending->checked ? 1 : 0;
    return static_cast<int>(SendMessageA(Hwnd(button), BM_GETCHECK, 0, 0));
}

}  // namespace tk
