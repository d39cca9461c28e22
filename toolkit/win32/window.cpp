// The top-level window, message delivery and the message loop.

#include "toolkit/observer.h"
#include "toolkit/win32/win32_bridge.h"

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace tk {

namespace {

WindowImpl g_mainWindow;
// The field that had the focus when the window last went inactive.
HWND g_focusBefore = nullptr;

// An option button has no background of its own, as on Linux: it is
// painted in the colour of the page under its top-left corner, and its text
// is drawn without a box.
LRESULT PageColourBrush(HWND control, HDC dc) {
    static HBRUSH brush = nullptr;
    static COLORREF brushColour = CLR_INVALID;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, g_mainWindow.hwnd, reinterpret_cast<POINT*>(&r), 2);
    const MemoryDC page = ShownCanvas();
    COLORREF colour = GetSysColor(COLOR_BTNFACE);
    if (page != nullptr && r.left >= 0 && r.top >= 0 && r.left < page->width &&
        r.top < page->height) {
        const std::uint8_t* p = page->bits + (std::size_t(r.top) * page->width + r.left) * 4;
        colour = RGB(p[2], p[1], p[0]);
    }
    if (colour != brushColour) {
        if (brush != nullptr) DeleteObject(brush);
        brush = CreateSolidBrush(colour);
        brushColour = colour;
    }
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(brush);
}

// The field last told what changed on the page, and what it was told, until
// the focus leaves it: a field a TAB comes back to says no old news.
HWND g_described = nullptr;
std::string g_description;

// What changed on the page (Announcer) is told to a screen reader as the
// focused field's description, without the focus moving, once a change.
void Announce() {
    const std::string said = PageAnnouncer().Said(PageTexts());
    if (said.empty()) return;
    HWND focus = GetFocus();
    g_described = nullptr;
    for (Window control : Controls())
        if (control->kind == ControlKind::Edit && control->hwnd == focus) g_described = focus;
    g_description = said;
    if (g_described != nullptr)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, focus, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_REORDER, g_mainWindow.hwnd, OBJID_CLIENT, CHILDID_SELF);
}

// The window procedure the class is registered with: the application's
// procedure takes the toolkit's handle and types. The class has one window,
// the main window.
LRESULT CALLBACK MainWindowThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && g_mainWindow.hwnd == nullptr) g_mainWindow.hwnd = hwnd;
    if (hwnd != g_mainWindow.hwnd) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_GETOBJECT)
        if (const LRESULT object = AccessibleObject(hwnd, wParam, lParam, Accessed::Page))
            return object;
    if (message == WM_COMMAND && g_observer != nullptr) g_observer->CommandDelivered(wParam);
    // As in a dialog, the field that had the focus when the window went
    // inactive (minimised, or another window taken to) gets it back when the
    // window is active again. A minimised window's fields cannot take the
    // focus: the field waits until the window is restored. Wine activates a
    // window restored by a window manager while it is still minimised, so the
    // restore itself hands the focus on when the window kept it.
    const bool restored = message == WM_SIZE && wParam == SIZE_RESTORED && GetFocus() == hwnd;
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) g_focusBefore = focus;
    } else if ((message == WM_SETFOCUS || (message == WM_ACTIVATE && HIWORD(wParam) == 0) ||
                restored) &&
               !IsIconic(hwnd)) {
        const auto from = reinterpret_cast<HWND>(wParam);
        HWND field = message == WM_SETFOCUS && IsChild(hwnd, from)
                         ? from
                         : std::exchange(g_focusBefore, nullptr);
        if (field != nullptr && IsWindowVisible(field)) {
            SetFocus(field);
            if (!restored) return 0;
        }
    }
    if (message == WM_GETMINMAXINFO) {
        // Maximised, the window keeps its size and only moves: the page has
        // one size, and the rest of a larger window would stay unpainted.
        RECT r{};
        GetWindowRect(hwnd, &r);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxSize = {r.right - r.left, r.bottom - r.top};
        return 0;
    }
    if (message == WM_CTLCOLORSTATIC)
        return PageColourBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    const LRESULT result = g_mainWindow.procedure(&g_mainWindow, message, wParam, lParam);
    // Once the page shows: before, the window holds the texts of the last.
    if (message == WM_PAINT) Announce();
    return result;
}

