// The main window: its procedure (creation, paint, command dispatch) and the
// program's start.
#pragma once

#include "toolkit/window.h"

// Opens the main window (creation runs the init pass) and centres it.
Window StartSelvaquin();
