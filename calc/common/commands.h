// Command identifiers: the whole wParam of a tk::kWmCommand that a menu item, a
// button or a field's key brings to the main window. A page's id, the command
// of its menu item, is in its record (app/screens.cpp checks that no two
// commands share a number).
#pragma once

namespace command {

// Keys a field forwards (Windows virtual-key codes) that the shell acts on.
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;

// The crossovers' filter-type buttons, the close button, the About menu's
// web address and the language menu.
inline constexpr int kFilterType = 504;
inline constexpr int kClose = 1000;
inline constexpr int kHomePage = 1050;
inline constexpr int kSwedish = 2101;
inline constexpr int kEnglish = 2102;

}  // namespace command
