// Handing a document or web address to the platform's shell.

#include "toolkit/text.h"
#include "toolkit/win32/win32_bridge.h"

#include <shellapi.h>

namespace tk {

void OpenWithShell(Window window, const char* target, int show) {
    if (target == nullptr) return;
    ShellExecuteA(Hwnd(window), "open", target, nullptr, nullptr, show);
}

}  // namespace tk
