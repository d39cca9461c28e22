// Inside the probe: the key names of ProbePressKey, read the same way on
// every platform. Each platform's probe gives the named keys its own codes
// in the order of kKeyNames.
#pragma once

#include <iterator>
#include <string>

namespace tk {

inline constexpr const char* kKeyNames[] = {
    "Tab",  "Return", "Enter",  "Backspace", "Delete", "Left", "Right", "Home",  "End", "Up",
    "Down", "Insert", "PageUp", "PageDown",  "Escape", "Menu", "Alt",   "Shift", "Ctrl"};
// F1 to F12 follow the named keys.
inline constexpr int kFirstFunctionKey = static_cast<int>(std::size(kKeyNames));

struct KeyPress {
    // The index of a named key, kFirstFunctionKey + n - 1 for Fn, or the
    // character of a letter or digit key ('A', '7').
    int key = 0;
    char character = 0;  // what the key types alone: '\t' for Tab, 'a' for A; 0 for none
    bool shift = false, control = false, alt = false;
};
// Reads "Shift+Ctrl+F10" and the like; false for a name that is no key.
bool ParseKeyName(std::string name, KeyPress& out);

}  // namespace tk
