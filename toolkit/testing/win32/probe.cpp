// Inspection and input injection for the scenario driver and the tests, on
// Windows. A key press or a click is handled at once, as the message loop
// hands it on: the key-down, then the character TranslateMessage made of it,
// then the release; what is posted waits for ProbeProcessEvents.

#include "toolkit/win32/win32_bridge.h"

#include <objidl.h>  // which gdiplus.h needs

#include <gdiplus.h>
#include <oleacc.h>
#include <psapi.h>

#include "toolkit/testing/keys.h"
#include "toolkit/testing/probe.h"
#include "toolkit/text.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace tk {

namespace {

// A program the tests run ends at once when it faults, saying where, the
// fault its status: Wine would start its debugger and wait for someone to
// look, and the test would wait too.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* fault) {
    std::fprintf(stderr, "fault %#lx at %p\n", fault->ExceptionRecord->ExceptionCode,
                 fault->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), fault->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
[[maybe_unused]] const auto g_endOnFault = SetUnhandledExceptionFilter(EndOnFault);

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The control's own visibility, whatever its parent's.
bool Shown(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// ---- Input and the platform's modal loops ----------------------------------------
//
// Some input leads into a loop of the platform's own that waits for more:
// the menu bar tracked after F10 or Alt, a field's context menu. So that the
// caller gets control back while such a loop waits, input is handed on from
// a fiber of its own; when the loop is idle it dispatches a marker message
// the probe posted, whose window switches back to the caller. Input that
// comes while a loop waits is posted for the loop to read, and the fiber
// resumed; when the loop ends, the fiber finishes what it was handing on.

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

// A key's data in a key message: one press, the scan code, the context
// code (Alt held), and for a release the previous state and the transition
// flags.
LPARAM KeyData(UINT vk, bool alt, bool release) {
    LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16;
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

// The key that types a character on the keyboard layout at hand; 0 for a
// character no key types.
UINT KeyForChar(char32_t c) {
    const SHORT key = c < 0x10000 ? VkKeyScanW(static_cast<WCHAR>(c)) : -1;
    return key == -1 ? 0 : LOBYTE(key);
}

// The virtual keys of kKeyNames, in its order.
constexpr UINT kVirtualKeys[] = {VK_TAB,  VK_RETURN, VK_RETURN, VK_BACK,   VK_DELETE,
                                 VK_LEFT, VK_RIGHT,  VK_HOME,   VK_END,    VK_UP,
                                 VK_DOWN, VK_INSERT, VK_PRIOR,  VK_NEXT,   VK_ESCAPE,
                                 VK_APPS, VK_MENU,   VK_SHIFT,  VK_CONTROL};
static_assert(std::size(kVirtualKeys) == std::size(kKeyNames));

UINT VirtualKey(const KeyPress& k) {
    if (k.key < kFirstFunctionKey) return kVirtualKeys[k.key];
    if (k.key < kFirstFunctionKey + 12) return VK_F1 + static_cast<UINT>(k.key - kFirstFunctionKey);
    return static_cast<UINT>(k.key);
}

// The character TranslateMessage makes of a key with the modifiers held; 0
// for none.
WPARAM CharacterOf(UINT vk, const KeyPress& k) {
    BYTE keys[256] = {};
    keys[VK_SHIFT] = k.shift ? 0x80 : 0;
    keys[VK_CONTROL] = k.control ? 0x80 : 0;
    keys[VK_MENU] = k.alt ? 0x80 : 0;
    WCHAR typed[4] = {};
    return ToUnicode(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), keys, typed, 4, 0) == 1 ? typed[0]
                                                                                      : 0;
}

// ---- Menus -----------------------------------------------------------------------

struct MenuEntry {
    HMENU popup;  // set for a popup title
    ProbeMenuEntry entry;
    bool highlighted;
};

// An entry of a menu, its text as the menu shows it: without the '&' marks
// and what follows a tab.
MenuEntry Entry(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    std::string shown;
    for (const char* p = text; *p != '\0' && *p != '\t'; ++p) {
        if (*p == '&' && p[1] != '\0') ++p;
        shown += *p;
    }
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    return {info.hSubMenu,
            {separator, separator ? 0 : info.wID, separator ? std::string() : shown,
             (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0},
            (info.fState & MFS_HILITE) != 0};
}

// The position of the item `text` in a popup of the bar, and the popup's
// position in the bar; false when there is none.
bool FindItem(HMENU bar, const std::string& text, int& title, int& item) {
    for (title = 0; title < GetMenuItemCount(bar); ++title) {
        HMENU popup = Entry(bar, title).popup;
        for (item = 0; popup != nullptr && item < GetMenuItemCount(popup); ++item) {
            const MenuEntry e = Entry(popup, item);
            if (!e.entry.separator && e.popup == nullptr && e.entry.text == text) return true;
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

ProbeImage ProbeCanvasImage(MemoryDC dc) {
    if (dc == nullptr) return {};
    GdiFlush();
    ProbeImage image{dc->width, dc->height, {}};
    image.pixels.resize(static_cast<std::size_t>(dc->width) * dc->height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint8_t* p = dc->bits + 4 * i;  // blue, green, red, unused
        image.pixels[i] =
            std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
    }
    return image;
}

int SaveCanvasPng(MemoryDC dc, const char* path) {
    // Through GDI+, Windows' own image writer: the canvas's bits (blue,
    // green, red, unused; top row first) as they are.
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    static constexpr CLSID kPngEncoder = {
        0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    wchar_t file[MAX_PATH] = {};
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (!started || dc == nullptr || path == nullptr ||
        MultiByteToWideChar(CP_ACP, 0, path, -1, file, MAX_PATH) == 0)
        return 1;
    GdiFlush();
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(dc->width, dc->height, dc->width * 4,
                                                       PixelFormat32bppRGB, dc->bits,
                                                       &bitmap) != Gdiplus::Ok)
        return 1;
    const bool saved = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, file, &kPngEncoder,
                                                                nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return saved ? 0 : 1;
}

ProbeRect GetControlGeometry(Window control) {
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
void RedirectImport(ULONG_PTR from, ULONG_PTR to) {
    auto* base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         from != 0 && imports.VirtualAddress != 0 && dll->Name != 0; ++dll) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
             slot->u1.Function != 0; ++slot) {
            if (slot->u1.Function != from) continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                           &protection);
            slot->u1.Function = to;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
        }
    }
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

void ProbeMinimiseAndRestore(Window window) {
    for (WPARAM command : {SC_MINIMIZE, SC_RESTORE}) {
        SendMessageA(Hwnd(window), WM_SYSCOMMAND, command, 0);
        ProbeProcessEvents();
    }
}

long ProbeMemoryInUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.WorkingSetSize);
}

// Measured on a thousand bare reads of one text, after a thousand that fill the free space the
// heap already has in memory, as the reads of a long session do.
long ProbeClipboardReadCost() {
    ProbeSetClipboard("1");
    long before = 0;
    for (int i = 0; i < 2000; ++i) {
        if (i == 1000) before = ProbeMemoryInUse();
        if (OpenClipboard(nullptr)) GetClipboardData(CF_UNICODETEXT), CloseClipboard();
    }
    return std::max(0L, ProbeMemoryInUse() - before) / 1000;
}

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    HWND focus = GetFocus();
    for (Window control : Controls()) {
        if (control->kind != ControlKind::Edit) continue;
        HWND hwnd = Hwnd(control);
        const ProbeRect at = GetControlGeometry(control);
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
        const ProbeRect at = GetControlGeometry(control);
        buttons.push_back(ProbeButton{control, at.x, at.y, state, WindowText(hwnd), Shown(hwnd)});
    }
    return buttons;
}

// The entries of a menu, in order.
std::vector<MenuEntry> Entries(HMENU menu) {
    std::vector<MenuEntry> entries;
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i)
        entries.push_back(Entry(menu, i));
    return entries;
}