// A new control goes below the others: one made after controls made later
// than it is put in the place it would have had, which decides what shows
// where controls overlap and the order a screen reader goes through them.
void KeepCreationOrder(WindowImpl* control) {
    HWND above = HWND_TOP;
    bool found = false;
    for (Window other : Controls()) {
        if (other == control) {
            found = true;
        } else if (other->hwnd != nullptr) {
            if (found) {
                SetWindowPos(control->hwnd, above, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                return;
            }
            above = other->hwnd;
        }
    }
}

// Makes a pending control's window from what it was told.
void Make(WindowImpl* control) {
    const Pending p = std::move(*control->pending);
    control->pending.reset();
    int width = p.width, height = p.height;
    if (p.sizeToText) {
        // By the parent's own font, not by the one the button gets.
        SIZE extent{};
        HDC dc = GetWindowDC(p.parent);
        GetTextExtentPoint32A(dc, p.sizingText.c_str(), static_cast<int>(p.sizingText.size()),
                              &extent);
        ReleaseDC(p.parent, dc);
        const Extent size = OptionButtonExtent(extent.cx, extent.cy);
        width = size.width, height = size.height;
    }
    // Checking an automatic radio button clears the other visible ones of
    // its group, under Wine even when the check comes by message. A check
    // given while the button was pending must not clear those shown since:
    // it is set while the button is a plain radio button.
    const bool checkPlain = p.checked && (p.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    const DWORD style = checkPlain ? (p.style & ~BS_TYPEMASK) | BS_RADIOBUTTON : p.style;
    HWND hwnd = CreateWindowExA(p.exStyle, p.className, p.text.c_str(),
                                style | (p.visible ? WS_VISIBLE : 0), p.x, p.y, width, height,
                                p.parent, p.id, p.module, nullptr);
    control->hwnd = hwnd;
    if (hwnd == nullptr) return;
    if ((p.style & WS_CHILD) != 0) KeepCreationOrder(control);
    if (control->kind == ControlKind::Edit) {
        control->label = CreateWindowExA(0, "STATIC", control->accessibleName.c_str(), WS_CHILD,
                                         p.x, p.y, 0, 0, p.parent, nullptr, p.module, nullptr);
        HWND before = GetWindow(hwnd, GW_HWNDPREV);
        SetWindowPos(control->label, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (p.textLimit >= 0) SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(p.textLimit), 0);
    if (p.font != nullptr) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(p.font), FALSE);
    if (p.checked) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (checkPlain) {
        const LONG_PTR checked = GetWindowLongPtrA(hwnd, GWL_STYLE);
        SetWindowLongPtrA(hwnd, GWL_STYLE, (checked & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON);
    }
    if (p.made != nullptr) p.made(hwnd);
}

bool OnScreen(const Pending& p) { return IsWindowVisible(p.parent) != FALSE; }

// Standard input and output carry bytes as they are: the C runtime's text
// mode would turn every "\n" written into "\r\n".
void BinaryStream(std::FILE* stream) {
    const int fd = _fileno(stream);
    if (fd >= 0) _setmode(fd, _O_BINARY);
}

}  // namespace

int InitToolkit(int&, char**, const char*, std::initializer_list<const char*>) {
    // Windows has one platform: a platform name asks for nothing else here.
    // Nor do the faces: the platform's font list is read when a font is
    // made, whatever its length.
    BinaryStream(stdin);
    BinaryStream(stdout);
    BinaryStream(stderr);
    return 0;
}

Window OpenMainWindow(Instance instance, const char* title, int x, int y, int width, int height,
                      const char* keyword, WindowProcedure procedure) {
    if (procedure == nullptr) return nullptr;
    InitCommonControls();
    HINSTANCE module =
        instance != 0 ? reinterpret_cast<HINSTANCE>(instance) : GetModuleHandleA(nullptr);
    const std::string className = WindowClassName(title, reinterpret_cast<Instance>(module));
    const WindowStyle style = WindowStyleForKeyword(keyword);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style.classStyle;
    windowClass.lpfnWndProc = MainWindowThunk;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExA(&windowClass) == 0) return nullptr;
    g_mainWindow.procedure = procedure;

    // The height does not count the title bar; the width includes the frame.
    HWND window = CreateWindowExA(style.exStyle, className.c_str(), title ? title : "", style.style,
                                  x, y, width, height + GetSystemMetrics(SM_CYCAPTION), nullptr,
                                  nullptr, module, nullptr);
    if (window == nullptr) return nullptr;
    MakeShownControls();
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowColor(&g_mainWindow, GetSysColor(COLOR_BTNFACE));
    return &g_mainWindow;
}

int CenterWindow(Window window) {
    RECT r{};
    if (!GetWindowRect(Hwnd(window), &r)) return 0;
    // Half a title bar above the true centre.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - r.right + r.left) / 2;
    const int y =
        (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top + GetSystemMetrics(SM_CYCAPTION))) / 2;
    // The work area is the screen less the taskbar.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(Hwnd(window), nullptr, KeepOnWorkArea(x, r.right - r.left, work.left, work.right),
                 KeepOnWorkArea(y, r.bottom - r.top, work.top, work.bottom), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int SetWindowIcon(Window window, const char* iconName) {
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr) return 0;
    auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    HICON icon = iconName != nullptr ? LoadIconA(module, iconName) : nullptr;
    SetClassLongPtrA(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    return 0;
}

int SetWindowColor(Window window, Colour colour) {
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr || GetFocus() != hwnd) return 0;
    SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(CreateSolidBrush(colour)));
    InvalidateRgn(hwnd, nullptr, TRUE);
    return 0;
}

