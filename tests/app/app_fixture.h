// The application running on the offscreen platform, shared by the tests of
// one test program. Started on first use; its window is never closed.
#pragma once

#include "app/main_window.h"
#include "calc/common/shell.h"
#include "toolkit/testing/probe.h"
#include "toolkit/window.h"

#include <vector>

// The main window of the running application (started on first call, with
// the first paint done so the splash is gone).
tk::Window TheApp();
// Posts a command to the main window and handles everything that follows.
void Command(tk::WParam id);
// Every command delivered to the main window procedure, oldest first; tests
// clear it before they act.
std::vector<tk::WParam>& DeliveredCommands();
// The delivered commands that are not a control's notification (a code in
// the upper half: a field telling of its focus or its text, on Windows).
std::vector<tk::WParam> DeliveredIds();
