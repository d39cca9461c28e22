// Handing a document or web address to the platform's shell.

// The bridge first: it keeps the toolkit's PostQuitMessage apart from the
// platform's, which <windows.h> declares.
#include "toolkit/win32/win32_bridge.h"

#include "toolkit/text.h"

#include <shellapi.h>

void OpenWithShell(Window window, const char* target, int show) {
    if (target == nullptr) return;
    ShellExecuteA(tk::Hwnd(window), "open", target, nullptr, nullptr, show);
}
