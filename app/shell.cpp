// The main window procedure: creation sequence, paint, command dispatch.

#include "shell.h"

#include "app/backdrop.h"
#include "app/menus.h"
#include "app/screens.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <array>

ShellState g_shell;

namespace {

std::array<Font, kFontRoleCount> g_fonts{};

constexpr const char* kFontNames[kFontRoleCount] = {"label", "result", "edit",
                                                    "splash", "small", "heading"};

constexpr WParam kTab = 9;
constexpr WParam kEnter = 13;
constexpr WParam kFilterType = 504;
constexpr WParam kClose = 1000;
constexpr WParam kHomePageCommand = 1050;
constexpr WParam kSwedish = 2101;
constexpr WParam kEnglish = 2102;

void CreationSequence(Window window) {
    g_shell.mainWindow = window;
    MemoryDC canvas = CreateCanvas(window, 1000, 600, 0xC8C8C8);
    SetWindowIcon(window, "ZUREREVADO");
    CreateFonts(window);
    // The init pass runs every page with no canvas to draw into: the start
    // page drawn next covers all that the pages would draw, and setting the
    // texts of eighteen pages nobody sees would only hold up the first paint.
    g_shell.canvas = nullptr;
    g_shell.initPass = 1;
    for (const ScreenEntry& entry : AllScreens()) RunScreenById(window, entry.id);
    g_shell.initPass = 0;
    g_shell.canvas = canvas;
    BuildMenuBar(window);
    SetEditMenuTexts(EditMenuTexts());
    HideAllControls(window);
    DrawBackdrop(window, 0.0);
}

void PaintSequence(Window window) {
    CopyCanvas(window, g_shell.canvas, 0, 0, 1000, 600);
    DrawLine(window, 0, 0, 1000, 0, 0x000000);
    g_shell.splash = 0;
}

// Language switch: re-label the close button, redraw the bare backdrop,
// hide every field, rebuild the menu bar. No screen runs.
void SwitchLanguage(Window window, int language, const char* closeText) {
    SetPushButtonText(g_shell.closeButton, closeText);
    g_shell.language = language;
    DrawBackdrop(window, 0.0);
    HideAllControls(window);
    BuildMenuBar(window);
    SetEditMenuTexts(EditMenuTexts());
}

void Dispatch(Window window, WParam id) {
    if (id == kTab) {
        g_shell.recalc = 1;
        RunScreenById(window, g_shell.currentScreen);
    } else if (id == kEnter) {
        const ScreenEntry* entry = FindScreen(g_shell.currentScreen);
        for (int run = 0; entry != nullptr && run < entry->enterRuns; ++run)
            RunScreenById(window, g_shell.currentScreen);
    } else if (id == kFilterType) {
        int current = g_shell.currentScreen;
        if (current == 501 || current == 502 || current == 503) RunScreenById(window, current);
    } else if (id == kClose) {
        PostQuitMessage(0);
    } else if (id == kHomePageCommand) {
        OpenWithShell(window, kHomePage, 5);
    } else if (id == kSwedish) {
        SwitchLanguage(window, 1, "STÄNG"_cp);
    } else if (id == kEnglish) {
        SwitchLanguage(window, 2, "CLOSE");
    } else if (id <= 0xFFFF) {
        RunScreenById(window, static_cast<int>(id));   // nothing unless it names a screen
    }
}

}  // namespace

Font AppFont(FontRole role) { return g_fonts[static_cast<std::size_t>(role)]; }

const char* FontRoleName(Font font) {
    if (font == nullptr) return "system";
    for (std::size_t i = 0; i < g_fonts.size(); ++i) {
        if (g_fonts[i] == font) return kFontNames[i];
    }
    return "system";
}

void CreateFonts(Window window) {
    auto set = [](FontRole role, Font font) { g_fonts[static_cast<std::size_t>(role)] = font; };
    set(FontRole::Label, MakeFont(14, 5, 0, 400, 0, 0, kFace));
    set(FontRole::Result, MakeFont(14, 5, 0, 700, 0, 0, kFace));
    set(FontRole::Edit, MakePointFont(window, 10, 400, 0, 0, kFace));
    set(FontRole::Splash, MakeFont(30, 15, 0, 400, 0, 0, kFace));
    set(FontRole::Small, MakeFont(13, 4, 0, 400, 0, 0, kFace));
    set(FontRole::Heading, MakeFont(14, 5, 0, 700, 0, 0, kFace));
    g_shell.closeButton =
        CreatePushButton(window, 800, 530, 110, 25, "STÄNG"_cp, "C", "SHADOW", int(kClose));
}

LResult MainWindowProc(Window window, unsigned message, WParam wParam, LParam lParam) {
    switch (message) {
        case WM_CREATE: CreationSequence(window); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        case WM_MOVE: RepaintWindow(window, "ERASED"); return 0;
        case WM_SIZE: return 0;
        case WM_PAINT:
            PaintSequence(window);
            return DefaultWindowProc(window, message, wParam, lParam);
        case WM_ERASEBKGND: return 0;
        case WM_COMMAND: Dispatch(window, wParam); return 0;
        default: return DefaultWindowProc(window, message, wParam, lParam);
    }
}

Window StartSelvaquin() {
    Window window = OpenMainWindow(0, kProgramTitle, 400, 100, 1006, 600, "MIN_MAX_CLO");
    if (window != nullptr) CenterWindow(window);
    return window;
}