std::vector<ProbePopup> ProbeMenuBar(Window window) {
    std::vector<ProbePopup> popups;
    for (const MenuEntry& title : Entries(GetMenu(Hwnd(window)))) {
        if (title.popup == nullptr) continue;
        ProbePopup popup{title.entry.text, {}};
        for (const MenuEntry& e : Entries(title.popup)) popup.entries.push_back(e.entry);
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
    PostMessageA(hwnd, WM_COMMAND, Entry(GetSubMenu(bar, title), item).entry.id, 0);
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
HMENU ShownMenu() {
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPopup, reinterpret_cast<LPARAM>(&popup));
    return popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0))
                            : nullptr;
}

}  // namespace

ProbeShownMenu ProbeShowingMenu() {
    ProbeShownMenu shown;
    HMENU menu = ShownMenu();
    shown.open = menu != nullptr;
    for (const MenuEntry& e : Entries(menu)) {
        shown.entries.push_back(e.entry);
        if (e.highlighted && !e.entry.separator) shown.active = e.entry.text;
    }
    return shown;
}

bool ProbeChooseShownItem(const std::string& cp1252Text) {
    HMENU menu = ShownMenu();
    const std::vector<MenuEntry> entries = Entries(menu);
    const auto target = std::find_if(entries.begin(), entries.end(), [&](const MenuEntry& e) {
        return !e.entry.separator && e.entry.text == cp1252Text;
    });
    if (target == entries.end() || !target->entry.enabled) return false;
    // As the keyboard chooses: Home, Down to the entry, Enter.
    const int position = static_cast<int>(target - entries.begin());
    ProbePressKey("Home");
    for (std::size_t step = 0; step < entries.size() && !Entry(menu, position).highlighted; ++step)
        ProbePressKey("Down");
    if (!Entry(menu, position).highlighted) return false;
    ProbePressKey("Return");
    return true;
}

