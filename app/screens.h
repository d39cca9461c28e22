// The eighteen calculator screens in init-pass order, with the number of
// full runs an ENTER asks for.
#pragma once

#include "calc/electronics/screen.h"
#include "toolkit/window.h"

#include <span>

struct ScreenEntry {
    int id;
    int enterRuns;
    Screen* screen;
};

std::span<const ScreenEntry> AllScreens();
const ScreenEntry* FindScreen(int id);
// Runs the screen procedure of `id` once; false when there is none.
bool RunScreenById(Window window, int id);
