// Inspection and input injection for the scenario driver and the tests, on
// Windows.
//
// A key press or a click is handled at once, as the message loop hands it
// on: the key-down, then the character that TranslateMessage made of it,
// which comes ahead of anything the key-down posted, then the release; what
// is posted waits for ProbeProcessEvents. Where the input leads into a menu
// the platform tracks, the call returns while the menu waits for more (see
// "Input and the platform's modal loops" below).

#include "toolkit/win32/win32_bridge.h"

#include <psapi.h>

#include "toolkit/testing/png.h"
#include "toolkit/testing/probe.h"
#include "toolkit/text.h"

#include <ole2.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace tk {

namespace {

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The control's own visibility, whatever its parent's.
bool Shown(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// The pixels of a canvas, each 0x00BBGGRR, top row first.
std::vector<std::uint32_t> Pixels(MemoryDC dc) {
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(dc->width) * dc->height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = dc->bits + 4 * i;  // blue, green, red, unused
        pixels[i] = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
    }
    return pixels;
}

// A canvas of its own holding what the device context shows in the
// rectangle; kept for the life of the process, as canvases are.
MemoryDC Capture(HDC from, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    const BITMAPINFO info = TopDownBitmap(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(from, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* copy = new CanvasImpl;
    copy->dc = CreateCompatibleDC(from);
    copy->bitmap = bitmap;
    copy->bits = static_cast<std::uint8_t*>(bits);
    copy->width = width;
    copy->height = height;
    SelectObject(copy->dc, bitmap);
    BitBlt(copy->dc, 0, 0, width, height, from, x, y, SRCCOPY);
    return copy;
}

// ---- Input and the platform's modal loops ----------------------------------------
//
// Input is handed to the windows as the message loop would hand it on, one
// message after the other. Some of it leads into a loop of the platform's
// own that waits for more input before it returns: the menu bar tracked
// after F10 or a tap of Alt, a field's context menu after a right click, the
// Menu key or Shift+F10. So that the caller gets control back while such a
// loop waits, the messages are handed on from a fiber of their own: when
// the loop has nothing left to do it dispatches a marker message the probe
// posted, whose window switches back to the caller, leaving the loop where it
// is. Input that comes while a loop waits is posted for the loop to read, as
// the keyboard's would be, and the fiber is resumed; when the loop ends, the
// fiber finishes what it was handing on.

// One message for a window.
struct Input {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    BYTE keys[256];        // the keyboard's state as the message is handed on
    bool unicode = false;  // a UTF-16 unit for the window's Unicode side
};

constexpr UINT kMarker = WM_APP + 0x51;
constexpr int kMarkerRounds = 64;

LPVOID g_caller = nullptr;    // the fiber of the probe's caller
LPVOID g_handing = nullptr;   // the fiber handing input on, while it has not finished
bool g_onHanding = false;     // running on g_handing
std::vector<Input> g_inputs;  // what g_handing hands on
std::size_t g_next = 0;       // the next of them
WPARAM g_serial = 0;          // the marker that counts; older ones are left over
HWND g_markerWindow = nullptr;

bool IsCharacter(UINT message) { return message == WM_CHAR || message == WM_SYSCHAR; }

void PostMarker() { PostMessageA(g_markerWindow, kMarker, ++g_serial, 0); }

// Input still waiting in the queue for the loop: keys, characters made of
// them, mouse buttons.
bool InputQueued() {
    MSG m;
    return PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_NOYIELD) ||
           PeekMessageA(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE | PM_NOYIELD);
}

void PostInput(const Input& input) {
    SetKeyboardState(const_cast<BYTE*>(input.keys));
    (input.unicode ? PostMessageW : PostMessageA)(input.target, input.message, input.wParam,
                                                  input.lParam);
}

void ToCaller() {
    g_onHanding = false;
    SwitchToFiber(g_caller);
}

void ToHanding() {
    g_onHanding = true;
    SwitchToFiber(g_handing);
}

LRESULT CALLBACK MarkerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kMarker) return DefWindowProcA(hwnd, message, wParam, lParam);
    static int rounds = 0;
    // Only the latest marker, dispatched by a loop on the handing fiber.
    if (wParam != g_serial || !g_onHanding) return 0;
    if (g_next < g_inputs.size()) {
        // The loop began with input left to hand on: it reads the rest
        // from the queue, as it would the keyboard's.
        while (g_next < g_inputs.size()) PostInput(g_inputs[g_next++]);
        PostMarker();
        return 0;
    }
    if (InputQueued() && ++rounds < kMarkerRounds) {
        // What the loop made of its input (a character of a key, a key of
        // its own) comes after the marker: once more round.
        PostMarker();
        return 0;
    }
    rounds = 0;
    ToCaller();
    return 0;
}

