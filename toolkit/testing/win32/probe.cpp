// Inspection and input injection for the scenario driver and the tests, on
// Windows.
//
// A key press is handled at once, as the message loop hands it on: the
// key-down, then the character that TranslateMessage made of it, which
// comes ahead of anything the key-down posted; what is posted waits for
// ProbeProcessEvents.

#include "toolkit/win32/win32_bridge.h"

#include "toolkit/testing/png.h"
#include "toolkit/testing/probe.h"
#include "toolkit/text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::vector<WParam>* g_commandSink = nullptr;

void RecordCommand(WPARAM id) {
    if (g_commandSink != nullptr) g_commandSink->push_back(id);
}

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
        const std::uint8_t* p = dc->bits + 4 * i;   // blue, green, red, unused
        pixels[i] = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
    }
    return pixels;
}

// A canvas of its own holding what the device context shows in the
// rectangle; kept for the life of the process, as canvases are.
MemoryDC Capture(HDC from, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(from, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* copy = new TkCanvas;
    copy->dc = CreateCompatibleDC(from);
    copy->bitmap = bitmap;
    copy->bits = static_cast<std::uint8_t*>(bits);
    copy->width = width;
    copy->height = height;
    SelectObject(copy->dc, bitmap);
    BitBlt(copy->dc, 0, 0, width, height, from, x, y, SRCCOPY);
    return copy;
}

// ---- Keys ------------------------------------------------------------------------

constexpr LPARAM kUp = static_cast<LPARAM>(0xC0000000u);   // previous state down, key released

LPARAM KeyData(UINT vk) { return 1 | static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16; }

// One key press in the focused window, handled before this returns: the
// key-down (what it posts stays queued), the character it types, the
// key-up. `vk` 0 is no key-down at all (a character typed another way),
// `character` 0 no character.
bool PressInFocus(UINT vk, char32_t character) {
    HWND focus = GetFocus();
    if (focus == nullptr) return false;
    const LPARAM data = KeyData(vk);
    if (vk != 0) SendMessageA(focus, WM_KEYDOWN, vk, data);
    if (character != 0) {
        const int byte = Cp1252FromCodePoint(character);
        if (byte >= 0) {
            SendMessageA(focus, WM_CHAR, static_cast<WPARAM>(byte), data);
        } else if (character < 0x10000) {
            // No Windows-1252 byte: the platform puts it into the window's
            // code page on its way.
            SendMessageW(focus, WM_CHAR, static_cast<WPARAM>(character), data);
        } else {
            const char32_t v = character - 0x10000;
            SendMessageW(focus, WM_CHAR, static_cast<WPARAM>(0xD800 + (v >> 10)), data);
            SendMessageW(focus, WM_CHAR, static_cast<WPARAM>(0xDC00 + (v & 0x3FF)), data);
        }
    }
    if (vk != 0) SendMessageA(focus, WM_KEYUP, vk, data | kUp);
    return true;
}

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
        {";:", VK_OEM_1},      {"=+", VK_OEM_PLUS},   {",<", VK_OEM_COMMA},  {"-_", VK_OEM_MINUS},
        {".>", VK_OEM_PERIOD}, {"/?", VK_OEM_2},      {"`~", VK_OEM_3},      {"[{", VK_OEM_4},
        {"\\|", VK_OEM_5},     {"]}", VK_OEM_6},      {"'\"", VK_OEM_7},     {"!", '1'},
        {"@", '2'},            {"#", '3'},            {"$", '4'},            {"%", '5'},
        {"^", '6'},            {"&", '7'},            {"*", '8'},            {"(", '9'},
        {")", '0'},            {"\t", VK_TAB},        {"\r\n", VK_RETURN},   {"\b", VK_BACK},
    };
    for (const Row& row : kPunctuation)
        if (c < 0x80 && std::strchr(row.chars, static_cast<int>(c)) != nullptr) return row.vk;
    switch (c) {
        case U'å': case U'Å': return VK_OEM_6;
        case U'ä': case U'Ä': return VK_OEM_7;
        case U'ö': case U'Ö': return VK_OEM_3;
        case U'§': return VK_OEM_5;
        default: return 0;
    }
}

struct NamedKey {
    const char* name;
    UINT vk;
    char32_t character;
};
constexpr NamedKey kNamedKeys[] = {
    {"Tab", VK_TAB, '\t'},      {"Return", VK_RETURN, '\r'}, {"Backspace", VK_BACK, '\b'},
    {"Delete", VK_DELETE, 0},   {"Left", VK_LEFT, 0},        {"Right", VK_RIGHT, 0},
    {"Home", VK_HOME, 0},       {"End", VK_END, 0},          {"Up", VK_UP, 0},
    {"Down", VK_DOWN, 0},       {"Insert", VK_INSERT, 0},    {"PageUp", VK_PRIOR, 0},
    {"PageDown", VK_NEXT, 0},   {"Escape", VK_ESCAPE, 0x1B},
};

