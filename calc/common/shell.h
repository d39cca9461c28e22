// The program's shell state: the globals every page reads, the six fonts and
// the close button.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/window.h"

// The face of every font the program makes (DejaVu Sans, narrowed, stands
// in where it is missing).
inline constexpr const char* kFace = "Verdana";

enum class Language { Swedish = 1, English = 2 };

// What the backdrop shows besides the panels: nothing, the frequency grid, or
// the grid beside a schematic part of the lower panel.
enum class BackdropMode { Plain = 600, Grid = 601, GridSplit = 603 };

// Shell state, alive for the whole process, touched only on the GUI thread.
struct ShellState {
    tk::MemoryDC canvas = nullptr;
    Language language = Language::Swedish;
    bool initPass = true;   // while the init pass runs
    bool splash = true;     // until the first paint
    int currentScreen = 0;  // id of the screen that ran last
    bool recalc = false;    // while a TAB re-run does only its focus step
    BackdropMode backdropMode = BackdropMode::Plain;
    tk::Window closeButton = nullptr;
};
extern ShellState g_shell;

enum class FontRole { Label, Result, Edit, Splash, Small, Heading };
inline constexpr int kFontRoleCount = 6;
tk::Font AppFont(FontRole role);

// Makes the six fonts and the close button.
void CreateFonts(tk::Window window);
