// The eighteen calculator screens in init-pass order, with the number of
// full runs an ENTER asks for. A screen that is not built yet has no record;
// the init pass and HideAllControls skip it.
#pragma once

#include "calc/electronics/screen.h"
#include "toolkit/window.h"

#include <span>

struct ScreenEntry {
    int id;
    int enterRuns;
    Screen* screen;   // null while the page is not built
};

std::span<const ScreenEntry> AllScreens();
const ScreenEntry* FindScreen(int id);
// Runs the screen procedure of `id` once; false when there is none.
bool RunScreenById(Window window, int id);
