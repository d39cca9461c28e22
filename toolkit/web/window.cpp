// The main window in the browser: its client image on the page's <canvas>,
// the posted commands handled in order after the event that posted them,
// the keys, and the quit.

#include "toolkit/observer.h"
#include "toolkit/text.h"
#include "toolkit/web/web_bridge.h"

#include <emscripten.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string_view>

namespace tk {

namespace {

constexpr int kFrame = 3;  // the window's edge, left out of the client area

Window g_main = nullptr;
std::deque<WParam> g_commands;
bool g_repaint = false;
bool g_handling = false;
bool g_quit = false;
std::unique_ptr<std::uint32_t[]> g_band;  // rows of the client image as the page takes them
std::string g_shownTexts;
AltTap g_alt;

// Shows the client image on the page, band by band through one small RGBA
// buffer. A paint puts the whole image (a fraction of a millisecond once the
// page's canvas has its memory); keeping a copy of what the page shows to
// find the rows that changed made the first paint touch megabytes of fresh
// memory, its largest cost (bench/README.md).
void Show() {
    constexpr int kBandRows = 32;
    const CanvasImpl& image = *g_main->clientImage;
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    if (g_band == nullptr) g_band.reset(new std::uint32_t[std::size_t(image.width) * kBandRows]);
    for (int top = 0; top < image.height; top += kBandRows) {
        const int rows = std::min(kBandRows, image.height - top);
        ToRgba(&image.rgb[top * row], g_band.get(), std::size_t(image.width) * rows);
        web_show(g_band.get(), image.width, image.height, top, rows);
    }
    std::vector<ShownText> shown = PageTexts();
    std::string texts;
    for (const ShownText& t : shown)
        texts += (t.kind == TextKind::Figure ? "F" : " ") + Cp1252ToUtf8(t.text) + "\n";
    if (texts != g_shownTexts) web_page_texts((g_shownTexts = std::move(texts)).c_str());
    const std::string said = PageAnnouncer().Said(std::move(shown));
    if (!said.empty()) web_announce(Cp1252ToUtf8(said).c_str());
}

}  // namespace

// Four pixels at a time: three words in, four out (WebAssembly is
// little-endian). Out of line, see web_bridge.h.
[[gnu::noinline]] void ToRgba(const std::uint8_t* rgb, std::uint32_t* rgba, std::size_t pixels) {
    constexpr std::uint32_t kOpaque = 0xFF000000;
    for (; pixels >= 4; pixels -= 4, rgb += 12, rgba += 4) {
        std::uint32_t in[3];
        std::memcpy(in, rgb, sizeof in);
        rgba[0] = in[0] | kOpaque;
        rgba[1] = in[0] >> 24 | in[1] << 8 | kOpaque;
        rgba[2] = in[1] >> 16 | in[2] << 16 | kOpaque;
        rgba[3] = in[2] >> 8 | kOpaque;
    }
    for (; pixels > 0; --pixels, rgb += 3) *rgba++ = rgb[0] | rgb[1] << 8 | rgb[2] << 16 | kOpaque;
}

Window MainWindow() { return g_main; }

std::vector<ShownText> PageTexts() {
    return g_main != nullptr ? g_main->clientImage->texts.InReadingOrder()
                             : std::vector<ShownText>{};
}

void HandlePending() {
    if (g_handling || g_main == nullptr) return;
    g_handling = true;
    while (!g_commands.empty()) {
        const WParam id = g_commands.front();
        g_commands.pop_front();
        if (g_observer != nullptr) g_observer->CommandDelivered(id);
        g_main->procedure(g_main, kWmCommand, id, 0);
    }
    UpdateElements();
    if (g_repaint) {
        g_repaint = false;
        g_main->procedure(g_main, kWmPaint, 0, 0);
        Show();
    }
    g_handling = false;
    if (g_quit) web_quit();
}

int InitToolkit(int&, char**, const char*, std::initializer_list<const char*>) { return 0; }

// The window's frame, title bar and place are the browser's: the page shows the
// menu bar and the client area, width less the frame by height less it.
Window OpenMainWindow(Instance, const char* title, int, int, int width, int height, const char*,
                      WindowProcedure procedure) {
    if (g_main != nullptr || procedure == nullptr) return nullptr;
    web_start(Cp1252ToUtf8(title != nullptr ? title : "").c_str());  // the tab's title
    const int w = std::max(1, width - 2 * kFrame), h = std::max(1, height - 2 * kFrame);
    g_main =
        new WindowImpl{.kind = ControlKind::Main, .width = w, .height = h, .procedure = procedure};
    const MemoryDC current = SetMemoryDC(nullptr);
    g_main->clientImage = CreateCanvas(g_main, w, h, 0xF0F0F0);
    SetMemoryDC(current);
    HoldFocus(true);
    procedure(g_main, kWmCreate, 0, 0);
    HoldFocus(false);
    g_repaint = true;
    HandlePending();
    return g_main;
}

int CenterWindow(Window) { return 0; }
int SetWindowIcon(Window, const char*) { return 0; }  // the page's icons are the site's
int SetWindowColor(Window, Colour) { return 0; }

int SetWindowLanguage(Window window, const char* language) {
    if (window == nullptr || language == nullptr) return 1;
    web_language(language);  // the page's lang
    return 0;
}

int SetAccessibleName(Window control, const char* name) {
    if (control == nullptr || name == nullptr) return 1;
    control->name = Cp1252ToUtf8(name);
    if (control->made) web_set_name(control->id, control->name.c_str());
    return 0;
}

void PostCommand(Window, WParam id) {
    if (g_observer != nullptr) g_observer->CommandPosted(id);
    g_commands.push_back(id);
}

// A page cannot close the tab it was opened in: the program ends as it does
// on the desktop, and starts again at its start page (library.js).
void PostQuitMessage(int) { g_quit = true; }

// The browser runs the events; the program waits for them with nothing on
// its stack.
int RunMessageLoop() {
    HandlePending();
    return 0;
}

LResult DefaultWindowProc(Window window, unsigned message, WParam, LParam) {
    if (message == kWmClose && window != nullptr) window->procedure(window, kWmDestroy, 0, 0);
    return 0;
}

int RepaintWindow(Window window, const char* keyword) {
    if (window == nullptr || keyword == nullptr) return 1;
    if (std::string_view(keyword) != "ERASED" && std::string_view(keyword) != "UNERASED") return 1;
    g_repaint = true;
    return 0;
}

void OpenWithShell(Window, const char* target, int) {
    if (target != nullptr) web_open(Cp1252ToUtf8(target).c_str());
}

// The same text in UTF-16, as the field's rules read it.
std::u16string Utf16(const char* utf8) {
    std::u16string out;
    for (const char32_t cp : CodePoints(utf8 != nullptr ? utf8 : "")) {
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

}  // namespace tk

using namespace tk;

extern "C" {

// A key went down (Windows virtual-key code, kShift | kCtrl | kAlt | kMeta):
// the menu bar's when it has the keyboard or the key is F10, else the
// focused field's. 1 when the browser must not act on it.
EMSCRIPTEN_KEEPALIVE int web_key(int vk, int modifiers) {
    g_alt.Down(vk, (modifiers & ~kAlt) != 0);
    bool taken = vk == kKeyAlt || MenuKey(vk, modifiers);
    if (Window field = taken ? nullptr : FocusedField())
        taken = FieldKey(field, vk, modifiers);
    else  // no TAB round the page's elements: the program's TAB is a field's
        taken = taken || vk == kKeyTab;
    HandlePending();
    return taken ? 1 : 0;
}

// A key went up: a tap of Alt alone takes the menu bar or leaves it.
EMSCRIPTEN_KEEPALIVE int web_key_up(int vk) {
    const bool tap = g_alt.Up(vk);
    if (tap) MenuKey(kKeyF10, 0);
    HandlePending();
    return tap ? 1 : 0;
}

}  // extern "C"
