// Inside the toolkit: what the user's edits do to an edit field's text, as a
// Windows edit field has them, free of any platform. A platform reads its
// field's text and selection into a FieldState, asks FieldEdit what an edit
// makes of it, and writes the answer back.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

// A field's text (Windows-1252) and its selection, start <= end; without a
// selection both are the caret.
struct FieldState {
    std::string text;
    std::size_t start = 0, end = 0;
};

// A field's rules and its one level of undo. Each edit answers with the
// field as it is to be, its caret after the edit, or nothing when the edit
// does nothing; a change keeps the text before it for Undo.
class FieldEdit {
public:
    FieldEdit() = default;
    // By the field's style bits (kEditDigits) and limit, 0 for as much as
    // any platform allows.
    FieldEdit(std::uint32_t style, int maxChars)
        : digitsOnly((style & kEditDigits) != 0),
          limit(static_cast<std::size_t>(maxChars > 0 ? maxChars : 32767)) {}

    bool digitsOnly = false;
    std::size_t limit = 0;  // characters

    // A typed, pasted or dropped text (UTF-16) in place of the selection:
    // what the rules take of it (FieldInput).
    std::optional<FieldState> Put(const FieldState& now, std::u16string_view text);
    // The selection; with none, on `back` (Backspace) the character before
    // the caret.
    std::optional<FieldState> Delete(const FieldState& now, bool back);
    // The text before the last change; a second time the change again.
    std::optional<FieldState> Undo(const FieldState& now);
    bool CanUndo() const { return canUndo_; }
    // A text set from outside the field's edits (assistive technology, an
    // input method), held to the rules as a whole: what the field keeps of
    // it when that differs.
    std::optional<std::string> Revalidate(std::u16string_view text) const;

private:
    FieldState Changed(const FieldState& now, std::string text, std::size_t caret);

    std::string undoText_;
    bool canUndo_ = false;
};

// A key pressed in a field, as every platform's field takes it: unless it
// moves the caret it is forwarded to `main` as a command, and TAB and ENTER
// raise the key-pending flag. What it does in the field is the answer's.
inline FieldKey FieldKeyDown(Window main, int vk, bool alt, bool ctrl) {
    const FieldKey action = FieldKeyAction(vk, alt, ctrl);
    if (action == FieldKey::Caret) return action;
    if (main != nullptr && Forwarded(vk)) PostCommand(main, WParam(vk));
    if (action == FieldKey::Pending) KeyPending() = 1;
    return action;
}

}  // namespace tk
