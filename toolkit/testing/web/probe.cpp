// Inspection and input for the driver and the tests in the browser: the
// page's elements read back, and input fed to the toolkit's event functions
// as the page feeds it, with what the browser itself does with a key that
// the toolkit leaves to it (moving the caret, Backspace, the clipboard keys)
// done here as the browser does it.

#include "toolkit/testing/probe.h"

#include "toolkit/testing/keys.h"
#include "toolkit/testing/watch.h"

#include "toolkit/glyph_text.h"
#include "toolkit/text.h"
#include "toolkit/web/web_bridge.h"

#include <emscripten.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>

extern "C" {
int web_key(int vk, int modifiers);
int web_key_up(int vk);
void web_field_input(int id, int kind, const char* utf8);
void web_click(int id);

// In probe.js.
char* probe_page_string(int what, int id);
int probe_image(const char* path, std::uint32_t* out, int size);
void probe_caret(int id, int vk, int shift);
void probe_catch_opens();
}

namespace tk {

namespace {

constexpr int kVirtualKeys[] = {9,  13, 13, 8,  46, 37, 39, 36, 35, 38,
                                40, 45, 33, 34, 27, 93, 18, 16, 17};
static_assert(std::size(kVirtualKeys) == std::size(kKeyNames));

std::string g_clipboard;  // UTF-8
std::vector<std::string>* g_opened = nullptr;

std::string Owned(char* text) {
    std::string out = text;
    std::free(text);
    return out;
}

void Insert(Window field, const std::string& utf8) { web_field_input(field->id, 1, utf8.c_str()); }

// What the browser does with a key the page let through.
void BrowserKey(const KeyPress& k, int vk, int modifiers) {
    Window field = FocusedField();
    if (field == nullptr || (modifiers & kAlt)) return;
    const auto [text, start, end] = FieldText(field);
    if (vk == 35 || vk == 36 || vk == 37 || vk == 39) {
        probe_caret(field->id, vk, modifiers & kShift);
    } else if (vk == 8) {
        web_field_input(field->id, 2, "");
    } else if (modifiers == kCtrl && (vk == 'C' || vk == 'X' || vk == 45) && start < end) {
        g_clipboard = Cp1252ToUtf8(text.substr(start, end - start));
        if (vk == 'X') web_field_input(field->id, 3, "");
    } else if ((modifiers == kCtrl && vk == 'V') || (modifiers == kShift && vk == 45)) {
        Insert(field, g_clipboard);
    } else if (modifiers == kCtrl && vk == 'A') {
        web_field_set(field->id, Cp1252ToUtf8(text).c_str(), 0, static_cast<int>(text.size()));
    } else if (!(modifiers & kCtrl) && k.character >= ' ') {
        Insert(field, std::string(1, modifiers & kShift ? static_cast<char>(k.key) : k.character));
    }
}

int VirtualKey(const KeyPress& k) {
    if (k.key < kFirstFunctionKey) return kVirtualKeys[k.key];
    if (k.key < kFirstFunctionKey + 12) return 112 + k.key - kFirstFunctionKey;
    return k.key;  // letters and digits are their own codes
}

}  // namespace

long CanvasPixel(MemoryDC dc, int x, int y) {
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->width || y >= dc->height) return -1;
    const std::uint8_t* p = &dc->rgb[(static_cast<std::size_t>(y) * dc->width + x) * 3];
    return p[0] | p[1] << 8 | p[2] << 16;
}
int CanvasWidth(MemoryDC dc) { return dc ? dc->width : 0; }
int CanvasHeight(MemoryDC dc) { return dc ? dc->height : 0; }

ProbeImage ProbeCanvasImage(MemoryDC canvas) {
    ProbeImage image;
    if (canvas == nullptr) return image;
    image.width = canvas->width, image.height = canvas->height;
    for (int y = 0; y < canvas->height; ++y)
        for (int x = 0; x < canvas->width; ++x)
            image.pixels.push_back(static_cast<std::uint32_t>(CanvasPixel(canvas, x, y)));
    return image;
}

