// The floor for the start-up measurement on Windows (startup_wine.sh): a
// bare Win32 window as large as Selvaquin's (1006 wide, 600 plus the title
// bar plus the menu bar high, the same frame) with a 1000 x 600 memory
// canvas copied to the client area in each paint, a menu bar with one item
// and one edit field, nothing else. It has the program's resources, and so
// the same controls library. The canvas is the colour of Selvaquin's splash
// name, which tells the first paint from outside.
//
// With the argument "hidden" the window is made and never shown: the
// measurement keeps one such program running, so that Wine's desktop process
// stays up between the starts, as the desktop does on Windows.

#include <windows.h>

#include <commctrl.h>

namespace {

HDC g_canvas = nullptr;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            BitBlt(dc, 0, 0, 1000, 600, g_canvas, 0, 0, SRCCOPY);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    InitCommonControls();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "Floor";
    if (RegisterClassExA(&windowClass) == 0) return 1;

    HDC screen = GetDC(nullptr);
    g_canvas = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 1000;
    info.bmiHeader.biHeight = -600;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    SelectObject(g_canvas, CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ReleaseDC(nullptr, screen);
    const RECT all{0, 0, 1000, 600};
    HBRUSH teal = CreateSolidBrush(RGB(0x00, 0x96, 0x96));
    FillRect(g_canvas, &all, teal);
    DeleteObject(teal);

    HMENU bar = CreateMenu();
    HMENU popup = CreateMenu();
    AppendMenuA(popup, MF_STRING, 100, "Item");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "Menu");
    const int height = 600 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    HWND window = CreateWindowExA(
        0, "Floor", "Floor", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
        CW_USEDEFAULT, CW_USEDEFAULT, 1006, height, nullptr, bar, instance, nullptr);
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, 280, 40, 100,
                    25, window, reinterpret_cast<HMENU>(1), instance, nullptr);
    if (lstrcmpA(commandLine, "hidden") != 0) ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