// Code points of a UTF-8 text; malformed bytes are skipped.
std::u32string CodePoints(const std::string& utf8) {
    std::u32string out;
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(units, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        out.push_back(c);
    }
    return out;
}

// ---- Menus -----------------------------------------------------------------------

struct MenuEntry {
    HMENU popup;      // set for a popup title
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
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return {nullptr, 0, false, {}};
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

MemoryDC ClientImage(Window window) {
    HWND hwnd = window ? tk::Hwnd(window) : tk::MainWindow();
    RECT client{};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client)) return nullptr;
    HDC dc = GetDC(hwnd);
    MemoryDC image = Capture(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(hwnd, dc);
    return image;
}

std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc) {
    return dc ? dc->texts.Texts() : std::vector<CanvasText>{};
}

ProbeImage ProbeCanvasImage(MemoryDC dc) {
    if (dc == nullptr) return {};
    return ProbeImage{dc->width, dc->height, Pixels(dc)};
}

std::vector<CanvasDrawing> CanvasHistory(MemoryDC dc) {
    if (dc == nullptr) return {};
    return std::vector<CanvasDrawing>(dc->texts.History().begin(), dc->texts.History().end());
}

FontInfo DescribeFont(Font font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font ? static_cast<HGDIOBJ>(tk::Hfont(font)) : GetStockObject(SYSTEM_FONT));
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return FontInfo{face, static_cast<int>(metrics.tmHeight), static_cast<int>(metrics.tmAveCharWidth),
                    static_cast<int>(metrics.tmWeight), metrics.tmItalic != 0, metrics.tmUnderlined != 0,
                    metrics.tmStruckOut != 0};
}

int EditFieldControlId(Window field) { return field ? GetDlgCtrlID(tk::Hwnd(field)) : 0; }

int KeyPendingFlag() { return tk::KeyPending(); }

// ---- Events and input -----------------------------------------------------------

void ProbeProcessEvents() {
    // Until nothing is queued and no window waits for its paint. The quit
    // message only ends the program's own loop: here it is dropped.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void ProbeRecordCommands(std::vector<WParam>* sink) {
    g_commandSink = sink;
    tk::CommandHook() = sink != nullptr ? RecordCommand : nullptr;
}

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    HWND focus = GetFocus();
    for (const tk::Control& control : tk::Controls()) {
        if (control.kind != tk::ControlKind::Edit) continue;
        const ControlGeometry at = GetControlGeometry(tk::FromHwnd(control.hwnd));
        fields.push_back(ProbeField{tk::FromHwnd(control.hwnd), at.x, at.y, WindowText(control.hwnd),
                                    Shown(control.hwnd), control.hwnd == focus});
    }
    return fields;
}

std::vector<ProbeButton> ProbeButtons() {
    std::vector<ProbeButton> buttons;
    for (const tk::Control& control : tk::Controls()) {
        if (control.kind == tk::ControlKind::Edit) continue;
        const auto type = GetWindowLongPtrA(control.hwnd, GWL_STYLE) & BS_TYPEMASK;
        ProbeButtonState state = ProbeButtonState::Push;
        if (control.kind == tk::ControlKind::OptionButton && (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX))
            state = SendMessageA(control.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? ProbeButtonState::Checked
                                                                                 : ProbeButtonState::Unchecked;
        const ControlGeometry at = GetControlGeometry(tk::FromHwnd(control.hwnd));
        buttons.push_back(ProbeButton{tk::FromHwnd(control.hwnd), at.x, at.y, state, WindowText(control.hwnd),
                                      Shown(control.hwnd)});
    }
    return buttons;
}

std::vector<ProbePopup> ProbeMenuBar(Window window) {
    std::vector<ProbePopup> popups;
    HMENU bar = GetMenu(tk::Hwnd(window));
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
    HWND hwnd = tk::Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    int title = 0, item = 0;
    if (bar == nullptr || !FindItem(bar, cp1252Text, title, item)) return false;
    // What the menu does once an item is chosen and the menu has closed.
    PostMessageA(hwnd, WM_COMMAND, Entry(GetSubMenu(bar, title), item).id, 0);
    return true;
}

std::string ProbeAccessibleName(Window control) {
    // Without a name of the program's own, a screen reader names a button by
    // its text; a field it names by nothing of the field's.
    HWND hwnd = tk::Hwnd(control);
    if (hwnd == nullptr) return {};
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 ? WindowText(hwnd) : std::string();
}

bool ProbeTypeText(const std::string& utf8) {
    if (GetFocus() == nullptr) return false;
    for (char32_t c : CodePoints(utf8)) {
        if (!PressInFocus(KeyForChar(c), c == '\n' ? U'\r' : c)) break;
    }
    return true;
}

bool ProbeIsKeyName(const std::string& name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) return true;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        const int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12 && name.substr(1) == std::to_string(n)) return true;
    }
    return name.size() == 6 && name.compare(0, 5, "Ctrl+") == 0 && name[5] >= 'A' && name[5] <= 'Z';
}

