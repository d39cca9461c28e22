// The menu bar in the two languages.
#pragma once

#include "toolkit/window.h"

// Where command 1050 takes the user.
inline constexpr const char* kHomePage = "https://selvaquin.org/";

void SetLanguageTexts(tk::Window window);
const char* MenuTextSlot(int slot);  // 1..22, the texts of the last SetLanguageTexts
void BuildMenuBar(tk::Window window);
// The fields' context menu in the current language: Undo, Cut, Copy,
// Paste, Delete, Select All, with their access keys.
const char* const* EditMenuTexts();