void CALLBACK HandOn(void*) {
    while (g_next < g_inputs.size()) {
        const Input& input = g_inputs[g_next++];
        SetKeyboardState(const_cast<BYTE*>(input.keys));
        (input.unicode ? SendMessageW : SendMessageA)(input.target, input.message, input.wParam,
                                                      input.lParam);
    }
    // What a loop that ended left of the keyboard's input goes on to the
    // windows.
    MSG m;
    while (PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) DispatchMessageA(&m);
    BYTE released[256] = {};
    SetKeyboardState(released);
    g_handing = nullptr;
    ToCaller();
}

void MakeFibers() {
    if (g_caller != nullptr) return;
    g_caller = ConvertThreadToFiber(nullptr);
    WNDCLASSA markerClass{};
    markerClass.lpfnWndProc = MarkerProc;
    markerClass.hInstance = GetModuleHandleA(nullptr);
    markerClass.lpszClassName = "SelvaquinProbeMarker";
    RegisterClassA(&markerClass);
    g_markerWindow = CreateWindowExA(0, markerClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                     nullptr, markerClass.hInstance, nullptr);
}

// Lets a waiting loop go on with what is queued, until it waits again or
// ends.
void Resume() {
    PostMarker();
    LPVOID fiber = g_handing;
    ToHanding();
    if (g_handing == nullptr) DeleteFiber(fiber);
}

// Hands the messages on; returns when they have all been handled, or when a
// loop they led into waits for more.
void HandOnInputs(std::vector<Input> inputs) {
    if (inputs.empty()) return;
    MakeFibers();
    if (g_handing != nullptr) {
        // A loop waits: the keyboard's input goes to the queue; characters
        // are made of the keys by the loop itself.
        for (const Input& input : inputs)
            if (!IsCharacter(input.message)) PostInput(input);
        BYTE released[256] = {};
        SetKeyboardState(released);
        Resume();
        return;
    }
    g_inputs = std::move(inputs);
    g_next = 0;
    PostMarker();
    g_handing = CreateFiber(std::size_t{4} << 20, HandOn, nullptr);
    LPVOID fiber = g_handing;
    ToHanding();
    if (g_handing == nullptr) {
        DeleteFiber(fiber);
        // The marker no loop dispatched.
        MSG m;
        while (PeekMessageA(&m, g_markerWindow, kMarker, kMarker, PM_REMOVE)) {}
    }
}

// ---- Keys ------------------------------------------------------------------------

// The window the keys go to: the focused one, else the active window, which
// then gets every key as a system key.
HWND KeyWindow(bool* system) {
    HWND focus = GetFocus();
    *system = focus == nullptr;
    if (focus != nullptr) return focus;
    HWND active = GetActiveWindow();
    return active != nullptr ? active : MainWindow();
}

// A key's data in a key message: one press, the scan code, the extended-key
// flag, the context code (Alt held), and for a release the previous state
// and the transition flags.
LPARAM KeyData(UINT vk, bool alt, bool release) {
    LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16;
    switch (vk) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
        case VK_APPS: data |= LPARAM{1} << 24; break;
        default: break;
    }
    if (alt) data |= LPARAM{1} << 29;
    if (release) data |= static_cast<LPARAM>(0xC0000000u);
    return data;
}

// Builds the messages of key presses as the keyboard and TranslateMessage
// make them: each key-down with the character it types after it, then its
// release; with Alt held (and not Control) system keys and characters, and
// F10 always a system key.
class KeyStrokes {
public:
    KeyStrokes() { target_ = KeyWindow(&system_); }

