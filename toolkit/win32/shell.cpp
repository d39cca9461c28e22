// Handing a document or web address to the platform's shell.

#include "toolkit/win32/win32_bridge.h"
#include "toolkit/text.h"

#include <shellapi.h>

void OpenWithShell(Window window, const char* target, int show) {
    if (target == nullptr) return;
    ShellExecuteA(tk::Hwnd(window), "open", target, nullptr, nullptr, show);
}
