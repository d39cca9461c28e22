// Single-line edit fields that forward their keys to the main window.

#include "toolkit/observer.h"
#include "toolkit/text.h"
#include "toolkit/win32/win32_bridge.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tk {

namespace {

// The "EDIT" class's own procedure, taken from the last field made; every
// field is of that class.
WNDPROC g_editProc = nullptr;

// The clipboard's text, in UTF-16 as the platform keeps it.
std::u16string ClipboardText(HWND owner) {
    std::u16string text;
    if (!OpenClipboard(owner)) return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (g_observer != nullptr) g_observer->ClipboardRead();
    if (const auto* p =
            data != nullptr ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr) {
        text = p;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A small tilde (Windows-1252 0x98) goes into a field as a tilde: Wine lays
// out the field's text with OpenType positioning that crashes on a small
// tilde at its start or after a digit in DejaVu Sans, the face it stands in
// for Verdana. A number has no use for either.
constexpr char kSmallTilde = '\x98';

// A paste, by whatever way it comes (Ctrl+V, Shift+Insert, the context
// menu), puts in place of the selection what typing would: FieldInput's part
// of the clipboard's text.
void Paste(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto limit = static_cast<std::size_t>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0));
    const auto length = static_cast<std::size_t>(std::max(GetWindowTextLengthA(field), 0));
    const bool digitsOnly = (GetWindowLongPtrA(field, GWL_STYLE) & ES_NUMBER) != 0;
    std::string taken =
        FieldInput(ClipboardText(field), digitsOnly, RoomLeft(limit, length, end - start));
    std::replace(taken.begin(), taken.end(), kSmallTilde, '~');
    if (!taken.empty())
        SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(taken.c_str()));
}

LRESULT CALLBACK EditFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        if (const LRESULT object = AccessibleObject(field, wParam, lParam, Accessed::Field))
            return object;
    } else if (message == WM_KILLFOCUS) {
        FocusLeft(field);
    } else if (message == WM_KEYDOWN) {
        const int vk = static_cast<int>(wParam);
        if (FieldKeyAction(vk, false, false) != FieldKey::Caret && Forwarded(vk)) {
            // After the key-down's character, which TranslateMessage queued
            // first.
            PostMessageA(GetParent(field), WM_COMMAND, wParam, 0);
            // Shift+Insert pastes (Wine's control would not filter it: it
            // pastes without WM_PASTE) and Ctrl+Insert copies.
            if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
                Paste(field);
                return 0;
            }
            if (wParam != VK_INSERT || GetKeyState(VK_CONTROL) >= 0) return 0;
        }
    } else if (message == WM_CHAR && (wParam == '\t' || wParam == '\r')) {
        KeyPending() = 1;
        return 0;
    } else if (message == WM_CHAR && wParam == 1) {
        // Ctrl+A selects all, as current Windows has it (Wine's control
        // ignores it).
        SendMessageA(field, EM_SETSEL, 0, -1);
        return 0;
    } else if (message == WM_PASTE) {
        Paste(field);
        return 0;
    } else if (message == WM_CHAR && wParam == static_cast<unsigned char>(kSmallTilde)) {
        wParam = '~';
    }
    return g_editProc != nullptr ? CallWindowProcA(g_editProc, field, message, wParam, lParam) : 0;
}

HINSTANCE ModuleOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

void Subclass(HWND field) {
    g_editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditFieldProc));
}

}  // namespace

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars) {
    Pending field;
    field.className = "EDIT";
    field.style = EditStyleForKeyword(keyword) | WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP |
                  ES_NOHIDESEL | ES_AUTOHSCROLL;
    field.exStyle = WS_EX_CLIENTEDGE;
    field.x = x;
    field.y = y;
    field.width = width;
    field.height = height;
    field.parent = Hwnd(parent);
    field.id = reinterpret_cast<HMENU>(1);  // every field has control identifier 1
    field.module = ModuleOf(field.parent);
    field.textLimit = std::max(maxChars, 0);
    field.made = Subclass;
    return AddControl(ControlKind::Edit, std::move(field));
}

int HideEditField(Window field) { return ShowControl(field, SW_HIDE) ? 0 : 1; }

int ShowEditField(Window field) { return ShowControl(field, SW_SHOW) ? 1 : 0; }

void FocusEditField(Window field) {
    // A field of a window that is not shown yet (the pages' first run at
    // start-up) is not given the focus: showing the window activates it, and
    // an activated window takes the focus itself. Under Wine each of those
    // calls would be a trip to the server, and the field need not be made.
    if (field != nullptr && !IsWindowVisible(field->parent)) return;
    SetFocus(Hwnd(field));
}

int PassFocus(Window from, Window to) {
    // A field not made yet cannot have the focus.
    PassPending(from != nullptr && from->hwnd != nullptr && GetFocus() == from->hwnd,
                [to] { SetFocus(Hwnd(to)); });
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    if (field == nullptr) return;
    // A field not made yet holds no text.
    if (field->pending) {
        buffer.clear();
        return;
    }
    HWND hwnd = field->hwnd;
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
    SetControlFont(field, Hfont(font));
    return 0;
}

void SetEditMenuTexts(const char* const*) {
    // The fields' context menu is the platform's own, in the system's
    // language: nothing to set.
}

}  // namespace tk