    void Down(UINT vk) {
        keys_[vk] = 0x80;
        Side(vk, 0x80);
        Add(Kind(vk) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyData(vk, Held(VK_MENU), false));
        others_ = vk != VK_MENU;
    }
    // A character in Windows-1252 (`unicode` false) or a UTF-16 unit.
    void Character(WPARAM c, UINT vk, bool unicode = false) {
        Add(Held(VK_MENU) && !Held(VK_CONTROL) ? WM_SYSCHAR : WM_CHAR, c,
            KeyData(vk, Held(VK_MENU), false));
        inputs_.back().unicode = unicode;
    }
    void Up(UINT vk) {
        // Alt let go with no other key between is a system key; after
        // another key, a plain one.
        const bool system = Kind(vk) && !(vk == VK_MENU && others_);
        const bool alt = Held(VK_MENU);
        keys_[vk] = 0;
        Side(vk, 0);
        Add(system ? WM_SYSKEYUP : WM_KEYUP, vk, KeyData(vk, alt, true));
    }
    std::vector<Input> Take() { return std::move(inputs_); }

private:
    bool Held(UINT vk) const { return (keys_[vk] & 0x80) != 0; }
    bool Kind(UINT vk) const {
        return system_ || vk == VK_F10 || (Held(VK_MENU) && !Held(VK_CONTROL));
    }
    void Side(UINT vk, BYTE state) {
        if (vk == VK_SHIFT) keys_[VK_LSHIFT] = state;
        if (vk == VK_CONTROL) keys_[VK_LCONTROL] = state;
        if (vk == VK_MENU) keys_[VK_LMENU] = state;
    }
    void Add(UINT message, WPARAM wParam, LPARAM lParam) {
        Input input{target_, message, wParam, lParam, {}};
        std::memcpy(input.keys, keys_, sizeof keys_);
        inputs_.push_back(input);
    }

    HWND target_;
    bool system_ = false;
    bool others_ = false;
    BYTE keys_[256] = {};
    std::vector<Input> inputs_;
};

// The key that types a character: on a US layout, the Swedish letters where
// a Swedish one has them; 0 for a character no key types.
UINT KeyForChar(char32_t c) {
    if (c >= 'a' && c <= 'z') return 'A' + (c - 'a');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
    struct Row {
        const char* chars;
        UINT vk;
    };
    static const Row kPunctuation[] = {
        {";:", VK_OEM_1},
        {"=+", VK_OEM_PLUS},
        {",<", VK_OEM_COMMA},
        {"-_", VK_OEM_MINUS},
        {".>", VK_OEM_PERIOD},
        {"/?", VK_OEM_2},
        {"`~", VK_OEM_3},
        {"[{", VK_OEM_4},
        {"\\|", VK_OEM_5},
        {"]}", VK_OEM_6},
        {"'\"", VK_OEM_7},
        {"!", '1'},
        {"@", '2'},
        {"#", '3'},
        {"$", '4'},
        {"%", '5'},
        {"^", '6'},
        {"&", '7'},
        {"*", '8'},
        {"(", '9'},
        {")", '0'},
        {"\t", VK_TAB},
        {"\r\n", VK_RETURN},
        {"\b", VK_BACK},
    };
    for (const Row& row : kPunctuation)
        if (c < 0x80 && std::strchr(row.chars, static_cast<int>(c)) != nullptr) return row.vk;
    switch (c) {
        case U'å':
        case U'Å': return VK_OEM_6;
        case U'ä':
        case U'Ä': return VK_OEM_7;
        case U'ö':
        case U'Ö': return VK_OEM_3;
        case U'§': return VK_OEM_5;
        default: return 0;
    }
}

struct NamedKey {
    const char* name;
    UINT vk;
    char character;  // typed with no modifier held
};
constexpr NamedKey kNamedKeys[] = {
    {"Tab", VK_TAB, '\t'},      {"Return", VK_RETURN, '\r'}, {"Backspace", VK_BACK, '\b'},
    {"Enter", VK_RETURN, '\r'}, {"Delete", VK_DELETE, 0},    {"Left", VK_LEFT, 0},
    {"Right", VK_RIGHT, 0},     {"Home", VK_HOME, 0},        {"End", VK_END, 0},
    {"Up", VK_UP, 0},           {"Down", VK_DOWN, 0},        {"Insert", VK_INSERT, 0},
    {"PageUp", VK_PRIOR, 0},    {"PageDown", VK_NEXT, 0},    {"Escape", VK_ESCAPE, 0x1B},
    {"Menu", VK_APPS, 0},       {"Alt", VK_MENU, 0},         {"Shift", VK_SHIFT, 0},
    {"Ctrl", VK_CONTROL, 0},
};

constexpr std::pair<const char*, UINT> kModifiers[] = {
    {"Shift+", VK_SHIFT}, {"Ctrl+", VK_CONTROL}, {"Alt+", VK_MENU}};

