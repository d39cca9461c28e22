// The main window procedure: creation sequence, paint, command dispatch.

#include "app/main_window.h"

#include "app/menus.h"
#include "app/screens.h"
#include "calc/common/backdrop.h"
#include "calc/common/commands.h"
#include "calc/common/palette.h"
#include "calc/common/shell.h"
#include "toolkit/button.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

namespace {

void CreationSequence(tk::Window window) {
    tk::MemoryDC canvas = tk::CreateCanvas(window, 1000, 600, kLightGrey);
    tk::SetWindowIcon(window, "ZUREREVADO");
    CreateFonts(window);
    // The init pass runs every page with no canvas to draw into: the start
    // page drawn next covers all that the pages would draw, and setting the
    // texts of eighteen pages nobody sees would only hold up the first paint.
    g_shell.canvas = nullptr;
    g_shell.initPass = true;
    for (const Screen* screen : AllScreens()) RunScreen(window, *screen);
    g_shell.initPass = false;
    g_shell.canvas = canvas;
    BuildMenuBar(window);
    tk::SetEditMenuTexts(EditMenuTexts());
    HideAllControls();
    DrawBackdrop(window, 0);
}

void PaintSequence(tk::Window window) {
    tk::CopyCanvas(window, g_shell.canvas, 0, 0, 1000, 600);
    tk::DrawLine(window, 0, 0, 1000, 0, kBlack);
    g_shell.splash = false;
}

// Language switch: re-label the close button, redraw the bare backdrop,
// hide every field, rebuild the menu bar. No screen runs.
void SwitchLanguage(tk::Window window, Language language, const char* closeText) {
    tk::SetPushButtonText(g_shell.closeButton, closeText);
    g_shell.language = language;
    DrawBackdrop(window, 0);
    HideAllControls();
    BuildMenuBar(window);
    tk::SetEditMenuTexts(EditMenuTexts());
}

void Dispatch(tk::Window window, tk::WParam id) {
    // Compared whole: a notification with a code in the upper half is none
    // of these.
    const Screen* current = FindScreen(g_shell.currentScreen);
    if (id == tk::WParam(command::kTab)) {
        g_shell.recalc = true;
        if (current != nullptr) RunScreen(window, *current);
    } else if (id == tk::WParam(command::kEnter)) {
        for (int run = 0; current != nullptr && run < current->enterRuns; ++run)
            RunScreen(window, *current);
    } else if (id == tk::WParam(command::kFilterType)) {
        if (current != nullptr && current->TakesFilterType()) RunScreen(window, *current);
    } else if (id == tk::WParam(command::kClose)) {
        tk::PostQuitMessage(0);
    } else if (id == tk::WParam(command::kHomePage)) {
        tk::OpenWithShell(window, kHomePageAddress, 5);
    } else if (id == tk::WParam(command::kSwedish)) {
        SwitchLanguage(window, Language::Swedish, "STÄNG"_cp);
    } else if (id == tk::WParam(command::kEnglish)) {
        SwitchLanguage(window, Language::English, "CLOSE");
    } else if (id <= 0xFFFF) {
        // Nothing unless it names a screen.
        if (const Screen* screen = FindScreen(static_cast<int>(id))) {
            RunScreen(window, *screen);
            tk::PageOpened(window);
        }
    }
}

}  // namespace

tk::LResult MainWindowProc(tk::Window window, unsigned message, tk::WParam wParam,
                           tk::LParam lParam) {
    switch (message) {
        case tk::kWmCreate: CreationSequence(window); return 0;
        case tk::kWmDestroy: tk::PostQuitMessage(0); return 0;
        case tk::kWmMove: tk::RepaintWindow(window, "ERASED"); return 0;
        case tk::kWmSize: return 0;
        case tk::kWmPaint:
            PaintSequence(window);
            return tk::DefaultWindowProc(window, message, wParam, lParam);
        case tk::kWmEraseBackground: return 0;
        case tk::kWmCommand: Dispatch(window, wParam); return 0;
        default: return tk::DefaultWindowProc(window, message, wParam, lParam);
    }
}

tk::Window StartSelvaquin() {
    tk::Window window =
        tk::OpenMainWindow(0, kProgramTitle, 400, 100, 1006, 600, "MIN_MAX_CLO", MainWindowProc);
    if (window != nullptr) tk::CenterWindow(window);
    return window;
}