// Active Accessibility gives a window no language: NVDA and Narrator read
// the program's texts in the voice the user chose.
int SetWindowLanguage(Window window, const char* language) {
    return window == nullptr || language == nullptr ? 1 : 0;
}

int SetAccessibleName(Window control, const char* name) {
    if (control == nullptr || name == nullptr) return 1;
    // Screen readers name a button by its text; a field by its label.
    if (control->kind != ControlKind::Edit) return 0;
    // Unchanged names are left alone: a screen reader may read a renamed
    // field out again. A field not made yet gets its label when it is made.
    if (control->accessibleName == name) return 0;
    control->accessibleName = name;
    if (control->label != nullptr) SetWindowTextA(control->label, name);
    return 0;
}

void PostCommand(Window window, WParam id) {
    if (PostMessageA(Hwnd(window), WM_COMMAND, id, 0) && g_observer != nullptr)
        g_observer->CommandPosted(id);
}

int RunMessageLoop() {
    // TranslateMessage before DispatchMessageA: the character message of a
    // key then comes ahead of anything the key-down posts.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

LResult DefaultWindowProc(Window window, unsigned message, WParam wParam, LParam lParam) {
    return DefWindowProcA(Hwnd(window), message, wParam, lParam);
}

void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

HWND MainWindow() { return g_mainWindow.hwnd; }

ShownTexts& MainWindowTexts() {
    static auto* texts = new ShownTexts;
    return *texts;
}

std::vector<ShownText> PageTexts() { return MainWindowTexts().InReadingOrder(); }

const std::string& FieldDescription(HWND field) {
    static const std::string none;
    return field != nullptr && field == g_described ? g_description : none;
}

void FocusLeft(HWND field) {
    if (field == g_described) g_described = nullptr;
}

HWND Hwnd(Window window) {
    if (window == nullptr) return nullptr;
    if (window->pending) Make(window);
    return window->hwnd;
}

// Kept for the life of the process, as the windows are: each page makes its
// controls once, in the init pass.
std::vector<Window>& Controls() {
    static auto* controls = new std::vector<Window>;
    return *controls;
}

Window AddControl(ControlKind kind, Pending pending) {
    auto* control = new WindowImpl;
    control->kind = kind;
    control->parent = pending.parent;
    control->pending = std::make_unique<Pending>(std::move(pending));
    Controls().push_back(control);
    if (control->pending->visible && OnScreen(*control->pending)) Make(control);
    return control;
}

void MakeShownControls() {
    for (Window control : Controls())
        if (control->pending && control->pending->visible) Make(control);
}

bool ShowControl(Window control, int command) {
    if (control == nullptr) return false;
    if (Pending* p = control->pending.get()) {
        const bool visible = p->visible;
        p->visible = command != SW_HIDE;
        if (p->visible && OnScreen(*p)) Make(control);
        return visible;
    }
    const bool visible = (GetWindowLongPtrA(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible == (command != SW_HIDE)) return visible;
    return ShowWindow(control->hwnd, command) != FALSE;
}

void SetControlFont(Window control, HFONT font) {
    if (control != nullptr && control->pending)
        control->pending->font = font;
    else
        SendMessageA(Hwnd(control), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace tk
