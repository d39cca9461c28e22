// Single-line edit fields that forward their keys to the main window.
//
// Every key pressed in a field is posted to the main window as WM_COMMAND
// with the key's Windows virtual-key code, except End, Home, Left and Right,
// which move the caret. The TAB and ENTER characters insert nothing and raise
// the key-pending flag that PassFocus uses. Typing, Backspace and the
// clipboard shortcuts still edit; Ctrl+Z undoes the last change (one level,
// a second Ctrl+Z redoes it). The text is Windows-1252. A character with no
// Windows-1252 byte is not accepted on Linux; on Windows the platform puts it
// into the code page as '?' or a look-alike.
#pragma once

#include "draw.h"
#include "window.h"

#include <cstdint>
#include <string>

// Edit style bits for an alignment keyword ("R", "NR", ...).
std::uint32_t EditStyleForKeyword(const char* keyword);

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars);
int HideEditField(Window field);   // 0 when it was visible, 1 when already hidden
int ShowEditField(Window field);   // 1 when it was visible, 0 when it was hidden
void FocusEditField(Window field);
// Moves the focus from `from` to `to` when the key-pending flag is set and
// `from` has the focus; then clears the flag. Always 0.
int PassFocus(Window from, Window to);
// Replaces `buffer` with the field's text (Windows-1252); leaves it as it was
// when the field is null.
void GetEditFieldText(Window field, std::string& buffer);
int SetEditFieldFont(Window field, Font font);
