// selvaquin-soak: the application in-process on the offscreen platform,
// driven by a long stream of random user actions, with its invariants checked
// after every one.
//
//   selvaquin-soak [--actions N] [--start S] [--progress N]
//
//   --actions N   random actions to play (default 100000)
//   --start S     random start value (default 1); the same S and N replay
//                 the same run
//   --progress N  print a progress line every N actions (default 0: none)
//
// Actions: menu items chosen from the current menu bar, command ids posted
// as WM_COMMAND (drawn from a shuffled list of all of 0..65535, and every id
// not drawn by then is posted once at the end), named keys and Ctrl+letter,
// typed text of any Unicode, clipboard pastes of long texts, clicks on the
// visible option buttons, focus moved to a visible field, language switches.
//
// After every action: the current screen is one of the eighteen, every field
// holds at most 12 Windows-1252 bytes and no control byte, the canvas and
// the window's client area are 1000 x 600, and every command 1050 reached the desktop's URL handler (which
// this program replaces, so no browser starts). Resident memory is read after
// the first 1000 actions and at the end; it must grow by less than 1 MiB
// (under the address sanitizer: the bytes allocated and not freed).
// Exit code 0 when all held, 1 when one failed (the last actions are listed).

#include "app/screens.h"
#include "app/shell.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/probe.h"
#include "toolkit/window.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's allocator (GCC ships no header that declares it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Stands in for the desktop's browser: counts the addresses it is asked to
// open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    int opened = 0;
    QUrl last;
public slots:
    void open(const QUrl& url) {
        ++opened;
        last = url;
    }
};

constexpr WParam kClose = 1000;
constexpr WParam kHomePageCommand = 1050;
constexpr long kBaselineAction = 1000;
constexpr long kMaxGrowth = 1024 * 1024;

// Bytes the program has allocated and not freed (what the sanitizer's
// allocator holds in quarantine not counted).
long HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
#endif
}

