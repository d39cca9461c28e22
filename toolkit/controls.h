// Inside the toolkit: what every platform's controls share. The kinds of
// control, the keys by their Windows virtual-key codes, and what a key does
// in an edit field: a Windows edit field's rules, the same on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tk {

enum class ControlKind { Main, Edit, PushButton, OptionButton };

// The style bits of an edit field's keyword (EditStyleForKeyword), as
// Windows numbers them.
inline constexpr std::uint32_t kEditCentred = 0x0001, kEditRight = 0x0002, kEditDigits = 0x2000;

// Window and button style bits, as Windows numbers them: what the keyword
// tables (styles.cpp) give and each platform turns into what it shows.
inline constexpr std::uint32_t kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
inline constexpr std::uint32_t kDefaultButton = 0x0001;     // BS_DEFPUSHBUTTON
inline constexpr std::uint32_t kRadio = 0x50000009;         // BS_AUTORADIOBUTTON, child, visible
inline constexpr std::uint32_t kCheckBox = 0x50000003;      // BS_AUTOCHECKBOX, child, visible
inline constexpr std::uint32_t kPopup = 0x80000000, kSysMenu = 0x00080000,  // WS_...
    kMinimizeBox = 0x00020000, kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kToolWindow = 0x0080, kContextHelp = 0x0400;  // WS_EX_...
inline constexpr std::uint32_t kNoClose = 0x0200;  // CS_NOCLOSE, a window class's style

// Windows virtual-key codes.
enum Key : int {
    kKeyBackspace = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyAlt = 18,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyInsert = 45,
    kKeyDelete = 46,
    kKeyF10 = 121,
    kKeyProcess = 229,  // a key an input method takes
};

// What a key pressed in an edit field does there.
enum class FieldKey {
    Caret,    // End, Home, Left, Right: move the caret; not forwarded
    Pending,  // TAB, ENTER: type nothing and raise the key-pending flag
    Undo,     // Alt+Backspace: the field's undo
    Nothing,  // any other Alt key (not Ctrl+Alt, which is AltGr): types nothing
    Field,    // as the field has it (typing, Backspace, the clipboard ...)
};
// Every key but the caret keys is forwarded to the main window as a command:
// those whose code is 1 to 255.
constexpr FieldKey FieldKeyAction(int vk, bool alt, bool ctrl) {
    if (vk == kKeyEnd || vk == kKeyHome || vk == kKeyLeft || vk == kKeyRight)
        return FieldKey::Caret;
    if (vk == kKeyTab || vk == kKeyReturn) return FieldKey::Pending;
    if (!alt || ctrl) return FieldKey::Field;
    return vk == kKeyBackspace ? FieldKey::Undo : FieldKey::Nothing;
}
constexpr bool Forwarded(int vk) { return vk > 0 && vk <= 255; }

// How many characters a field of `limit` holding `length` takes in place of
// `replaced` of them.
constexpr std::size_t RoomLeft(std::size_t limit, std::size_t length, std::size_t replaced) {
    const std::size_t stays = length - (replaced < length ? replaced : length);
    return limit > stays ? limit - stays : 0;
}

// An option button's size, made to its label (in the parent's font): the
// mark and a gap beside the text, at least the mark's height.
struct Extent {
    int width, height;
};
constexpr Extent OptionButtonExtent(int textWidth, int textHeight) {
    return {textWidth + 20, textHeight > 16 ? textHeight : 16};
}

// Where a push button's label goes by its style bits: BS_LEFT (0x0100) or
// BS_TOP (0x0400) at the start, BS_RIGHT (0x0200) or BS_BOTTOM (0x0800) at
// the end, none or both centred.
enum class Place { Centre, Start, End };
constexpr Place LabelPlace(std::uint32_t style, bool vertical) {
    const std::uint32_t bits = (style >> (vertical ? 10 : 8)) & 3;
    return bits == 1 ? Place::Start : bits == 2 ? Place::End : Place::Centre;
}

// The edit fields' key-pending flag: 1 after a TAB or ENTER was typed in a
// field, until PassFocus uses it (a page passes it round its ring of fields,
// and only the field that has the focus passes it on).
inline int& KeyPending() {
    static int pending = 0;
    return pending;
}

// PassFocus on every platform: when the flag is up and the field passing
// it on has the focus, `focus` gives the focus onward and the flag goes down.
template <class Focus>
void PassPending(bool hasFocus, Focus focus) {
    if (KeyPending() != 1 || !hasFocus) return;
    focus();
    KeyPending() = 0;
}

// What the program reads of a field: its text, no longer than its limit.
inline std::string Limited(std::string text, std::size_t limit) {
    if (text.size() > limit) text.resize(limit);
    return text;
}

}  // namespace tk
