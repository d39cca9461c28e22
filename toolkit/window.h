// Top-level window, message delivery and the message loop.
//
// The toolkit is a thin layer of plain functions between the application and
// the platform. Windows and controls are opaque handles; colours are 24-bit
// values laid out 0x00BBGGRR; every window the toolkit opens is bound to the
// application's MainWindowProc, which the application must define.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

struct TkWindow;
using Window = TkWindow*;        // the main window or one of its controls
using Instance = std::intptr_t;  // the running program's module handle
using Colour = std::uint32_t;    // 0x00BBGGRR
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Messages the main window procedure receives.
inline constexpr unsigned WM_CREATE = 1;
inline constexpr unsigned WM_DESTROY = 2;
inline constexpr unsigned WM_MOVE = 3;
inline constexpr unsigned WM_SIZE = 5;
inline constexpr unsigned WM_PAINT = 15;
inline constexpr unsigned WM_CLOSE = 16;
inline constexpr unsigned WM_ERASEBKGND = 20;
inline constexpr unsigned WM_COMMAND = 273;

// Supplied by the application: the one window procedure of the program.
LResult MainWindowProc(Window window, unsigned message, WParam wParam, LParam lParam);

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

// Opens the main window: WM_CREATE reaches MainWindowProc before this returns,
// then the window is shown. `height` does not count the title bar. Returns
// null when a window with the same class name exists already.
Window OpenMainWindow(Instance instance, const char* title, int x, int y, int width, int height,
                      const char* keyword);
int CenterWindow(Window window);
int SetWindowIcon(Window window, const char* iconName);
int SetWindowColor(Window window, Colour colour);
// The name assistive technology (a screen reader) gives a window or control;
// `name` is Windows-1252. 0 on success, 1 for a null window or name.
int SetAccessibleName(Window control, const char* name);

// Posts WM_COMMAND with `id` to the window; handled first in first out, after
// the event being handled now.
void PostCommand(Window window, WParam id);
// Ends the message loop with `exitCode` once control returns to it.
void PostQuitMessage(int exitCode);
// Runs the message loop until the quit message; returns its exit code.
int RunMessageLoop();
// Default handling: WM_CLOSE destroys the window (WM_DESTROY follows).
LResult DefaultWindowProc(Window window, unsigned message, WParam wParam, LParam lParam);