// The page has no files to write to; "same" compares in place.
int SaveCanvasPng(MemoryDC, const char*) { return 1; }

bool ProbeReadPng(const std::string& path, ProbeImage& out) {
    out.pixels.assign(1000 * 600, 0);
    const int width = probe_image(path.c_str(), out.pixels.data(), 1000 * 600);
    if (width <= 0) return false;
    out.width = width, out.height = 1000 * 600 / width;
    return true;
}

// The faces the glyph images were baked from are Debian 12's DejaVu Sans.
FontInfo DescribeFont(Font font) {
    const GlyphFace& face = GlyphsOf(font);
    return {"DejaVu Sans", face.cellHeight, face.glyphs[static_cast<int>('x')].advance,
            face.weight};
}
std::string ProbeFaceIdentity(Font) { return ""; }
std::vector<std::string> ProbeFontFamilies() { return {"DejaVu Sans"}; }

void ProbeProcessEvents() {
    HandlePending();
    for (std::string address; g_opened && !(address = Owned(probe_page_string(1, 0))).empty();)
        g_opened->push_back(address);
}

void ProbeRecordShellOpens(std::vector<std::string>* sink) {
    if (g_opened == nullptr) probe_catch_opens();
    g_opened = sink;
}

// The WASM memory the program has taken: the top of its heap.
long ProbeMemoryInUse() { return reinterpret_cast<long>(sbrk(0)); }
long ProbeClipboardReadCost() { return 0; }  // the probe's clipboard is a string of its own
void ProbeIgnoreWindowCommands(Window) {}
// A tab hidden and shown again, or the browser's window left and come back
// to, keeps the element that had the focus: nothing to hand back.
void ProbeMinimiseAndRestore(Window) {}

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    for (Window c : Controls())
        if (c->kind == ControlKind::Edit)
            fields.push_back({c, c->x, c->y, FieldText(c).text, c->visible, FocusedField() == c});
    return fields;
}

std::vector<ProbeButton> ProbeButtons() {
    std::vector<ProbeButton> buttons;
    for (Window c : Controls()) {
        if (c->kind == ControlKind::Edit) continue;
        const ProbeButtonState state = c->kind == ControlKind::PushButton ? ProbeButtonState::Push
                                       : c->checked ? ProbeButtonState::Checked
                                                    : ProbeButtonState::Unchecked;
        buttons.push_back({c, c->x, c->y, state, c->text, c->visible});
    }
    return buttons;
}

std::vector<ProbePopup> ProbeMenuBar(Window) {
    std::vector<ProbePopup> popups;
    if (Menu bar = g_menuBar)
        for (const Menu popup : bar->popups) {
            popups.push_back({popup->title, {}});
            for (const MenuEntry& e : popup->entries)
                popups.back().entries.push_back({e.separator, e.id, e.text, true});
        }
    return popups;
}

bool ProbeChooseMenuItem(Window window, const std::string& cp1252Text) {
    const std::vector<ProbePopup> popups = ProbeMenuBar(window);
    for (std::size_t t = 0; t < popups.size(); ++t)
        for (std::size_t i = 0; i < popups[t].entries.size(); ++i)
            if (!popups[t].entries[i].separator && popups[t].entries[i].text == cp1252Text) {
                ChooseMenuItem(static_cast<int>(t), static_cast<int>(i));
                return true;
            }
    return false;
}

ProbeShownMenu ProbeShowingMenu() {
    const MenuBarState& state = g_menuState;
    ProbeShownMenu shown;
    if (!state.open) return shown;
    shown.open = true;
    shown.entries = ProbeMenuBar(nullptr)[static_cast<std::size_t>(state.title)].entries;
    if (state.item >= 0) shown.active = shown.entries[static_cast<std::size_t>(state.item)].text;
    return shown;
}

