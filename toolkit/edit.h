// Single-line edit fields that forward their keys to the main window.
//
// Every key pressed in a field is posted to the main window as kWmCommand
// with the key's Windows virtual-key code, except End, Home, Left and Right,
// which move the caret. The TAB and ENTER characters insert nothing and raise
// the key-pending flag that PassFocus uses. Typing, Backspace and the
// clipboard shortcuts (Ctrl+C, Ctrl+V, Ctrl+X, Shift+Insert, Ctrl+Insert)
// still edit; Ctrl+A selects the whole text; Ctrl+Z or Alt+Backspace undoes
// the last change (one level, a second undo redoes it). Alt combinations
// type nothing. A right click, the Menu key or Shift+F10 opens the field's
// context menu.
//
// Whatever way text comes in (typed, pasted, the X primary selection under
// the middle button, dropped, the context menu), the field takes what
// FieldInput (text.h) lets through: the first line, no control characters,
// Windows-1252 only, digits only for "N.." fields, within the field's limit.
// A focus move leaves a field's caret and selection as they were.
//
// On Windows the field is the platform's own edit control. A paste goes
// through FieldInput as above, in place of the selection; typing stays the
// platform's: a character Windows-1252 lacks becomes '?' or a look-alike,
// and a digits-only field refuses other characters. Nothing can be dropped
// on it; a text set from outside (by a screen reader) comes in whole, past
// the limit. F10 and keys pressed with Alt come as system keys and are not
// forwarded. The context menu is the platform's, in the system's language
// (the Menu key opens it where the platform does so: Wine does not).
#pragma once

#include "draw.h"
#include "window.h"

#include <cstdint>
#include <string>

namespace tk {

// Edit style bits for an alignment keyword ("R", "NR", ...).
std::uint32_t EditStyleForKeyword(const char* keyword);

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars);
int HideEditField(Window field);  // 0 when it was visible, 1 when already hidden
int ShowEditField(Window field);  // 1 when it was visible, 0 when it was hidden
void FocusEditField(Window field);
// Moves the focus from `from` to `to` when the key-pending flag is set and
// `from` has the focus; then clears the flag. Always 0.
int PassFocus(Window from, Window to);
// Replaces `buffer` with the field's text (Windows-1252); leaves it as it was
// when the field is null.
void GetEditFieldText(Window field, std::string& buffer);
int SetEditFieldFont(Window field, Font font);

// The texts of the fields' context menu, in Windows-1252, in this order:
// Undo, Cut, Copy, Paste, Delete, Select All ('&' marks the access key).
// Until set, they are English. On Windows the fields have the platform's own
// context menu, in the system's language, and this does nothing.
inline constexpr int kEditMenuEntries = 6;
void SetEditMenuTexts(const char* const texts[kEditMenuEntries]);

}  // namespace tk