std::string ProbeMenuBarSelection(Window window) {
    for (const MenuEntry& title : Entries(GetMenu(Hwnd(window))))
        if (title.highlighted) return title.entry.text;
    return {};
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

bool ProbeTypeText(const std::string& utf8) {
    if (GetFocus() == nullptr) return false;
    for (char32_t c : CodePoints(utf8)) {
        if (c == '\n') c = '\r';
        // Each character from where the keys go at that moment, after what
        // the ones before posted: the platform's queue hands posted messages
        // out before later input.
        ProbeProcessEvents();
        KeyStrokes keys;
        const UINT vk = KeyForChar(c);
        if (vk != 0) keys.Down(vk);
        // A character with no Windows-1252 byte goes as UTF-16, which the
        // platform puts into the window's code page on its way.
        if (const int byte = Cp1252FromCodePoint(c); byte >= 0) {
            keys.Character(static_cast<WPARAM>(byte), vk);
        } else if (c < 0x10000) {
            keys.Character(c, vk, true);
        } else {
            keys.Character(0xD800 + ((c - 0x10000) >> 10), vk, true);
            keys.Character(0xDC00 + (c & 0x3FF), vk, true);
        }
        if (vk != 0) keys.Up(vk);
        HandOnInputs(keys.Take());
    }
    return true;
}

bool ProbePressKey(const std::string& name) {
    KeyPress k;
    if (!ParseKeyName(name, k)) return false;
    const UINT vk = VirtualKey(k);
    // The modifiers go down first and come up last, each a key of its own.
    KeyStrokes keys;
    const UINT modifiers[] = {k.shift ? VK_SHIFT : 0u, k.control ? VK_CONTROL : 0u,
                              k.alt ? VK_MENU : 0u};
    for (UINT modifier : modifiers)
        if (modifier != 0 && modifier != vk) keys.Down(modifier);
    keys.Down(vk);
    if (const WPARAM c = CharacterOf(vk, k)) keys.Character(c, vk, c >= 0x80);
    keys.Up(vk);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        if (*it != 0 && *it != vk) keys.Up(*it);
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

bool ProbeMenuTitleRect(Window window, const std::string& cp1252Title, ProbeRect& out) {
    HWND hwnd = Hwnd(window);
    HMENU bar = GetMenu(hwnd);
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    if (bar == nullptr || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info)) return false;
    for (int title = 0; title < GetMenuItemCount(bar); ++title) {
        RECT r{};
        if (Entry(bar, title).entry.text != cp1252Title ||
            !GetMenuItemRect(hwnd, bar, static_cast<UINT>(title), &r))
            continue;
        out = {r.left - info.rcBar.left, r.top - info.rcBar.top, r.right - r.left,
               r.bottom - r.top};
        return true;
    }
    return false;
}

// ---- What Active Accessibility gives a screen reader, asked as one asks ----

namespace {

// The client object of a window, as a screen reader gets it; released when
// it goes.
class ClientObject {
public:
    explicit ClientObject(HWND hwnd) {
        static const bool com = SUCCEEDED(CoInitialize(nullptr));
        if (com && hwnd != nullptr)
            AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&object_));
    }
    ~ClientObject() {
        if (object_ != nullptr) object_->Release();
    }
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;

    // A text of the object (child 0) or of one of its children, in
    // Windows-1252.
    std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                     long child = CHILDID_SELF) const {
        BSTR text = nullptr;
        if (object_ == nullptr || (object_->*get)(Child(child), &text) != S_OK || text == nullptr)
            return {};
        std::string out(static_cast<std::size_t>(SysStringLen(text)) * 2 + 1, '\0');
        out.resize(static_cast<std::size_t>(
            WideCharToMultiByte(1252, 0, text, static_cast<int>(SysStringLen(text)), out.data(),
                                static_cast<int>(out.size()), nullptr, nullptr)));
        SysFreeString(text);
        return out;
    }
    long Children() const {
        long count = 0;
        return object_ != nullptr && SUCCEEDED(object_->get_accChildCount(&count)) ? count : 0;
    }
    long Role(long child) const { return Number(&IAccessible::get_accRole, child); }
    long State() const { return Number(&IAccessible::get_accState, CHILDID_SELF); }

