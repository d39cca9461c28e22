// Push buttons and option buttons (radio buttons and check boxes).
//
// A click posts the button's command identifier to the main window. A round
// option button checks itself and clears the other option buttons that are
// visible; it never clears buttons that are hidden.
#pragma once

#include "draw.h"
#include "window.h"

#include <cstdint>

namespace tk {

struct ButtonStyle {
    std::uint32_t style;
    std::uint32_t exStyle;
};
// Style bits for a text-placement keyword and a frame keyword.
ButtonStyle PushButtonStyle(const char* placement, const char* frame);
// Style bits for an option-button kind ("ROUND", "SQUARE"; anything else 0).
std::uint32_t OptionButtonStyle(const char* kind);

Window CreatePushButton(Window parent, int x, int y, int width, int height, const char* text,
                        const char* placement, const char* frame, int commandId);
int SetPushButtonText(Window button, const char* text);
int SetPushButtonFont(Window control, Font font);

// Sized to its text: width = text width + 20, height = text height (at least 16).
Window CreateOptionButton(Window parent, int x, int y, const char* kind, const char* text,
                          int commandId);
int HideOptionButton(Window button);  // 1 when already hidden, 0 when it was visible
int ShowOptionButton(Window button);  // 1 when it was visible, 0 when it was hidden
int CheckOptionButton(Window button);
int IsOptionChecked(Window button);  // 1 checked, 0 not

}  // namespace tk