bool ProbePressKey(const std::string& name) {
    if (!ProbeIsKeyName(name)) return false;
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) return PressInFocus(k.vk, k.character);
    }
    if (name[0] == 'F') return PressInFocus(VK_F1 + static_cast<UINT>(std::atoi(name.c_str() + 1) - 1), 0);
    // Control and a letter: the letter's key-down and the control character.
    return PressInFocus(static_cast<UINT>(name[5]), static_cast<char32_t>(name[5] - 'A' + 1));
}

bool ProbeClickButton(const std::string& cp1252Text) {
    for (const tk::Control& control : tk::Controls()) {
        if (control.kind == tk::ControlKind::Edit || !Shown(control.hwnd) ||
            WindowText(control.hwnd) != cp1252Text)
            continue;
        // The button's own click: a press and a release of the left button.
        SendMessageA(control.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void ProbeSetClipboard(const std::string& utf8) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(units) * sizeof(wchar_t));
    if (memory == nullptr) return;
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, static_cast<wchar_t*>(GlobalLock(memory)), units);
    GlobalUnlock(memory);
    if (!OpenClipboard(tk::MainWindow())) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

ProbeRect ProbeClientRect(Window window) {
    HWND hwnd = tk::Hwnd(window);
    RECT client{};
    POINT origin{0, 0};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client) || !ClientToScreen(hwnd, &origin)) return {0, 0, 0, 0};
    return {origin.x, origin.y, client.right, client.bottom};
}

ProbeRect ProbeWindowRect(Window window) {
    // The client area and, above it, the menu bar: from the top of the bar
    // to the bottom of the client area.
    const ProbeRect client = ProbeClientRect(window);
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    HWND hwnd = tk::Hwnd(window);
    if (hwnd == nullptr || GetMenu(hwnd) == nullptr || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &bar))
        return client;
    const int top = std::min<int>(bar.rcBar.top, client.y);
    return {client.x, top, client.width, client.y + client.height - top};
}

bool ProbeSaveWindowPng(Window window, const std::string& path) {
    HWND hwnd = tk::Hwnd(window);
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
    HWND hwnd = tk::Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    if (bar == nullptr || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info)) return false;
    for (int title = 0; title < GetMenuItemCount(bar); ++title) {
        RECT r{};
        if (Entry(bar, title).text != cp1252Title || !GetMenuItemRect(hwnd, bar, static_cast<UINT>(title), &r))
            continue;
        out = {r.left - info.rcBar.left, r.top - info.rcBar.top, r.right - r.left, r.bottom - r.top};
        return true;
    }
    return false;
}

bool ProbeMenuItemRect(Window window, const std::string& cp1252Text, ProbeRect& out) {
    HWND hwnd = tk::Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    int title = 0, item = 0;
    if (bar == nullptr || !FindItem(bar, cp1252Text, title, item)) return false;
    // Items have their places once their popup has been laid out, that is
    // shown; the rectangle is relative to the popup's first item.
    HMENU popup = GetSubMenu(bar, title);
    RECT first{}, r{};
    if (!GetMenuItemRect(nullptr, popup, 0, &first) || !GetMenuItemRect(nullptr, popup, static_cast<UINT>(item), &r))
        return false;
    out = {r.left - first.left, r.top - first.top, r.right - r.left, r.bottom - r.top};
    return true;
}

bool ProbeWritePng(const std::string& path, const ProbeImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return false;
    return WritePngFile(path, image.width, image.height, image.pixels.data());
}

namespace {

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    auto& families = *reinterpret_cast<std::vector<std::string>*>(list);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, font->lfFaceName, -1, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(std::max(bytes, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, font->lfFaceName, -1, name.data(), bytes, nullptr, nullptr);
    name.resize(std::strlen(name.c_str()));
    // A family comes once for each character set it has.
    if (std::find(families.begin(), families.end(), name) == families.end()) families.push_back(name);
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