struct KeyPress {
    UINT vk = 0;
    char character = 0;  // typed with no modifier held
    bool shift = false, control = false, alt = false;
};

bool ParseKey(std::string name, KeyPress& out) {
    for (bool more = true; more;) {
        more = false;
        for (const auto& [prefix, vk] : kModifiers) {
            bool& held = vk == VK_SHIFT ? out.shift : vk == VK_CONTROL ? out.control : out.alt;
            const std::size_t n = std::strlen(prefix);
            if (name.size() > n && name.compare(0, n, prefix) == 0 && !held) {
                held = true;
                name = name.substr(n);
                more = true;
            }
        }
    }
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            out.vk = k.vk;
            out.character = k.character;
            return true;
        }
    }
    if (name.size() >= 2 && name[0] == 'F') {
        const int n = std::atoi(name.c_str() + 1);
        if (n < 1 || n > 12 || name.substr(1) != std::to_string(n)) return false;
        out.vk = VK_F1 + static_cast<UINT>(n - 1);
        return true;
    }
    if (name.size() != 1 ||
        !((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return false;
    out.vk = static_cast<UINT>(name[0]);
    out.character = name[0] >= 'A' ? static_cast<char>(name[0] - 'A' + 'a') : name[0];
    return true;
}

// The character TranslateMessage makes of a key on a US layout with the
// modifiers held; 0 for none.
WPARAM CharacterOf(const KeyPress& k) {
    if (k.control && k.alt) return 0;
    if (k.vk >= 'A' && k.vk <= 'Z') {
        if (k.control) return k.vk - 'A' + 1;
        return k.shift ? k.vk : k.vk - 'A' + 'a';
    }
    if (k.vk >= '0' && k.vk <= '9') {
        if (k.control) return 0;
        return k.shift ? static_cast<unsigned char>(")!@#$%^&*("[k.vk - '0']) : k.vk;
    }
    if (k.control) {
        if (k.vk == VK_RETURN) return '\n';
        if (k.vk == VK_BACK) return 0x7F;
        if (k.vk == VK_TAB) return 0;
    }
    return static_cast<unsigned char>(k.character);
}

// Code points of a UTF-8 text; malformed bytes are skipped.
std::u32string CodePoints(const std::string& utf8) {
    std::u32string out;
    const int units =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(units, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        out.push_back(c);
    }
    return out;
}

// ---- Menus -----------------------------------------------------------------------

struct MenuEntry {
    HMENU popup;  // set for a popup title
    UINT id;
    bool separator;
    std::string text;
};

MenuEntry Entry(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info))
        return {nullptr, 0, false, {}};
    return {info.hSubMenu, info.wID, (info.fType & MFT_SEPARATOR) != 0, text};
}

// The position of the item `text` in a popup of the bar, and the popup's
// position in the bar; false when there is none.
bool FindItem(HMENU bar, const std::string& text, int& title, int& item) {
    for (title = 0; title < GetMenuItemCount(bar); ++title) {
        HMENU popup = Entry(bar, title).popup;
        for (item = 0; popup != nullptr && item < GetMenuItemCount(popup); ++item) {
            const MenuEntry entry = Entry(popup, item);
            if (!entry.separator && entry.popup == nullptr && entry.text == text) return true;
        }
    }
    return false;
}

// Windows lays a popup's items out only when it shows the popup. It is shown
// here, owned by a hidden window of the probe's, and closed again as soon as
// the menu waits for input, which is when the items are read.
std::vector<RECT>* g_popupItems = nullptr;
HMENU g_popupShown = nullptr;

LRESULT CALLBACK PopupOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && g_popupItems != nullptr) {
        g_popupItems->clear();
        for (int i = 0; i < GetMenuItemCount(g_popupShown); ++i) {
            RECT r{};
            GetMenuItemRect(nullptr, g_popupShown, static_cast<UINT>(i), &r);
            g_popupItems->push_back(r);
        }
        g_popupItems = nullptr;
        EndMenu();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The screen rectangles of a popup's entries, separators included; empty
// when it cannot be shown.
std::vector<RECT> PopupItemRects(HMENU popup) {
    static HWND owner = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = PopupOwnerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SelvaquinProbePopupOwner";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
    }();
    std::vector<RECT> items;
    if (popup == nullptr || owner == nullptr) return items;
    g_popupItems = &items;
    g_popupShown = popup;
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 0, 0,
                     owner, nullptr);
    g_popupItems = nullptr;
    return items;
}

}  // namespace

