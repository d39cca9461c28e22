// The main window in the browser: the page's <canvas> shows its client image,
// posted commands are handled in order after the input that posted them.

#include "toolkit/draw_target.h"
#include "toolkit/raster.h"
#include "toolkit/text.h"
#include "toolkit/web/web_bridge.h"

#include <deque>

// In library.js.
extern "C" void web_show_image(const std::uint8_t* rgb, int width, int height);
extern "C" void web_open_address(const char* address);

namespace {

constexpr int kFrame = 3;  // the window's edge, left out of the client area

Window g_main = nullptr;
std::deque<WParam> g_commands;
bool g_repaint = false;
bool g_handling = false;

}  // namespace

namespace tk {

Window MainWindow() { return g_main; }

void RequestRepaint() { g_repaint = true; }

void HandlePending() {
    if (g_handling || g_main == nullptr) return;
    g_handling = true;
    while (!g_commands.empty()) {
        const WParam id = g_commands.front();
        g_commands.pop_front();
        MainWindowProc(g_main, WM_COMMAND, id, 0);
    }
    if (g_repaint) {
        g_repaint = false;
        MainWindowProc(g_main, WM_PAINT, 0, 0);
        const TkCanvas* image = g_main->clientImage;
        web_show_image(image->rgb.data(), image->width, image->height);
    }
    g_handling = false;
}

}  // namespace tk

int InitToolkit(int&, char**, const char*, std::initializer_list<const char*>) { return 0; }

Window OpenMainWindow(Instance, const char*, int x, int y, int width, int height, const char*) {
    if (g_main != nullptr) return nullptr;
    g_main = new TkWindow;
    g_main->x = x;
    g_main->y = y;
    g_main->width = width > 2 * kFrame ? width - 2 * kFrame : 1;
    g_main->height = height > 2 * kFrame ? height - 2 * kFrame : 1;
    const MemoryDC current = SetMemoryDC(nullptr);
    g_main->clientImage = CreateCanvas(g_main, g_main->width, g_main->height, 0xF0F0F0);
    SetMemoryDC(current);
    MainWindowProc(g_main, WM_CREATE, 0, 0);
    g_repaint = true;
    return g_main;
}

int CenterWindow(Window) { return 0; }
int SetWindowIcon(Window, const char*) { return 0; }
int SetWindowColor(Window, Colour) { return 0; }

int SetAccessibleName(Window control, const char* name) {
    return control == nullptr || name == nullptr ? 1 : 0;
}

void PostCommand(Window, WParam id) { g_commands.push_back(id); }

// A page cannot close the tab it was opened in; the program stays.
void PostQuitMessage(int) {}

int RunMessageLoop() {
    tk::HandlePending();
    return 0;
}

LResult DefaultWindowProc(Window window, unsigned message, WParam, LParam) {
    if (message == WM_CLOSE) MainWindowProc(window, WM_DESTROY, 0, 0);
    return 0;
}

int RepaintWindow(Window window, const char* keyword) {
    if (window == nullptr || keyword == nullptr) return 1;
    if (std::string_view(keyword) != "ERASED" && std::string_view(keyword) != "UNERASED") return 1;
    tk::RequestRepaint();
    return 0;
}

void OpenWithShell(Window, const char* target, int) {
    if (target != nullptr) web_open_address(Cp1252ToUtf8(target).c_str());
}
