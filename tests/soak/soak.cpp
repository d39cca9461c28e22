// selvaquin-soak [--actions N] [--start S]: N random user actions (default
// 100000, random start value S, default 1): menu items, every command id but
// close, keys, typed text of any Unicode, long pastes, option clicks, focus
// moves, language switches. After each: one of the eighteen screens, fields of
// at most 12 bytes and no control byte, the canvas 1000 x 600, the window's
// inside 1000 x 594 (on Windows the client area), every command 1050 at the
// recorder standing in for the browser. From action 1000 on, memory (under the
// address sanitizer: the bytes allocated) grows by less than 1 MiB.

#include "app/main_window.h"
#include "app/menus.h"
#include "app/screens.h"
#include "calc/common/shell.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/testing/probe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace tk;

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
long Memory() { return long(__sanitizer_get_current_allocated_bytes()); }
#else
long Memory() { return ProbeMemoryInUse(); }
#endif

namespace {

const std::string kKeys[] = {
    "Tab",      "Tab",    "Return",    "Return",       "Backspace",    "Delete", "Left",
    "Right",    "Home",   "End",       "Up",           "Down",         "Insert", "PageUp",
    "PageDown", "Escape", "F1",        "F2",           "F3",           "F4",     "F5",
    "F6",       "F7",     "F8",        "F9",           "F10",          "F11",    "F12",
    "Ctrl+C",   "Ctrl+V", "Ctrl+X",    "Ctrl+Z",       "Ctrl+A",       "Ctrl+Y", "Alt",
    "Alt+F",    "Menu",   "Shift+F10", "Shift+Insert", "Alt+Backspace"};
// Typed and pasted characters: from a range (first, count) or one of kSpecial
// (surrogates go as their three bytes).
constexpr std::pair<char32_t, int> kRanges[] = {
    {'0', 10},     {'0', 10},   {'0', 10},   {0x20, 0x5F},   {0, 0x20},
    {0x300, 0x70}, {0x5D0, 27}, {0x621, 26}, {0x80, 0xFF80}, {0x10000, 0x100000}};
constexpr std::u32string_view kSpecial =
    U",.-+eEiInNfF \t\n\r\x7F\x80\x81\x9D\xA0\xAD\xE5\xC5\xE4\xF6\xD6\x20AC\x2019\x178\x200B"
    U"\x200E\x200F\x202E\x2066\xFEFF\xFFFD\xFFFE\xFFFF\x1F600\x10FFFF\xE000";

struct Soak {
    Window app;
    std::mt19937 random;
    std::vector<WParam> ids = std::vector<WParam>(0x10000);
    std::size_t next = 0;
    int homePage = 0;
    std::vector<std::string> browser;  // what the program asked the browser to open
    std::string last = "start";

    Soak(Window window, unsigned start) : app(window), random(start) {
        std::iota(ids.begin(), ids.end(), WParam(0));
        std::erase(ids, WParam(1000));  // closes the program: the real-window test clicks it
        std::shuffle(ids.begin(), ids.end(), random);
        ProbeRecordShellOpens(&browser);
        // The window's own menu (Windows: Alt, Left) is the desktop's business.
        ProbeIgnoreWindowCommands(app);
    }

    int Pick(std::size_t n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(random); }
    template <typename C>
    auto Any(const C& c) -> decltype(&c[0]) {
        return std::size(c) == 0 ? nullptr : &c[Pick(std::size(c))];
    }
    std::string Text(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) {
            const std::size_t row = Pick(std::size(kRanges) + 1);
            const char32_t c = row == std::size(kRanges)
                                   ? *Any(kSpecial)
                                   : kRanges[row].first + Pick(kRanges[row].second);
            const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
            text += char(extra == 0 ? c : (0xFF << (7 - extra)) | (c >> (6 * extra)));
            for (int k = extra - 1; k >= 0; --k) text += char(0x80 | ((c >> (6 * k)) & 0x3F));
        }
        return text;
    }