// ---- Canvases, fonts and fields ------------------------------------------------

long CanvasPixel(MemoryDC dc, int x, int y) {
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->width || y >= dc->height) return -1;
    GdiFlush();
    const std::uint8_t* p = dc->bits + 4 * (static_cast<std::size_t>(y) * dc->width + x);
    return long(p[2]) | long(p[1]) << 8 | long(p[0]) << 16;
}

int CanvasWidth(MemoryDC dc) { return dc ? dc->width : 0; }
int CanvasHeight(MemoryDC dc) { return dc ? dc->height : 0; }

int SaveCanvasPng(MemoryDC dc, const char* path) {
    if (dc == nullptr || path == nullptr) return 1;
    const std::vector<std::uint32_t> pixels = Pixels(dc);
    return WritePngFile(path, dc->width, dc->height, pixels.data()) ? 0 : 1;
}

ProbeImage ProbeCanvasImage(MemoryDC dc) {
    if (dc == nullptr) return {};
    return ProbeImage{dc->width, dc->height, Pixels(dc)};
}

FontInfo DescribeFont(Font font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous =
        SelectObject(dc, font ? static_cast<HGDIOBJ>(Hfont(font)) : GetStockObject(SYSTEM_FONT));
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return FontInfo{face,
                    static_cast<int>(metrics.tmHeight),
                    static_cast<int>(metrics.tmAveCharWidth),
                    static_cast<int>(metrics.tmWeight),
                    metrics.tmItalic != 0,
                    metrics.tmUnderlined != 0,
                    metrics.tmStruckOut != 0};
}

ControlGeometry GetControlGeometry(Window control) {
    HWND hwnd = Hwnd(control);
    RECT r{};
    if (hwnd == nullptr || !GetWindowRect(hwnd, &r)) return {0, 0, 0, 0};
    // In the parent's client coordinates.
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// ---- Events and input -----------------------------------------------------------

void ProbeProcessEvents() {
    // A loop that waits for input handles what is queued itself.
    if (g_handing != nullptr) Resume();
    if (g_handing != nullptr) return;
    // Until nothing is queued and no window waits for its paint. The quit
    // message only ends the program's own loop: here it is dropped.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

namespace {

std::vector<std::string>* g_shellSink = nullptr;

// Stands in for ShellExecuteA while the probe records: says it opened.
HINSTANCE WINAPI RecordShellExecute(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
    if (g_shellSink != nullptr) g_shellSink->push_back(file != nullptr ? file : "");
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // above 32: done
}

// Points every slot of the program's import table that holds `from` at `to`:
// the calls the program makes through its imports go there from now on.
// False when no slot held it.
bool RedirectImport(ULONG_PTR from, ULONG_PTR to) {
    auto* base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (from == 0 || imports.VirtualAddress == 0) return false;
    bool found = false;
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         dll->Name != 0; ++dll) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
             slot->u1.Function != 0; ++slot) {
            if (slot->u1.Function != from) continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                           &protection);
            slot->u1.Function = to;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            found = true;
        }
    }
    return found;
}

}  // namespace

void ProbeRecordShellOpens(std::vector<std::string>* sink) {
    // The program opens addresses with shell32's ShellExecuteA, called
    // through its import table: while recording, that slot leads here.
    static const auto shellExecute =
        reinterpret_cast<ULONG_PTR>(GetProcAddress(LoadLibraryA("shell32.dll"), "ShellExecuteA"));
    const auto recorder = reinterpret_cast<ULONG_PTR>(&RecordShellExecute);
    if (sink != nullptr && g_shellSink == nullptr) RedirectImport(shellExecute, recorder);
    if (sink == nullptr && g_shellSink != nullptr) RedirectImport(recorder, shellExecute);
    g_shellSink = sink;
}

namespace {

WNDPROC g_windowProc = nullptr;

// Between the main window and its procedure while the window's own commands
// are ignored: the menu bar's (SC_KEYMENU, SC_MOUSEMENU) still go through.
LRESULT CALLBACK IgnoreWindowCommands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xFFF0;
        if (command != SC_KEYMENU && command != SC_MOUSEMENU) return 0;
    }
    return CallWindowProcA(g_windowProc, hwnd, message, wParam, lParam);
}

}  // namespace

void ProbeIgnoreWindowCommands(Window window) {
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr || g_windowProc != nullptr) return;
    g_windowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IgnoreWindowCommands)));
}

long ProbeMemoryInUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.WorkingSetSize);
}

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    HWND focus = GetFocus();
    for (Window control : Controls()) {
        if (control->kind != ControlKind::Edit) continue;
        HWND hwnd = Hwnd(control);
        const ControlGeometry at = GetControlGeometry(control);
        fields.push_back(
            ProbeField{control, at.x, at.y, WindowText(hwnd), Shown(hwnd), hwnd == focus});
    }
    return fields;
}

std::vector<ProbeButton> ProbeButtons() {
    std::vector<ProbeButton> buttons;
    for (Window control : Controls()) {
        if (control->kind == ControlKind::Edit) continue;
        HWND hwnd = Hwnd(control);
        const auto type = GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK;
        ProbeButtonState state = ProbeButtonState::Push;
        if (control->kind == ControlKind::OptionButton &&
            (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX))
            state = SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED
                        ? ProbeButtonState::Checked
                        : ProbeButtonState::Unchecked;
        const ControlGeometry at = GetControlGeometry(control);
        buttons.push_back(ProbeButton{control, at.x, at.y, state, WindowText(hwnd), Shown(hwnd)});
    }
    return buttons;
}

std::vector<ProbePopup> ProbeMenuBar(Window window) {
    std::vector<ProbePopup> popups;
    HMENU bar = GetMenu(Hwnd(window));
    for (int title = 0; bar != nullptr && title < GetMenuItemCount(bar); ++title) {
        const MenuEntry top = Entry(bar, title);
        if (top.popup == nullptr) continue;
        ProbePopup popup{top.text, {}};
        for (int item = 0; item < GetMenuItemCount(top.popup); ++item) {
            const MenuEntry entry = Entry(top.popup, item);
            popup.entries.push_back(entry.separator ? ProbeMenuEntry{true, 0, {}}
                                                    : ProbeMenuEntry{false, entry.id, entry.text});
        }
        popups.push_back(std::move(popup));
    }
    return popups;
}

bool ProbeChooseMenuItem(Window window, const std::string& cp1252Text) {
    HWND hwnd = Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    int title = 0, item = 0;
    if (bar == nullptr || !FindItem(bar, cp1252Text, title, item)) return false;
    // What the menu does once an item is chosen and the menu has closed.
    PostMessageA(hwnd, WM_COMMAND, Entry(GetSubMenu(bar, title), item).id, 0);
    return true;
}

namespace {

BOOL CALLBACK FindPopup(HWND hwnd, LPARAM out) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "#32768") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    // Top-level windows come topmost first.
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
}

// The popup menu showing now, the one opened last when there are more; null
// when none shows.
HWND ShownPopup() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPopup, reinterpret_cast<LPARAM>(&found));
    return found;
}

HMENU MenuOf(HWND popup) {
    return popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0))
                            : nullptr;
}

// An entry's text as the menu shows it, in Windows-1252: without the '&'
// marks and what follows a tab.
std::string ShownText(const wchar_t* text) {
    std::wstring shown;
    for (const wchar_t* p = text; *p != L'\0' && *p != L'\t'; ++p) {
        if (*p == L'&' && p[1] != L'\0') ++p;
        shown.push_back(*p);
    }
    const int bytes = WideCharToMultiByte(1252, 0, shown.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(bytes, 1)), '\0');
    WideCharToMultiByte(1252, 0, shown.c_str(), -1, out.data(), bytes, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    return out;
}

struct ShownEntry {
    ProbeMenuEntry entry;
    bool highlighted;
};

std::vector<ShownEntry> ShownEntries(HMENU menu) {
    std::vector<ShownEntry> entries;
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        entries.push_back({ProbeMenuEntry{separator, separator ? 0 : info.wID,
                                          separator ? std::string() : ShownText(text),
                                          (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0},
                           (info.fState & MFS_HILITE) != 0});
    }
    return entries;
}

}  // namespace

ProbeShownMenu ProbeShowingMenu() {
    ProbeShownMenu shown;
    HMENU menu = MenuOf(ShownPopup());
    if (menu == nullptr) return shown;
    shown.open = true;
    for (const ShownEntry& e : ShownEntries(menu)) {
        shown.entries.push_back(e.entry);
        if (e.highlighted && !e.entry.separator) shown.active = e.entry.text;
    }
    return shown;
}

