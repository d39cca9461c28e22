// The main window: its procedure (creation, paint, command dispatch) and the
// program's start.
#pragma once

#include "toolkit/window.h"

// The title bar: the name and the version of the project (CMakeLists.txt).
inline constexpr const char* kProgramTitle = "Selvaquin v" SELVAQUIN_VERSION;

// The main window's procedure: creation, paint and command dispatch.
tk::LResult MainWindowProc(tk::Window window, unsigned message, tk::WParam wParam,
                           tk::LParam lParam);

// Opens the main window (creation runs the init pass) and centres it.
tk::Window StartSelvaquin();
