// Single-line edit fields that forward their keys to the main window.

#include "toolkit/win32/win32_bridge.h"

#include <algorithm>
#include <cstring>

namespace {

// The "EDIT" class's own procedure, taken from the last field made; every
// field is of that class.
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK EditFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        const bool caret =
            wParam == VK_END || wParam == VK_HOME || wParam == VK_LEFT || wParam == VK_RIGHT;
        if (!caret && wParam <= 255) {
            // After the key-down's character, which TranslateMessage queued
            // first.
            PostMessageA(GetParent(field), WM_COMMAND, wParam, 0);
            // Shift+Insert and Ctrl+Insert still paste and copy.
            const bool clipboard =
                wParam == VK_INSERT && (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0);
            if (!clipboard) return 0;
        }
    } else if (message == WM_CHAR && (wParam == '\t' || wParam == '\r')) {
        tk::KeyPending() = 1;
        return 0;
    }
    return g_editProc != nullptr ? CallWindowProcA(g_editProc, field, message, wParam, lParam) : 0;
}

HINSTANCE ModuleOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

}  // namespace

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars) {
    HWND owner = tk::Hwnd(parent);
    const DWORD style = EditStyleForKeyword(keyword) | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN |
                        WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;
    // Every field has control identifier 1.
    HWND field = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, x, y, width, height, owner,
                                 reinterpret_cast<HMENU>(1), ModuleOf(owner), nullptr);
    SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(std::max(maxChars, 0)), 0);
    if (field == nullptr) return nullptr;
    g_editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditFieldProc));
    tk::Controls().push_back({field, tk::ControlKind::Edit});
    return tk::FromHwnd(field);
}

int HideEditField(Window field) { return tk::ShowControl(tk::Hwnd(field), SW_HIDE) ? 0 : 1; }

int ShowEditField(Window field) { return tk::ShowControl(tk::Hwnd(field), SW_SHOW) ? 1 : 0; }

void FocusEditField(Window field) {
    HWND hwnd = tk::Hwnd(field);
    // A field of a window that is not shown yet (the pages' first run at
    // start-up) is not given the focus: showing the window activates it, and
    // an activated window takes the focus itself. Under Wine each of those
    // calls would cost half a millisecond.
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (top != nullptr && !IsWindowVisible(top)) return;
    SetFocus(hwnd);
}

int PassFocus(Window from, Window to) {
    if (tk::KeyPending() == 1 && from != nullptr && GetFocus() == tk::Hwnd(from)) {
        SetFocus(tk::Hwnd(to));
        tk::KeyPending() = 0;
    }
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    HWND hwnd = tk::Hwnd(field);
    if (hwnd == nullptr) return;
    // The whole text and its NUL. The limit holds only for what the user
    // types and pastes: a text set from outside (a screen reader) may be
    // longer.
    const auto length = static_cast<std::size_t>(std::max(GetWindowTextLengthA(hwnd), 0));
    std::string text(length + 2, '\0');
    SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    buffer = std::move(text);
}

int SetEditFieldFont(Window field, Font font) {
    SendMessageA(tk::Hwnd(field), WM_SETFONT, reinterpret_cast<WPARAM>(tk::Hfont(font)), TRUE);
    return 0;
}

void SetEditMenuTexts(const char* const*) {
    // The fields' context menu is the platform's own, in the system's
    // language: nothing to set.
}