bool ProbeChooseShownItem(const std::string& cp1252Text) {
    HMENU menu = MenuOf(ShownPopup());
    const std::vector<ShownEntry> entries = ShownEntries(menu);
    std::size_t target = entries.size();
    for (std::size_t i = 0; i < entries.size() && target == entries.size(); ++i)
        if (!entries[i].entry.separator && entries[i].entry.text == cp1252Text) target = i;
    if (target == entries.size() || !entries[target].entry.enabled) return false;
    // As the keyboard chooses: Home, Down to the entry, Enter.
    auto highlighted = [&] {
        const std::vector<ShownEntry> now = ShownEntries(menu);
        return target < now.size() && now[target].highlighted;
    };
    ProbePressKey("Home");
    for (std::size_t step = 0; step < entries.size() && !highlighted(); ++step)
        ProbePressKey("Down");
    if (!highlighted()) return false;
    ProbePressKey("Return");
    return true;
}

std::string ProbeMenuBarSelection(Window window, bool* barHasKeys) {
    HWND hwnd = Hwnd(window);
    HMENU bar = hwnd != nullptr ? GetMenu(hwnd) : nullptr;
    std::string title;
    for (int i = 0; bar != nullptr && i < GetMenuItemCount(bar) && title.empty(); ++i)
        if (GetMenuState(bar, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE)
            title = Entry(bar, i).text;
    if (barHasKeys != nullptr) {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        *barHasKeys =
            bar != nullptr && GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info) && info.fBarFocused;
    }
    return title;
}

bool ProbeRightClick(Window field) {
    HWND hwnd = Hwnd(field);
    RECT r{};
    if (hwnd == nullptr || !IsWindowVisible(hwnd) || !GetClientRect(hwnd, &r)) return false;
    // The press and the release at the middle; the release asks for the
    // context menu.
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    std::vector<Input> inputs{{hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at, {}},
                              {hwnd, WM_RBUTTONUP, 0, at, {}}};
    inputs.front().keys[VK_RBUTTON] = 0x80;
    HandOnInputs(std::move(inputs));
    return true;
}

bool ProbeDropText(Window, int, const std::string&) {
    // A drop goes to the drop target registered for the window under it;
    // the platform's edit control registers none, so a field takes no text
    // dragged from another program.
    return false;
}

std::string ProbeAccessibleName(Window control) {
    // Without a name of the program's own, a screen reader names a button by
    // its text; a field it names by nothing of the field's.
    HWND hwnd = Hwnd(control);
    if (hwnd == nullptr) return {};
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 ? WindowText(hwnd) : std::string();
}

bool ProbeTypeText(const std::string& utf8) {
    if (GetFocus() == nullptr) return false;
    for (char32_t c : CodePoints(utf8)) {
        if (c == '\n') c = '\r';
        // Each character from where the keys go at that moment.
        KeyStrokes keys;
        const UINT vk = KeyForChar(c);
        if (vk != 0) keys.Down(vk);
        const int byte = Cp1252FromCodePoint(c);
        if (byte >= 0) {
            keys.Character(static_cast<WPARAM>(byte), vk);
        } else if (c < 0x10000) {
            // No Windows-1252 byte: the platform puts it into the window's
            // code page on its way.
            keys.Character(static_cast<WPARAM>(c), vk, true);
        } else {
            const char32_t v = c - 0x10000;
            keys.Character(static_cast<WPARAM>(0xD800 + (v >> 10)), vk, true);
            keys.Character(static_cast<WPARAM>(0xDC00 + (v & 0x3FF)), vk, true);
        }
        if (vk != 0) keys.Up(vk);
        HandOnInputs(keys.Take());
    }
    return true;
}

bool ProbeIsKeyName(const std::string& name) {
    KeyPress parsed;
    return ParseKey(name, parsed);
}

bool ProbePressKey(const std::string& name) {
    KeyPress k;
    if (!ParseKey(name, k)) return false;
    // The modifiers go down first and come up last, each a key of its own.
    KeyStrokes keys;
    const UINT modifiers[] = {k.shift ? VK_SHIFT : 0u, k.control ? VK_CONTROL : 0u,
                              k.alt ? VK_MENU : 0u};
    for (UINT vk : modifiers)
        if (vk != 0 && vk != k.vk) keys.Down(vk);
    keys.Down(k.vk);
    if (const WPARAM c = CharacterOf(k)) keys.Character(c, k.vk);
    keys.Up(k.vk);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        if (*it != 0 && *it != k.vk) keys.Up(*it);
    HandOnInputs(keys.Take());
    return true;
}

