// The top-level window, message delivery and the message loop.

#include "toolkit/win32/win32_bridge.h"

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

HWND g_mainWindow = nullptr;

// The window procedure the class is registered with: the application's
// MainWindowProc takes the toolkit's handle and types.
LRESULT CALLBACK MainWindowThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && g_mainWindow == nullptr) g_mainWindow = hwnd;
    if (message == WM_COMMAND && hwnd == g_mainWindow) {
        if (tk::CommandListener listener = tk::CommandHook()) listener(wParam);
    }
    return MainWindowProc(tk::FromHwnd(hwnd), message, wParam, lParam);
}

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
                      const char* keyword) {
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

    // The height does not count the title bar; the width includes the frame.
    HWND window = CreateWindowExA(style.exStyle, className.c_str(), title ? title : "", style.style,
                                  x, y, width, height + GetSystemMetrics(SM_CYCAPTION), nullptr,
                                  nullptr, module, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowColor(tk::FromHwnd(window), GetSysColor(COLOR_BTNFACE));
    return tk::FromHwnd(window);
}

int CenterWindow(Window window) {
    RECT r{};
    if (!GetWindowRect(tk::Hwnd(window), &r)) return 0;
    // Half a title bar above the true centre.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - r.right + r.left) / 2;
    const int y =
        (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top + GetSystemMetrics(SM_CYCAPTION))) / 2;
    SetWindowPos(tk::Hwnd(window), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int SetWindowIcon(Window window, const char* iconName) {
    HWND hwnd = tk::Hwnd(window);
    if (hwnd == nullptr) return 0;
    auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    HICON icon = iconName != nullptr ? LoadIconA(module, iconName) : nullptr;
    SetClassLongPtrA(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    return 0;
}

int SetWindowColor(Window window, Colour colour) {
    HWND hwnd = tk::Hwnd(window);
    if (hwnd == nullptr || GetFocus() != hwnd) return 0;
    SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(CreateSolidBrush(colour)));
    InvalidateRgn(hwnd, nullptr, TRUE);
    return 0;
}

int SetAccessibleName(Window control, const char* name) {
    // Screen readers name a button by its text and a field by what the
    // platform finds beside it; the toolkit adds nothing on Windows.
    return control == nullptr || name == nullptr ? 1 : 0;
}

void PostCommand(Window window, WParam id) { PostMessageA(tk::Hwnd(window), WM_COMMAND, id, 0); }

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
    return DefWindowProcA(tk::Hwnd(window), message, wParam, lParam);
}

namespace tk {

void PostPlatformQuit(int exitCode) { ::PostQuitMessage(exitCode); }

HWND MainWindow() { return g_mainWindow; }

bool ShowControl(HWND control, int command) {
    const bool visible = (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible == (command != SW_HIDE)) return visible;
    return ShowWindow(control, command) != FALSE;
}

std::vector<Control>& Controls() {
    static auto* controls = new std::vector<Control>;
    return *controls;
}

int& KeyPending() {
    static int pending = 0;
    return pending;
}

CommandListener& CommandHook() {
    static CommandListener listener = nullptr;
    return listener;
}

}  // namespace tk