private:
    long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                long child) const {
        VARIANT out;
        VariantInit(&out);
        if (object_ == nullptr || FAILED((object_->*get)(Child(child), &out))) return 0;
        return out.vt == VT_I4 ? out.lVal : 0;
    }
    static VARIANT Child(long child) {
        VARIANT id;
        VariantInit(&id);
        id.vt = VT_I4;
        id.lVal = child;
        return id;
    }

    IAccessible* object_ = nullptr;
};

}  // namespace

std::string ProbeAccessibleName(Window control) {
    return ClientObject(Hwnd(control)).Text(&IAccessible::get_accName);
}

std::string ProbeAccessibleKind(Window control) {
    const ClientObject object(Hwnd(control));
    const long role = object.Role(CHILDID_SELF);
    if (role != ROLE_SYSTEM_RADIOBUTTON && role != ROLE_SYSTEM_CHECKBUTTON) return {};
    return std::string(role == ROLE_SYSTEM_RADIOBUTTON ? "radio button" : "check box") +
           (object.State() & STATE_SYSTEM_CHECKED ? ", checked" : "");
}

// The focused field's description.
std::string ProbeAnnouncement() {
    return ClientObject(GetFocus()).Text(&IAccessible::get_accDescription);
}

// The static texts among the children of the main window's client object.
std::vector<std::string> ProbePageTexts() {
    const ClientObject client(MainWindow());
    std::vector<std::string> texts;
    for (long child = 1; child <= client.Children(); ++child)
        if (client.Role(child) == ROLE_SYSTEM_STATICTEXT)
            texts.push_back(client.Text(&IAccessible::get_accName, child));
    return texts;
}

}  // namespace tk
