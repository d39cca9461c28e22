// Top-level window, message delivery and the message loop.
//
// The toolkit is a thin layer of plain functions between the application and
// the platform. Windows and controls are opaque handles; colours are 24-bit
// values laid out 0x00BBGGRR; the main window hands every message to the
// window procedure it was opened with. Everything is in namespace tk.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tk {

struct WindowImpl;
using Window = WindowImpl*;      // the main window or one of its controls
using Instance = std::intptr_t;  // the running program's module handle
using Colour = std::uint32_t;    // 0x00BBGGRR
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Messages the main window procedure receives, numbered as Windows numbers
// them.
inline constexpr unsigned kWmCreate = 1;
inline constexpr unsigned kWmDestroy = 2;
inline constexpr unsigned kWmMove = 3;
inline constexpr unsigned kWmSize = 5;
inline constexpr unsigned kWmPaint = 15;
inline constexpr unsigned kWmClose = 16;
inline constexpr unsigned kWmEraseBackground = 20;
inline constexpr unsigned kWmCommand = 273;

// The application's procedure for its main window, given to OpenMainWindow.
using WindowProcedure = LResult (*)(Window window, unsigned message, WParam wParam, LParam lParam);

// Starts the platform layer. `platform` names a platform plugin ("offscreen"
// for headless runs) or is null for the default. `faces` are the font faces
// the program makes its fonts with: only those, the faces of the toolkit's own
// fonts and DejaVu Sans, which stands in for any face that is missing, are
// loaded, however many fonts the machine has (where none of them is
// installed, every font is). On Windows the platform's own font list serves
// and the faces ask for nothing. Returns 0 when ready; when no display can
// be opened it prints one line to stderr and returns 1.
int InitToolkit(int& argc, char** argv, const char* platform,
                std::initializer_list<const char*> faces);

// Window style bits for a keyword ("MIN_MAX_CLO" and so on); unknown keywords
// give the plain default.
struct WindowStyle {
    std::uint32_t style;
    std::uint32_t exStyle;
    std::uint32_t classStyle;
};
WindowStyle WindowStyleForKeyword(const char* keyword);

// Class name registered for a title: the title itself, or "Class<instance>"
// for an empty title.
std::string WindowClassName(const char* title, Instance instance);
// Where a window `size` long along one axis goes when it is wanted at
// `wanted` on a work area from `start` to `end`: there when it fits; else
// moved onto the work area, its start (the title bar and the menu bar, the
// left edge) kept on it first.
int KeepOnWorkArea(int wanted, int size, int start, int end);

// Opens the main window: kWmCreate reaches `procedure` before this returns,
// then the window is shown. `height` does not count the title bar. Returns
// null when a window with the same class name exists already.
Window OpenMainWindow(Instance instance, const char* title, int x, int y, int width, int height,
                      const char* keyword, WindowProcedure procedure);
int CenterWindow(Window window);
int SetWindowIcon(Window window, const char* iconName);
int SetWindowColor(Window window, Colour colour);
// The name assistive technology (a screen reader) gives a window or control;
// `name` is Windows-1252. 0 on success, 1 for a null window or name.
int SetAccessibleName(Window control, const char* name);
// The language the window's texts are in, as a language tag ("sv", "en"):
// the one a screen reader speaks them in, where the platform tells it. 0 on
// success, 1 for a null window or language.
int SetWindowLanguage(Window window, const char* language);

// The page was opened: a screen reader is told all of it when it next shows,
// not only what changed.
void PageOpened(Window window);

// Posts kWmCommand with `id` to the window; handled first in first out, after
// the event being handled now.
void PostCommand(Window window, WParam id);
// Ends the message loop with `exitCode` once control returns to it.
void PostQuitMessage(int exitCode);
// Runs the message loop until the quit message; returns its exit code.
int RunMessageLoop();
// Default handling: kWmClose destroys the window (kWmDestroy follows).
LResult DefaultWindowProc(Window window, unsigned message, WParam wParam, LParam lParam);

}  // namespace tk