constexpr bool HeapIsSanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// UTF-8 of one code point; surrogates are written as their three bytes too,
// which makes malformed UTF-8.
void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Soak {
public:
    Soak(Window app, unsigned start) : app_(app), random_(start) {
        for (const ScreenEntry& e : AllScreens()) screens_.push_back(e.id);
        commands_.resize(0x10000);
        std::iota(commands_.begin(), commands_.end(), WParam(0));
        std::shuffle(commands_.begin(), commands_.end(), random_);
        // The close command ends the program; the real-window test covers it.
        std::erase(commands_, kClose);
        QDesktopServices::setUrlHandler("https", &browser_, "open");
        QDesktopServices::setUrlHandler("http", &browser_, "open");
    }
    ~Soak() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    // Plays one random action and checks the invariants; false on a failure.
    bool Step() {
        const int kind = Pick(100);
        if (kind < 20) TypeText();
        else if (kind < 40) PressKey();
        else if (kind < 55) Post(NextCommand());
        else if (kind < 70) ChooseMenuItem();
        else if (kind < 77) Paste();
        else if (kind < 85) ClickOption();
        else if (kind < 95) FocusField();
        else Post(Pick(2) ? 2101 : 2102);
        ProbeProcessEvents();
        return Check();
    }

    // Posts every command id not drawn yet; false on a failure.
    bool Sweep() {
        while (next_ < commands_.size()) {
            Post(NextCommand());
            ProbeProcessEvents();
            if (!Check()) return false;
        }
        return true;
    }

    std::size_t CommandsSent() const { return next_; }
    // Key presses, typed texts and pastes, and how many found a focused field.
    long KeyActions() const { return keyActions_; }
    long KeyActionsInAField() const { return inAField_; }
    int HomePageCommands() const { return homePage_; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Reached(bool field) {
        ++keyActions_;
        inAField_ += field;
    }

    void Log(std::string what) {
        if (log_.size() == 16) log_.pop_front();
        log_.push_back(std::move(what));
    }

    WParam NextCommand() {
        if (next_ == commands_.size()) {
            std::shuffle(commands_.begin(), commands_.end(), random_);
            next_ = 0;
        }
        return commands_[next_++];
    }

    void Post(WParam id) {
        Log("command " + std::to_string(id));
        if (id == kHomePageCommand) ++homePage_;
        PostCommand(app_, id);
    }

    void ChooseMenuItem() {
        std::vector<ProbeMenuEntry> items;
        for (const ProbePopup& popup : ProbeMenuBar(app_))
            for (const ProbeMenuEntry& e : popup.entries)
                if (!e.separator) items.push_back(e);
        if (items.empty()) return Log("menu: no bar");
        const ProbeMenuEntry& item = items[std::size_t(Pick(int(items.size())))];
        Log("menu " + std::to_string(item.id));
        if (item.id == kHomePageCommand) ++homePage_;
        ProbeChooseMenuItem(app_, item.text);
    }

    void PressKey() {
        static const char* const kNames[] = {
            "Tab", "Tab", "Return", "Return", "Backspace", "Delete", "Left", "Right", "Home",
            "End", "Up", "Down", "Insert", "PageUp", "PageDown", "Escape"};
        std::string name;
        const int k = Pick(10);
        if (k < 6) name = kNames[Pick(int(std::size(kNames)))];
        else if (k < 8) name = "F" + std::to_string(1 + Pick(12));
        else name = std::string("Ctrl+") + "CVXZAY"[Pick(6)];
        Log("key " + name);
        Reached(ProbePressKey(name));
    }

    // One code point from a family a user, a paste or a broken keyboard
    // driver may bring.
    char32_t CodePoint() {
        static const char32_t kSpecial[] = {
            0,      '\t',   '\n',   '\r',   0x7F,   0x80,   0x81,   0x9D,   0xA0,   0xAD,
            0xE5,   0xC5,   0xE4,   0xF6,   0xD6,   0x20AC, 0x2019, 0x0178, 0x200B, 0x200E,
            0x200F, 0x202E, 0x2066, 0xFEFF, 0xFFFD, 0xFFFE, 0xFFFF, 0x1F600, 0x10FFFF, 0xE000};
        switch (Pick(10)) {
            case 0: case 1: case 2: return char32_t("0123456789"[Pick(10)]);
            case 3: return char32_t(",.-+eE iInNfF"[Pick(13)]);
            case 4: return char32_t(0x20 + Pick(0x5F));                // printable ASCII
            case 5: return char32_t(Pick(0x20));                       // C0 controls, NUL
            case 6: return kSpecial[Pick(int(std::size(kSpecial)))];
            case 7: return char32_t(0x300 + Pick(0x70));               // combining marks
            case 8: return char32_t(Pick(2) ? 0x5D0 + Pick(27) : 0x621 + Pick(26));   // RTL
            default: return char32_t(Pick(2) ? 0x80 + Pick(0xFF80) : 0x10000 + Pick(0x100000));
        }
    }

    std::string RandomText(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) AppendUtf8(text, CodePoint());
        return text;
    }

    void TypeText() {
        const std::string text = RandomText(1 + Pick(16));
        Log("type " + std::to_string(text.size()) + " bytes");
        Reached(ProbeTypeText(text));
    }

    void Paste() {
        // Lengths from 1 to 65536 code points, spread over the magnitudes.
        const int length = 1 << Pick(17);
        const std::string text =
            Pick(2) ? RandomText(length) : std::string(std::size_t(length), char('0' + Pick(10)));
        Log("paste " + std::to_string(text.size()) + " bytes");
        ProbeSetClipboard(text);
        Reached(ProbePressKey("Ctrl+V"));
    }

    void ClickOption() {
        std::vector<std::string> texts;
        for (const ProbeButton& b : ProbeButtons())
            if (b.visible && b.state != ProbeButtonState::Push) texts.push_back(b.text);
        if (texts.empty()) return Log("click: no option button");
        const std::string& text = texts[std::size_t(Pick(int(texts.size())))];
        Log("click " + text);
        ProbeClickButton(text);
    }

    void FocusField() {
        std::vector<Window> visible;
        for (const ProbeField& f : ProbeEditFields())
            if (f.visible) visible.push_back(f.handle);
        if (visible.empty()) return Log("focus: no field");
        Log("focus a field");
        FocusEditField(visible[std::size_t(Pick(int(visible.size())))]);
    }

    bool Fail(const std::string& what) {
        std::fprintf(stderr, "soak: %s\nlast actions, oldest first:\n", what.c_str());
        for (const std::string& a : log_) std::fprintf(stderr, "  %s\n", a.c_str());
        return false;
    }

    bool Check() {
        if (std::find(screens_.begin(), screens_.end(), g_shell.currentScreen) == screens_.end())
            return Fail("current screen " + std::to_string(g_shell.currentScreen));
        for (const ProbeField& f : ProbeEditFields()) {
            if (f.text.size() > 12) return Fail("field holds " + std::to_string(f.text.size()));
            for (char c : f.text)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    return Fail("field holds control byte " + std::to_string(int(c)));
        }
        if (CanvasWidth(g_shell.canvas) != 1000 || CanvasHeight(g_shell.canvas) != 600)
            return Fail("canvas resized");
        const ProbeRect client = ProbeClientRect(app_);
        if (client.width != 1000 || client.height != 600) return Fail("client area resized");
        if (browser_.opened != homePage_)
            return Fail("home page opened " + std::to_string(browser_.opened) + " times for " +
                        std::to_string(homePage_) + " commands");
        if (homePage_ > 0 && browser_.last != QUrl(QString::fromLatin1(kHomePage)))
            return Fail("home page address " + browser_.last.toString().toStdString());
        return true;
    }

    Window app_;
    std::mt19937 random_;
    std::vector<int> screens_;
    std::vector<WParam> commands_;
    std::size_t next_ = 0;
    int homePage_ = 0;
    long keyActions_ = 0, inAField_ = 0;
    UrlCatcher browser_;
    std::deque<std::string> log_;
};

