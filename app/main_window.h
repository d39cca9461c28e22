// The main window: its procedure (creation, paint, command dispatch) and the
// program's start.
#pragma once

#include "toolkit/window.h"

inline constexpr const char* kProgramTitle = "Selvaquin v2601.302245";

// The main window's procedure: creation, paint and command dispatch.
tk::LResult MainWindowProc(tk::Window window, unsigned message, tk::WParam wParam,
                           tk::LParam lParam);

// Opens the main window (creation runs the init pass) and centres it.
tk::Window StartSelvaquin();
