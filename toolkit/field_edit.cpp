// What the user's edits do to an edit field's text, on every platform.

#include "toolkit/field_edit.h"

#include "toolkit/controls.h"
#include "toolkit/text.h"

#include <utility>

namespace tk {

std::optional<FieldState> FieldEdit::Put(const FieldState& now, std::u16string_view text) {
    const std::string taken =
        FieldInput(text, digitsOnly, RoomLeft(limit, now.text.size(), now.end - now.start));
    if (taken.empty()) return std::nullopt;
    return Changed(now, now.text.substr(0, now.start) + taken + now.text.substr(now.end),
                   now.start + taken.size());
}

std::optional<FieldState> FieldEdit::Delete(const FieldState& now, bool back) {
    std::size_t start = now.start;
    if (start == now.end && back && start > 0) --start;
    if (start == now.end) return std::nullopt;
    return Changed(now, now.text.substr(0, start) + now.text.substr(now.end), start);
}

// One level, as a Windows edit field has.
std::optional<FieldState> FieldEdit::Undo(const FieldState& now) {
    if (!canUndo_) return std::nullopt;
    FieldState before{std::exchange(undoText_, now.text)};
    before.start = before.end = before.text.size();
    return before;
}

std::optional<std::string> FieldEdit::Revalidate(std::u16string_view text) const {
    std::string kept = FieldInput(text, digitsOnly, limit);
    bool same = kept.size() == text.size();
    for (std::size_t i = 0; same && i < kept.size(); ++i)
        same = CodePointFromCp1252(static_cast<unsigned char>(kept[i])) == text[i];
    if (same) return std::nullopt;
    return kept;
}

// The text before a change is kept for Undo; an edit that leaves the text as
// it was (a character typed over itself) only moves the caret.
FieldState FieldEdit::Changed(const FieldState& now, std::string text, std::size_t caret) {
    if (text != now.text) {
        undoText_ = now.text;
        canUndo_ = true;
    }
    return {std::move(text), caret, caret};
}

}  // namespace tk
