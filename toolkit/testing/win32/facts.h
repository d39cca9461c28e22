// What Windows holds about the toolkit's windows, controls, fonts and icon:
// for the tests of the toolkit over the Windows API, which check them
// against the calls and values the toolkit is to use. Windows only; never
// linked into the program.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/menu.h"
#include "toolkit/testing/probe.h"
#include "toolkit/window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

struct ProbeWindowFacts {
    std::string className;
    std::uint32_t style = 0, exStyle = 0, classStyle = 0;
    ProbeRect outer{};   // screen coordinates
    ProbeRect client{};  // screen coordinates
    int controlId = 0;
    long textLimit = 0;   // edit fields: how many characters they take
    Font font = nullptr;  // the font the control draws with
};
ProbeWindowFacts ProbeDescribeWindow(Window window);

struct ProbeMetrics {
    int screenWidth, screenHeight;
    int captionHeight, menuHeight;  // title bar, menu bar
    int frameWidth, frameHeight;    // the frame of a window that cannot be resized
    int pixelsPerInchY;
};
ProbeMetrics ProbeSystemMetrics();

// The window's menu bar and the popups on it, the bar first.
std::vector<Menu> ProbeMenuBarAndPopups(Window window);
// Whether a menu handle still names a menu.
bool ProbeMenuExists(Menu menu);

// The font as it was asked for, its LOGFONT: height, width, escapement,
// orientation, weight, italic, underline, strike-out, character set,
// quality, pitch and family, face.
std::string ProbeDescribeFontRequest(Font font);
// The platform's default font for controls.
Font ProbeDefaultGuiFont();
// Width and height of a text in the font a window's own device context has.
ProbeRect ProbeTextExtentInWindow(Window window, const std::string& cp1252Text);

// An icon as Windows shows it: each pixel 0x00BBGGRR, or -1 where it is
// transparent.
struct ProbeIcon {
    int width = 0, height = 0;
    std::vector<long> pixels;
};
// The class icon of a window.
ProbeIcon ProbeClassIcon(Window window);
// The first image of the program's icon group `name`: its size and colours.
struct ProbeIconEntry {
    int width = 0, height = 0, colours = 0, bitsPerPixel = 0, images = 0;
};
ProbeIconEntry ProbeIconResource(const char* name);

}  // namespace tk