long Option(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == name) return std::strtol(argv[i + 1], nullptr, 10);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const long actions = Option(argc, argv, "--actions", 100000);
    const long start = Option(argc, argv, "--start", 1);
    const long progress = Option(argc, argv, "--progress", 0);
    if (InitToolkit(argc, argv, "offscreen") != 0) return 1;
    Window app = StartSelvaquin();
    if (app == nullptr) return 1;
    ProbeProcessEvents();

    const auto began = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    std::printf("soak: %ld actions, random start value %ld\n", actions, start);
    Soak soak(app, static_cast<unsigned>(start));
    long baseline = ResidentBytes(), baselineHeap = HeapInUse();
    for (long i = 1; i <= actions; ++i) {
        if (!soak.Step()) {
            std::printf("soak: failed at action %ld (random start value %ld)\n", i, start);
            return 1;
        }
        if (i == kBaselineAction) {
            baseline = ResidentBytes();
            baselineHeap = HeapInUse();
        }
        if (progress > 0 && i % progress == 0)
            std::printf("soak: %ld actions, %.1f s, resident %ld KiB, heap in use %ld KiB\n", i,
                        seconds(), ResidentBytes() / 1024, HeapInUse() / 1024);
        std::fflush(stdout);
    }
    const std::size_t drawn = soak.CommandsSent();
    if (!soak.Sweep()) {
        std::printf("soak: failed in the closing sweep of command ids\n");
        return 1;
    }
    const long end = ResidentBytes(), endHeap = HeapInUse();
    std::printf("soak: %ld actions and %zu swept command ids in %.1f s; home page %d times; "
                "%ld of %ld keys, texts and pastes went into a field\n",
                actions, soak.CommandsSent() - drawn, seconds(), soak.HomePageCommands(),
                soak.KeyActionsInAField(), soak.KeyActions());
    std::printf("soak: after %ld actions and at the end: resident %ld and %ld KiB (%+ld KiB), "
                "heap in use %ld and %ld KiB (%+ld KiB)\n",
                std::min(actions, kBaselineAction), baseline / 1024, end / 1024,
                (end - baseline) / 1024, baselineHeap / 1024, endHeap / 1024,
                (endHeap - baselineHeap) / 1024);
    // Under the address sanitizer resident memory also holds its quarantine
    // of freed blocks and its allocator's caches, hundreds of MiB that say
    // nothing of the program; there the sanitizer's count of live bytes is
    // checked instead.
    const bool sanitized = HeapIsSanitized();
    const long grown = sanitized ? endHeap - baselineHeap : end - baseline;
    if (grown >= kMaxGrowth) {
        std::printf("soak: %s grew by 1 MiB or more\n",
                    sanitized ? "heap in use" : "resident memory");
        return 1;
    }
    return 0;
}

#include "soak.moc"
