// Inside the toolkit: the menu bar from the keyboard, as Windows has it, for
// every platform whose bar the toolkit works itself. F10, or Alt pressed and
// released with nothing else in between, selects the first title, and the
// same key leaves the bar again. Left and Right move between the titles (and
// open the next menu while one is open); Down, Up, Enter or Space open the
// selected title's menu with its first item selected. In an open menu Up and
// Down move between the items over the rules, round the ends; Enter or Space
// chooses; Escape closes the menu, its title staying selected, and then
// leaves the bar. Every other key goes nowhere while the bar has the keys.
#pragma once

#include <vector>

namespace tk {

struct MenuBarState {
    int title = -1;     // the selected title; -1 when the bar is left
    bool open = false;  // its menu shows
    int item = -1;      // the selected item of the open menu; -1 none
    bool keys = false;  // the keyboard works the bar (not only the mouse)
};

// The bar's menus: for each title, for each entry, whether it can be chosen
// (a rule cannot).
using MenuShape = std::vector<std::vector<bool>>;

enum class MenuStep {
    NotMine,  // the bar is left and the key is not for it
    Moved,    // the bar took the key; the state says where it is now
    Leave,    // the bar is to be left, the keyboard back where it was
    Choose,   // the state's item is chosen
};
// A key pressed (a virtual-key code; `modified` with Shift, Ctrl ...).
MenuStep MenuBarKey(MenuBarState& state, const MenuShape& bar, int vk, bool modified);

// Alt pressed and released with nothing else in between (not with Shift,
// Ctrl ..., which a desktop may take for itself).
struct AltTap {
    bool alone = false;
    void Down(int vk, bool otherModifiers);
    // A key went up: true for the tap's end.
    bool Up(int vk);
};

}  // namespace tk
