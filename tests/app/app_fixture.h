// The application running on the offscreen platform, shared by the tests of
// one test program: started on first use, its window never closed.
#pragma once

#include "app/main_window.h"
#include "calc/common/shell.h"
#include "toolkit/testing/probe.h"
#include "toolkit/window.h"

// The main window, the first paint done so the splash is gone.
tk::Window TheApp();
// Posts a command to the main window and handles everything that follows.
void Command(tk::WParam id);
