// What Windows holds about the toolkit's windows, controls, fonts and icon.

#include "toolkit/win32/win32_bridge.h"

#include "toolkit/testing/win32/facts.h"

#include <cstdio>
#include <cstring>

namespace tk {

namespace {

ProbeRect Rect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The layout of an icon group resource: a directory and its entries.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
};
struct GroupIconDirectory {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

}  // namespace

ProbeWindowFacts ProbeDescribeWindow(Window window) {
    HWND hwnd = Hwnd(window);
    ProbeWindowFacts facts;
    char className[256] = {};
    GetClassNameA(hwnd, className, sizeof className);
    facts.className = className;
    facts.style = static_cast<std::uint32_t>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    facts.exStyle = static_cast<std::uint32_t>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    facts.classStyle = static_cast<std::uint32_t>(GetClassLongPtrA(hwnd, GCL_STYLE));
    RECT outer{}, client{};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    facts.outer = Rect(outer);
    facts.client = Rect(client);
    facts.controlId = GetDlgCtrlID(hwnd);
    if (lstrcmpiA(className, "Edit") == 0)
        facts.textLimit = static_cast<long>(SendMessageA(hwnd, EM_GETLIMITTEXT, 0, 0));
    facts.font = FromHfont(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    return facts;
}

ProbeMetrics ProbeSystemMetrics() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return {GetSystemMetrics(SM_CXSCREEN),
            GetSystemMetrics(SM_CYSCREEN),
            GetSystemMetrics(SM_CYCAPTION),
            GetSystemMetrics(SM_CYMENU),
            GetSystemMetrics(SM_CXFIXEDFRAME),
            GetSystemMetrics(SM_CYFIXEDFRAME),
            dpi};
}

std::vector<Menu> ProbeMenuBarAndPopups(Window window) {
    std::vector<Menu> menus;
    HMENU bar = GetMenu(Hwnd(window));
    if (bar == nullptr) return menus;
    menus.push_back(FromHmenu(bar));
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if (HMENU popup = GetSubMenu(bar, i)) menus.push_back(FromHmenu(popup));
    }
    return menus;
}

bool ProbeMenuExists(Menu menu) { return IsMenu(Hmenu(menu)) != FALSE; }

std::string ProbeDescribeFontRequest(Font font) {
    LOGFONTA f{};
    GetObjectA(Hfont(font), sizeof f, &f);
    char text[160];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld %ld %d %d %d %d %d %d %s", f.lfHeight,
                  f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, f.lfItalic, f.lfUnderline,
                  f.lfStrikeOut, f.lfCharSet, f.lfQuality, f.lfPitchAndFamily, f.lfFaceName);
    return text;
}

Font ProbeDefaultGuiFont() {
    return FromHfont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

ProbeRect ProbeTextExtentInWindow(Window window, const std::string& cp1252Text) {
    HWND hwnd = Hwnd(window);
    HDC dc = GetWindowDC(hwnd);
    SIZE size{};
    GetTextExtentPoint32A(dc, cp1252Text.c_str(), static_cast<int>(cp1252Text.size()), &size);
    ReleaseDC(hwnd, dc);
    return {0, 0, size.cx, size.cy};
}

ProbeIcon ProbeClassIcon(Window window) {
    auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(Hwnd(window), GCLP_HICON));
    ICONINFO info{};
    BITMAP size{};
    if (icon == nullptr || !GetIconInfo(icon, &info) ||
        !GetObjectA(info.hbmColor, sizeof size, &size))
        return {};
    ProbeIcon out{size.bmWidth, size.bmHeight, {}};
    // Each bitmap read as 32 bits a pixel (blue, green, red, unused), top row
    // first.
    auto read = [&out](HBITMAP bitmap) {
        std::vector<std::uint32_t> bits(static_cast<std::size_t>(out.width) * out.height);
        BITMAPINFO request = TopDownBitmap(out.width, out.height);
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, bitmap, 0, static_cast<UINT>(out.height), bits.data(), &request,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        DeleteObject(bitmap);
        return bits;
    };
    const std::vector<std::uint32_t> colour = read(info.hbmColor), mask = read(info.hbmMask);
    for (std::size_t i = 0; i < colour.size(); ++i) {
        const std::uint32_t c = colour[i];
        out.pixels.push_back((mask[i] & 0xFFFFFF) != 0
                                 ? -1L
                                 : long(c >> 16 & 0xFF) | long(c & 0xFF00) | long(c & 0xFF) << 16);
    }
    return out;
}

ProbeIconEntry ProbeIconResource(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (found == nullptr) return {};
    const auto* group =
        static_cast<const GroupIconDirectory*>(LockResource(LoadResource(module, found)));
    if (group == nullptr || group->count == 0) return {};
    const GroupIconEntry& first = group->entries[0];
    return {first.width == 0 ? 256 : first.width, first.height == 0 ? 256 : first.height,
            first.colours, first.bitsPerPixel, group->count};
}

}  // namespace tk