bool ProbeChooseShownItem(const std::string& cp1252Text) {
    const ProbeShownMenu shown = ProbeShowingMenu();
    for (std::size_t i = 0; i < shown.entries.size(); ++i)
        if (!shown.entries[i].separator && shown.entries[i].text == cp1252Text) {
            ChooseMenuItem(g_menuState.title, static_cast<int>(i));
            return true;
        }
    return false;
}

std::string ProbeMenuBarSelection(Window window) {
    const MenuBarState& state = g_menuState;
    return state.title < 0 ? "" : ProbeMenuBar(window)[static_cast<std::size_t>(state.title)].title;
}

// The browser's own context menu is out of the page's reach.
bool ProbeRightClick(Window field) {
    if (field == nullptr || !field->visible) return false;
    FocusEditField(field);
    return true;
}

// Dropped at the caret (the page cannot tell a place in the text from x).
bool ProbeDropText(Window field, int, const std::string& utf8) {
    if (field == nullptr || !field->visible) return false;
    Insert(field, utf8);
    return true;
}

std::string ProbeAccessibleName(Window control) {
    return control ? Utf8ToCp1252(Owned(probe_page_string(0, control->id)).c_str()) : "";
}

bool ProbeTypeText(const std::string& utf8) {
    for (const char32_t c : CodePoints(utf8.c_str())) {
        const char32_t upper = c >= 'a' && c <= 'z' ? c - 32 : c;
        const bool key = (upper >= 'A' && upper <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
                         c == '\t';  // a TAB in the text is the TAB key
        if (web_key(key ? static_cast<int>(upper) : 0, 0) != 0 || FocusedField() == nullptr)
            continue;
        Insert(FocusedField(), Utf8(std::u32string(1, c)));
    }
    return true;
}

bool ProbePressKey(const std::string& name) {
    KeyPress k;
    if (!ParseKeyName(name, k)) return false;
    const int vk = VirtualKey(k);
    const int modifiers = (k.shift ? kShift : 0) | (k.control ? kCtrl : 0) | (k.alt ? kAlt : 0);
    if (vk == 18) return web_key(18, kAlt | modifiers), web_key_up(18), true;
    if (!web_key(vk, modifiers)) BrowserKey(k, vk, modifiers);
    if (k.alt) web_key_up(18);
    HandlePending();
    return true;
}

bool ProbeClickButton(const std::string& cp1252Text) {
    for (Window c : Controls())
        if (c->kind != ControlKind::Edit && c->visible && c->text == cp1252Text) {
            web_click(c->id);
            return true;
        }
    return false;
}

void ProbeSetClipboard(const std::string& utf8) { g_clipboard = utf8; }

ProbeRect GetControlGeometry(Window control) {
    return control ? ProbeRect{control->x, control->y, control->width, control->height}
                   : ProbeRect{};
}

// The page: the menu bar above a client area of the window's size.
ProbeRect ProbeClientRect(Window window) {
    return window ? ProbeRect{0, 21, window->width, window->height} : ProbeRect{};
}
ProbeRect ProbeWindowRect(Window window) {
    return window ? ProbeRect{0, 0, window->width, window->height + 21} : ProbeRect{};
}
ProbeRect ProbeScreenRect(Window window) { return ProbeWindowRect(window); }
bool ProbeSaveWindowPng(Window, const std::string&) { return false; }
bool ProbeMenuTitleRect(Window, const std::string&, ProbeRect&) { return false; }
bool ProbeMenuItemRect(Window, const std::string&, ProbeRect&) { return false; }

// The page announces new results in a live region, not in a description.
std::string ProbeAnnouncement() { return {}; }
std::string ProbeAccessibleKind(Window) { return {}; }

std::vector<std::string> ProbePageTexts() {
    std::vector<std::string> texts;
    for (const ShownText& t : PageTexts()) texts.push_back(t.text);
    return texts;
}

}  // namespace tk
