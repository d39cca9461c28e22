// selvaquin-soak [--actions N] [--start S]: a warm-up of at most kWarmUpLimit, then N random user
// actions from start value S, each checked (Check); after the warm-up memory grows under 1 MiB.

#include "app/main_window.h"
#include "app/menus.h"
#include "app/screens.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/testing/probe.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using namespace tk;

// On Windows and in the browser the menu bar stands above the client's 594 rows, on Linux in them.
#if defined(_WIN32) || defined(__EMSCRIPTEN__)
constexpr bool kBarAbove = true;
#else
constexpr bool kBarAbove = false;
#endif
#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
long Memory() { return long(__sanitizer_get_current_allocated_bytes()); }
constexpr long kWarmUpLimit = 2 << 20;
#else
long Memory() { return ProbeMemoryInUse(); }
#ifdef _WIN32
constexpr long kWarmUpLimit = 7 << 19;  // 3.5 MiB
#else
constexpr long kWarmUpLimit = 6 << 20;
#endif
#endif

namespace {

const std::string kKeys[] = {
    "Tab",      "Tab",    "Return",    "Return",       "Backspace",    "Delete", "Left",
    "Right",    "Home",   "End",       "Up",           "Down",         "Insert", "PageUp",
    "PageDown", "Escape", "F1",        "F2",           "F3",           "F4",     "F5",
    "F6",       "F7",     "F8",        "F9",           "F10",          "F11",    "F12",
    "Ctrl+C",   "Ctrl+V", "Ctrl+X",    "Ctrl+Z",       "Ctrl+A",       "Ctrl+Y", "Alt",
    "Alt+F",    "Menu",   "Shift+F10", "Shift+Insert", "Alt+Backspace"};
// Typed and pasted: from a range (first, count) or kSpecial (a surrogate as 3 bytes).
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
    int homePage = 0;  // since the last check: the home page's commands, what the browser opened
    std::vector<std::string> browser;

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
        std::u32string text;
        for (int i = 0; i < length; ++i) {
            const std::size_t row = Pick(std::size(kRanges) + 1);
            text += row == std::size(kRanges) ? *Any(kSpecial)
                                              : kRanges[row].first + Pick(kRanges[row].second);
        }
        return Utf8(text);
    }

    void Post(WParam id) { homePage += id == 1050, PostCommand(app, id); }
    void Command() {
        if (next == ids.size()) std::shuffle(ids.begin(), ids.end(), random), next = 0;
        Post(ids[next++]);
    }
    void Language() { Post(Pick(2) ? 2101 : 2102); }
    void Menu() {
        const std::vector<ProbePopup> bar = ProbeMenuBar(app);
        const ProbeMenuEntry* item = Any(Any(bar)->entries);
        if (item == nullptr || item->separator) return;
        homePage += item->id == 1050;
        ProbeChooseMenuItem(app, item->text);
    }
    void Key() { ProbePressKey(*Any(kKeys)); }
    void Type() { ProbeTypeText(Text(1 + Pick(16))); }
    void Paste() {
        const int length = 1 << Pick(17);
        const std::string text = Pick(2) ? Text(length) : std::string(length, char('0' + Pick(10)));
        ProbeSetClipboard(text), ProbePressKey("Ctrl+V");
    }
    void Click() {
        std::vector<ProbeButton> b = ProbeButtons();
        std::erase_if(b, [](auto& b) { return !b.visible || b.state == ProbeButtonState::Push; });
        if (!b.empty()) ProbeClickButton(Any(b)->text);
    }
    void Focus() {
        std::vector<ProbeField> fields = ProbeEditFields();
        std::erase_if(fields, [](auto& f) { return !f.visible; });
        if (const ProbeField* f = Any(fields)) FocusEditField(f->handle);
    }

    // What the program makes once and keeps: each page, menu, key and character, the longest
    // pastes; the clipboard (Wine keeps it between programs) emptied first.
    void WarmUp() {
        ProbeSetClipboard("");
        for (WParam language : {2102, 2101}) {
            Post(language), ProbeProcessEvents();
            for (const char* key : {"F10", "Down", "Right", "Right", "Right", "Escape", "Escape"})
                ProbePressKey(key);
            for (const Screen* screen : AllScreens()) {
                Post(screen->id), ProbeProcessEvents();
                for (const ProbeField& f : ProbeEditFields())
                    if (f.visible)
                        FocusEditField(f.handle), ProbeTypeText("12"), ProbePressKey("Return");
                for (const ProbeButton& b : ProbeButtons())
                    if (b.visible && b.state != ProbeButtonState::Push) ProbeClickButton(b.text);
            }
        }
        for (int c = 0x20; c <= 0xFF; ++c)
            ProbePressKey("Ctrl+A"), ProbeTypeText(Cp1252ToUtf8(std::string(1, char(c))));
        for (const std::string& key : kKeys) ProbePressKey(key), ProbePressKey("Escape");
        for (char32_t c : {U'7', U'\x10FFFF'})
            ProbeSetClipboard(Utf8(std::u32string(1 << 16, c))), ProbePressKey("Ctrl+V");
        ProbeChooseMenuItem(app, ProbeMenuBar(app)[1].entries[0].text), Post(1050);
        ProbeSetClipboard("1"), ProbeProcessEvents();
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
        if (FindScreen(g_shell.currentScreen) == nullptr)
            fault = "screen " + std::to_string(g_shell.currentScreen);
        for (const ProbeField& f : ProbeEditFields())
            if (f.text.size() > 12 ||
                std::any_of(f.text.begin(), f.text.end(),
                            [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
                fault = "a field holds \"" + f.text + "\"";
        const ProbeRect inside = ProbeWindowRect(app), client = ProbeClientRect(app);
        if (CanvasWidth(g_shell.canvas) != 1000 || CanvasHeight(g_shell.canvas) != 600 ||
            inside.width != 1000 || (kBarAbove ? client.height : inside.height) != 594 ||
            client.width != 1000 || client.y + client.height != inside.y + inside.height)
            fault = "canvas or client resized";
        if (browser != std::vector<std::string>(homePage, kHomePageAddress))
            fault = "home page opened " + std::to_string(browser.size()) + " times";
        if (!fault.empty()) std::printf("soak: %s\n", fault.c_str());
        browser.clear(), homePage = 0;
        return fault.empty();
    }
};

}  // namespace

int main(int argc, char** argv) {
    long actions = 100000, start = 1;
    for (int i = 1; i + 1 < argc; i += 2)
        (std::string(argv[i]) == "--start" ? start : actions) = std::atol(argv[i + 1]);
    if (InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    Soak soak(StartSelvaquin(), unsigned(start));
    // Without a display Wine's X11 driver makes no window.
    if (ProbeMenuBar(soak.app).size() < 2) return std::puts("soak: the program made no window"), 1;
    ProbeProcessEvents();
    const long readCost = ProbeClipboardReadCost(), before = Memory();
    soak.WarmUp();
    const long reference = Memory(), read = ProbeClipboardReads();
    bool ok = reference - before <= kWarmUpLimit;
    std::printf("soak: the warm-up took %ld KiB (at most %ld)\n", (reference - before) / 1024,
                kWarmUpLimit / 1024);
    // After the actions, each command id not drawn yet.
    for (long i = 1; ok && (i <= actions || soak.next < soak.ids.size()); ++i) {
        ok = i <= actions ? soak.Step() : (soak.Post(soak.ids[soak.next++]), soak.Check());
        if (ok &&
            ((i <= actions && i % 1000 == 0) || (i >= actions && soak.next == soak.ids.size()))) {
            ProbeSetClipboard("1"), ProbeProcessEvents();  // a long paste's text is not ours
            const long reads = ProbeClipboardReads() - read;
            const long grown = Memory() - reference - reads * readCost;
            std::printf(
                "soak: %ld KiB more at action %ld (%ld clipboard reads at %ld bytes come off)\n",
                grown / 1024, i, reads, readCost);
            ok = grown < 1 << 20;
        }
        if (!ok)
            std::printf(
                "soak: failed at action %ld; replay: selvaquin-soak --start %ld --actions %ld\n", i,
                start, std::min(i, actions));
    }
    return ok ? 0 : 1;
}