bool ProbeClickButton(const std::string& cp1252Text) {
    for (Window control : Controls()) {
        HWND hwnd = Hwnd(control);
        if (control->kind == ControlKind::Edit || !Shown(hwnd) || WindowText(hwnd) != cp1252Text)
            continue;
        // The button's own click: a press and a release of the left button.
        SendMessageA(hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void ProbeSetClipboard(const std::string& utf8) {
    if (utf8.empty()) {
        // No text at all, rather than an empty one that can be pasted.
        if (OpenClipboard(MainWindow())) {
            EmptyClipboard();
            CloseClipboard();
        }
        return;
    }
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(units) * sizeof(wchar_t));
    if (memory == nullptr) return;
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, static_cast<wchar_t*>(GlobalLock(memory)),
                        units);
    GlobalUnlock(memory);
    if (!OpenClipboard(MainWindow())) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

ProbeRect ProbeClientRect(Window window) {
    HWND hwnd = Hwnd(window);
    RECT client{};
    POINT origin{0, 0};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client) || !ClientToScreen(hwnd, &origin))
        return {0, 0, 0, 0};
    return {origin.x, origin.y, client.right, client.bottom};
}

ProbeRect ProbeScreenRect(Window) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ProbeRect ProbeWindowRect(Window window) {
    // The client area and, above it, the menu bar: from the top of the bar
    // to the bottom of the client area.
    const ProbeRect client = ProbeClientRect(window);
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr || GetMenu(hwnd) == nullptr || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &bar))
        return client;
    const int top = std::min<int>(bar.rcBar.top, client.y);
    return {client.x, top, client.width, client.y + client.height - top};
}

bool ProbeSaveWindowPng(Window window, const std::string& path) {
    HWND hwnd = Hwnd(window);
    RECT outer{};
    if (hwnd == nullptr || !GetWindowRect(hwnd, &outer)) return false;
    // The whole window, frame, title and menu bar included.
    HDC dc = GetWindowDC(hwnd);
    MemoryDC image = Capture(dc, 0, 0, outer.right - outer.left, outer.bottom - outer.top);
    ReleaseDC(hwnd, dc);
    if (image == nullptr) return false;
    const std::vector<std::uint32_t> pixels = Pixels(image);
    return WritePngFile(path, image->width, image->height, pixels.data());
}

bool ProbeMenuTitleRect(Window window, const std::string& cp1252Title, ProbeRect& out) {
    HWND hwnd = Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    if (bar == nullptr || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info)) return false;
    for (int title = 0; title < GetMenuItemCount(bar); ++title) {
        RECT r{};
        if (Entry(bar, title).text != cp1252Title ||
            !GetMenuItemRect(hwnd, bar, static_cast<UINT>(title), &r))
            continue;
        out = {r.left - info.rcBar.left, r.top - info.rcBar.top, r.right - r.left,
               r.bottom - r.top};
        return true;
    }
    return false;
}

bool ProbeMenuItemRect(Window window, const std::string& cp1252Text, ProbeRect& out) {
    HWND hwnd = Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    int title = 0, item = 0;
    if (bar == nullptr || !FindItem(bar, cp1252Text, title, item)) return false;
    // Relative to the popup's first item.
    const std::vector<RECT> items = PopupItemRects(GetSubMenu(bar, title));
    if (items.size() <= static_cast<std::size_t>(item)) return false;
    const RECT& first = items.front();
    const RECT& r = items[static_cast<std::size_t>(item)];
    out = {r.left - first.left, r.top - first.top, r.right - r.left, r.bottom - r.top};
    return true;
}

namespace {

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    auto& families = *reinterpret_cast<std::vector<std::string>*>(list);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, font->lfFaceName, -1, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(std::max(bytes, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, font->lfFaceName, -1, name.data(), bytes, nullptr, nullptr);
    name.resize(std::strlen(name.c_str()));
    // A family comes once for each character set it has.
    if (std::find(families.begin(), families.end(), name) == families.end())
        families.push_back(name);
    return 1;
}

}  // namespace

std::vector<std::string> ProbeFontFamilies() {
    std::vector<std::string> families;
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &every, AddFamily, reinterpret_cast<LPARAM>(&families), 0);
    ReleaseDC(nullptr, dc);
    return families;
}

}  // namespace tk