    void Post(WParam id) {
        last = "command " + std::to_string(id);
        homePage += id == 1050;
        PostCommand(app, id);
    }
    void Command() {
        if (next == ids.size()) std::shuffle(ids.begin(), ids.end(), random), next = 0;
        Post(ids[next++]);
    }
    void Language() { Post(Pick(2) ? 2101 : 2102); }
    void Menu() {
        std::vector<ProbeMenuEntry> items;
        for (const ProbePopup& popup : ProbeMenuBar(app))
            std::copy_if(popup.entries.begin(), popup.entries.end(), std::back_inserter(items),
                         [](const ProbeMenuEntry& e) { return !e.separator; });
        if (const ProbeMenuEntry* item = Any(items)) {
            last = "menu item " + std::to_string(item->id);
            homePage += item->id == 1050;
            ProbeChooseMenuItem(app, item->text);
        }
    }
    void Key() { ProbePressKey(last = *Any(kKeys)); }
    void Type() { ProbeTypeText(Text(1 + Pick(16))), last = "typing"; }
    void Paste() {
        const int length = 1 << Pick(17);
        std::string text = Pick(2) ? Text(length) : std::string(length, char('0' + Pick(10)));
#ifdef _WIN32
        // Windows' edit control takes the first line of a paste as it is:
        // no control characters there, so that none may come in otherwise.
        std::erase_if(text, [](unsigned char c) {
            return (c < 0x20 && c != '\n' && c != '\r') || c == 0x7F;
        });
#endif
        ProbeSetClipboard(text);
        ProbePressKey("Ctrl+V");
        last = "a paste of " + std::to_string(length) + " characters";
    }
    void Click() {
        std::vector<ProbeButton> buttons = ProbeButtons();
        std::erase_if(buttons,
                      [](auto& b) { return !b.visible || b.state == ProbeButtonState::Push; });
        if (const ProbeButton* b = Any(buttons)) ProbeClickButton(last = b->text);
    }
    void Focus() {
        std::vector<ProbeField> fields = ProbeEditFields();
        std::erase_if(fields, [](auto& f) { return !f.visible; });
        if (const ProbeField* f = Any(fields)) FocusEditField(f->handle), last = "a focus move";
    }

    bool Step() {  // each action with its weight out of 100
        static constexpr std::pair<int, void (Soak::*)()> kActions[] = {
            {20, &Soak::Type}, {20, &Soak::Key},  {15, &Soak::Command}, {15, &Soak::Menu},
            {7, &Soak::Paste}, {8, &Soak::Click}, {10, &Soak::Focus},   {5, &Soak::Language}};
        int r = Pick(100);
        for (const auto& [weight, action] : kActions)
            if ((r -= weight) < 0) return (this->*action)(), Check();
        return false;
    }

    bool Check() {
        ProbeProcessEvents();
        std::string fault;
        const int screen = g_shell.currentScreen;
        if (std::none_of(AllScreens().begin(), AllScreens().end(),
                         [&](const Screen* e) { return e->id == screen; }))
            fault = "screen " + std::to_string(screen);
        for (const ProbeField& f : ProbeEditFields())
            if (f.text.size() > 12 ||
                std::any_of(f.text.begin(), f.text.end(),
                            [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
                fault = "a field holds \"" + f.text + "\"";
        const ProbeRect inside = ProbeWindowRect(app), client = ProbeClientRect(app);
#if defined(_WIN32) || defined(__EMSCRIPTEN__)
        const int height = client.height;  // the frame takes 6 rows of the 600, the bar none
#else
        const int height = inside.height;
#endif
        if (CanvasWidth(g_shell.canvas) != 1000 || CanvasHeight(g_shell.canvas) != 600 ||
            inside.width != 1000 || height != 594 || client.width != 1000 ||
            client.y + client.height != inside.y + inside.height)
            fault = "canvas or client resized";
        if (std::ssize(browser) != homePage ||
            std::any_of(browser.begin(), browser.end(),
                        [](auto& a) { return a != kHomePageAddress; }))
            fault = "home page opened " + std::to_string(browser.size()) + " times for " +
                    std::to_string(homePage) + " commands";
        if (!fault.empty())
            std::fprintf(stderr, "soak: %s after %s\n", fault.c_str(), last.c_str());
        return fault.empty();
    }
};

long Option(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == name) return std::strtol(argv[i + 1], nullptr, 10);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const long actions = Option(argc, argv, "--actions", 100000),
               start = Option(argc, argv, "--start", 1);
    if (InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    Soak soak(StartSelvaquin(), unsigned(start));
    // The first menus shown make their windows before anything is measured.
    for (const char* key : {"F10", "Down", "Escape", "Escape"}) ProbePressKey(key);
    PostCommand(soak.app, 1005);
    ProbeProcessEvents();
    for (const char* key : {"Menu", "Escape"}) ProbePressKey(key);
    ProbeProcessEvents();
    long baseline = Memory();
    for (long i = 1; i <= actions; ++i) {
        if (!soak.Step())
            return std::printf("soak: failed at action %ld, random start value %ld\n", i, start), 1;
        if (i == 1000) baseline = Memory();
    }
    while (soak.next < soak.ids.size())  // the command ids not drawn yet
        if (soak.Post(soak.ids[soak.next++]), !soak.Check())
            return std::printf("soak: failed in the sweep of command ids\n"), 1;
    const long grown = Memory() - baseline;
    std::printf("soak: %ld actions, random start value %ld, memory grew by %ld KiB\n", actions,
                start, grown / 1024);
    return grown < 1024 * 1024 ? 0 : 1;
}
