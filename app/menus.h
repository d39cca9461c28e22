// The menu bar in the two languages.
#pragma once

#include "toolkit/window.h"

// Where command 1050 takes the user.
inline constexpr const char* kHomePageAddress = "https://selvaquin.org/";

// Builds the bar anew in the current language and gives it to the window.
void BuildMenuBar(tk::Window window);
// The fields' context menu in the current language: Undo, Cut, Copy,
// Paste, Delete, Select All, with their access keys.
const char* const* EditMenuTexts();
