// The program's shell state: the globals every page reads, the six fonts and
// the close button.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/window.h"

// The face of every font the program makes (DejaVu Sans, narrowed, stands
// in where it is missing).
inline constexpr const char* kFace = "Verdana";

// Shell state, alive for the whole process, touched only on the GUI thread.
struct ShellState {
    tk::MemoryDC canvas = nullptr;
    int language = 1;       // 1 Swedish, 2 English
    int initPass = 1;       // 1 while the init pass runs
    int splash = 1;         // 1 until the first paint
    int currentScreen = 0;  // id of the screen that ran last
    int recalc = 0;         // 1 while a TAB re-run does only its focus step
    int backdropMode = 0;   // 600, 601 or 603
    tk::Window closeButton = nullptr;
    tk::Window mainWindow = nullptr;
};
extern ShellState g_shell;

enum class FontRole { Label, Result, Edit, Splash, Small, Heading };
inline constexpr int kFontRoleCount = 6;
tk::Font AppFont(FontRole role);
// "label", "result", "edit", "splash", "small", "heading"; "system" for the
// null font and for fonts the application did not make.
const char* FontRoleName(tk::Font font);

// Makes the six fonts and the close button.
void CreateFonts(tk::Window window);
