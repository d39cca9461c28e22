// Input from the page, for now as functions the page's script calls: a
// command, a menu item by its text, text typed into the focused field, TAB
// or ENTER in it, a click on a button by its text. Each handles what it
// posts before it returns. The memory canvas can be read back.

#include "toolkit/draw_target.h"
#include "toolkit/text.h"
#include "toolkit/web/web_bridge.h"

#include <emscripten.h>

#include <string>

namespace {

// A menu text as shown: "&&" is an '&', a single '&' marks the access key.
std::string Shown(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '&' || (i + 1 < text.size() && text[++i] == '&')) shown += text[i];
    return shown;
}

int Handled(int result) {
    tk::HandlePending();
    return result;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int selvaquin_command(int id) {
    PostCommand(tk::MainWindow(), static_cast<WParam>(id));
    return Handled(0);
}

EMSCRIPTEN_KEEPALIVE int selvaquin_menu(const char* utf8) {
    const std::string wanted = Utf8ToCp1252(utf8 ? utf8 : "");
    if (tk::MenuBar() != nullptr)
        for (const Menu popup : tk::MenuBar()->popups)
            for (const auto& [text, id] : popup->items)
                if (Shown(text) == wanted) return selvaquin_command(static_cast<int>(id));
    return 1;
}

EMSCRIPTEN_KEEPALIVE int selvaquin_type(const char* utf8) {
    const Window field = tk::Focus();
    if (field == nullptr || utf8 == nullptr) return 1;
    // Characters Windows-1252 lacks are dropped first (line separators too;
    // the fields of the full toolkit will see every character).
    std::u32string text;
    for (const char c : Utf8ToCp1252(utf8))
        text.push_back(CodePointFromCp1252(static_cast<unsigned char>(c)));
    const auto limit = static_cast<std::size_t>(field->maxChars > 0 ? field->maxChars : 30000);
    const std::size_t room = field->text.size() < limit ? limit - field->text.size() : 0;
    field->text += FieldInput(text, field->digitsOnly, room);
    return Handled(0);
}

// TAB (9) or ENTER (13) in the focused field.
EMSCRIPTEN_KEEPALIVE int selvaquin_key(int code) {
    if (tk::Focus() == nullptr) return 1;
    if (code == 9 || code == 13) tk::KeyPending() = 1;
    PostCommand(tk::MainWindow(), static_cast<WParam>(code));
    return Handled(0);
}

EMSCRIPTEN_KEEPALIVE int selvaquin_click(const char* utf8) {
    const std::string wanted = Utf8ToCp1252(utf8 ? utf8 : "");
    for (const Window control : tk::Controls()) {
        if (!control->visible || control->text != wanted) continue;
        if (control->kind == TkKind::OptionButton) CheckOptionButton(control);
        if (control->kind == TkKind::PushButton || control->kind == TkKind::OptionButton)
            return selvaquin_command(control->commandId);
    }
    return 1;
}

// The memory canvas drawn last: its RGB bytes, width and height.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* selvaquin_canvas() {
    return tk::CurrentMemoryDC() ? tk::CurrentMemoryDC()->rgb.data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE int selvaquin_canvas_width() {
    return tk::CurrentMemoryDC() ? tk::CurrentMemoryDC()->width : 0;
}
EMSCRIPTEN_KEEPALIVE int selvaquin_canvas_height() {
    return tk::CurrentMemoryDC() ? tk::CurrentMemoryDC()->height : 0;
}

}  // extern "C"
