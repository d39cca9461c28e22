// ENTER and TAB hide no control that shows before and after them (the fields went blank at
// every ENTER); the filter types have no box of their own; maximised, the window keeps its size.

#include "tests/app/app_fixture.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

int g_hides = 0;

LRESULT CALLBACK CountHides(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_SHOWWINDOW && m->wParam == FALSE) ++g_hides;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Win32Controls, EnterAndTabHideNoControlThatStaysShown) {
    for (tk::WParam page : {1017, 502}) {  // the low-pass page, the 12 dB crossover's filter types
        Command(page);
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountHides, nullptr, GetCurrentThreadId());
        g_hides = 0;
        for (tk::WParam key : {13, 9, 13}) Command(key);
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(g_hides, 0) << page;
    }
}

TEST(Win32Controls, FilterTypesShowThePanelUnderThem) {
    Command(502);
    int buttons = 0;
    HWND child = GetWindow(FindWindowA(kProgramTitle, nullptr), GW_CHILD);
    for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & BS_TYPEMASK) != BS_AUTORADIOBUTTON || !(style & WS_VISIBLE)) continue;
        RECT r{};
        GetClientRect(child, &r);
        ++buttons;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ bitmap = SelectObject(dc, CreateBitmap(r.right, r.bottom, 1, 32, nullptr));
        SendMessageA(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        EXPECT_EQ(GetPixel(dc, r.right - 1, 0), 0xEBEBEBu) << "filter type " << buttons;
        DeleteObject(SelectObject(dc, bitmap));
        DeleteDC(dc);
    }
    EXPECT_EQ(buttons, 3);
}

TEST(Win32Window, MaximisedKeepsItsSizeAndStaysOnASmallWorkArea) {
    TheApp();
    HWND window = FindWindowA(kProgramTitle, nullptr);
    RECT before{}, maximised{}, work{}, small{100, 50, 900, 500}, placed{};
    GetWindowRect(window, &before);
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    GetWindowRect(window, &maximised);
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(maximised.right - maximised.left == before.right - before.left &&
                maximised.bottom - maximised.top == before.bottom - before.top);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &small, 0);
    tk::CenterWindow(TheApp());
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &placed);
    EXPECT_TRUE(placed.left == 100 && placed.top == 50) << placed.left << " " << placed.top;
}

}  // namespace
