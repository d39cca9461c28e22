// Edit fields in the browser: <input> elements that forward their keys to
// the main window. The page holds the text, caret and selection; every
// change the browser would make (typing, Backspace, cut, paste, drop, undo)
// comes here first and is made here, by FieldEdit, so that the field
// takes the same text whatever way it comes in. What an input method
// composed is held to the same rules once the composition ends.

#include "toolkit/web/web_bridge.h"

#include <emscripten.h>

#include <algorithm>

namespace tk {

namespace {

// What the page's beforeinput events ask for (library.js).
enum InputKind { kNothing = 0, kInsert = 1, kDeleteBack = 2, kDeleteSelection = 3, kUndo = 4 };

Window FieldOf(int id) {
    const auto& controls = Controls();
    if (id < 1 || id > static_cast<int>(controls.size())) return nullptr;
    Window control = controls[static_cast<std::size_t>(id - 1)];
    return control->kind == ControlKind::Edit ? control : nullptr;
}

void SetText(Window field, const std::string& text, std::size_t caret) {
    web_field_set(field->id, Cp1252ToUtf8(text).c_str(), int(caret), int(caret));
}

// What an edit made of the field, back to the page.
void Show(Window field, const std::optional<FieldState>& after) {
    if (after) SetText(field, after->text, after->end);
}

}  // namespace

std::vector<Window>& Controls() {
    static std::vector<Window> controls;
    return controls;
}

namespace {

// While the window is being made, the page is not laid out yet: a focus
// moved there would make the browser lay it out again and again (the init
// pass moves it on every page), so it is kept until the window shows.
bool g_holding = false;
Window g_focusRequest = nullptr;

void Focus(Window field) {
    if (g_holding) {
        g_focusRequest = field;
    } else if (field == nullptr || field->visible) {
        if (field != nullptr) UpdateElements();
        web_focus(field != nullptr ? field->id : 0);
    }
}

}  // namespace

void HoldFocus(bool hold) {
    g_holding = hold;
    if (!hold && g_focusRequest != nullptr && g_focusRequest->visible) Focus(g_focusRequest);
    g_focusRequest = nullptr;
}

Window FocusedField() {
    Window field = g_holding ? g_focusRequest : FieldOf(web_focused());
    return field != nullptr && field->visible ? field : nullptr;
}

namespace {

// The field's text as the page holds it, in UTF-8.
std::string FieldUtf8(Window field, int& start, int& end) {
    static std::vector<char> buffer(64);
    if (!field->made) return start = end = 0, "";  // nothing can have been typed in yet
    for (;;) {
        const int size = static_cast<int>(buffer.size());
        const int needed = web_field_value(field->id, buffer.data(), size, &start, &end);
        if (needed <= size) return buffer.data();
        buffer.resize(static_cast<std::size_t>(needed));
    }
}

}  // namespace

FieldState FieldText(Window field) {
    int s = 0, e = 0;
    FieldState now{Utf8ToCp1252(FieldUtf8(field, s, e))};
    const int length = static_cast<int>(now.text.size());
    now.start = std::size_t(std::clamp(std::min(s, e), 0, length));
    now.end = std::size_t(std::clamp(std::max(s, e), 0, length));
    return now;
}

// As the Windows field: End, Home, Left and Right move the caret (the
// browser does it); every other key is forwarded; TAB and ENTER insert
// nothing and raise the key-pending flag. What the browser does with the
// rest (typing, Backspace, the clipboard, Ctrl+A, the context menu) comes
// back through beforeinput; keys that would act on the field otherwise are
// kept from it.
bool FieldKey(Window field, int vk, int modifiers) {
    const bool alt = (modifiers & kAlt) != 0, ctrl = (modifiers & (kCtrl | kMeta)) != 0;
    if (vk == kKeyProcess) return false;
    const auto action = FieldKeyDown(MainWindow(), vk, alt, ctrl);
    if (action == FieldKey::Caret) return false;
    if (action == FieldKey::Pending) return true;
    // Other Alt keys are the browser's.
    if (action == FieldKey::Undo || (ctrl && !alt && vk == 'Z')) {
        Show(field, field->edit.Undo(FieldText(field)));
        return true;
    }
    return vk == kKeyDelete || (vk == kKeyInsert && modifiers == 0) || vk == kKeyEscape ||
           vk == kKeyUp || vk == kKeyDown || vk == kKeyPageUp || vk == kKeyPageDown;
}

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars) {
    if (parent == nullptr) return nullptr;
    const std::uint32_t style = EditStyleForKeyword(keyword);
    auto* field = new WindowImpl{.kind = ControlKind::Edit};
    Controls().push_back(field);
    field->id = static_cast<int>(Controls().size());
    field->x = x, field->y = y, field->width = width, field->height = height;
    field->edit = FieldEdit(style, maxChars);
    field->style = style;
    return field;
}

void MakeElement(Window c) {
    if (c->made) return;
    c->made = true;
    web_make_control(c->id, c->kind == ControlKind::Edit ? 1 : 2, c->x, c->y, c->width, c->height);
    if (c->kind == ControlKind::Edit)
        web_field_setup(c->id, int(c->edit.limit),
                        c->style & kEditRight     ? 2
                        : c->style & kEditCentred ? 1
                                                  : 0,
                        c->edit.digitsOnly, c->css.c_str());
    if (!c->name.empty()) web_set_name(c->id, c->name.c_str());
    c->shown = true;
}

void UpdateElements() {
    for (Window c : Controls()) {
        if (c->visible) MakeElement(c);
        if (c->made && c->shown != c->visible) web_set_visible(c->id, c->shown = c->visible);
        if (c->made && c->visible && !c->faceDrawn && c->kind != ControlKind::Edit) DrawFace(c);
    }
}

namespace {

int SetVisible(Window control, bool visible) {
    if (control == nullptr) return 1;
    const bool was = control->visible;
    control->visible = visible;
    return was == visible ? 1 : 0;
}

}  // namespace

int HideEditField(Window field) { return SetVisible(field, false) == 1 ? 1 : 0; }
int ShowEditField(Window field) { return SetVisible(field, true) == 1 ? 1 : 0; }
int HideOptionButton(Window button) { return SetVisible(button, false) == 1 ? 1 : 0; }
int ShowOptionButton(Window button) { return SetVisible(button, true) == 1 ? 1 : 0; }

void FocusEditField(Window field) {
    if (field != nullptr) Focus(field);
}

int PassFocus(Window from, Window to) {
    PassPending(from != nullptr && from->visible && FocusedField() == from, [to] {
        if (to != nullptr) Focus(to);
    });
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    if (field != nullptr) buffer = Limited(FieldText(field).text, field->edit.limit);
}

// The font as CSS: a negative height is the character's height (the em), a
// positive one the whole cell's; the face's own name first, DejaVu Sans
// where the machine lacks it.
int SetEditFieldFont(Window field, Font font) {
    if (field == nullptr || field->kind != ControlKind::Edit || font == nullptr) return 0;
    const int size = font->height < 0 ? -font->height : std::max(1, font->height * 6 / 7);
    std::string css = std::to_string(font->weight) + " " + std::to_string(size) + "px \"" +
                      Cp1252ToUtf8(font->face) + "\", \"DejaVu Sans\", sans-serif";
    field->css = css;
    if (field->made)
        web_field_setup(field->id, int(field->edit.limit), -1, field->edit.digitsOnly, css.c_str());
    return 0;
}

// The fields have the browser's own context menu, in the browser's language.
void SetEditMenuTexts(const char* const[kEditMenuEntries]) {}

}  // namespace tk

using namespace tk;

extern "C" {

// A change the browser is about to make to field `id` (InputKind; the text
// to insert): made here instead.
EMSCRIPTEN_KEEPALIVE void web_field_input(int id, int kind, const char* utf8) {
    if (Window field = FieldOf(id)) {
        if (kind == kInsert) Show(field, field->edit.Put(FieldText(field), Utf16(utf8)));
        if (kind == kDeleteBack || kind == kDeleteSelection)
            Show(field, field->edit.Delete(FieldText(field), kind == kDeleteBack));
        if (kind == kUndo) Show(field, field->edit.Undo(FieldText(field)));
    }
    HandlePending();
}

// The field's text changed in a way beforeinput could not stop (an input
// method's composition): the whole text is held to the field's rules.
EMSCRIPTEN_KEEPALIVE void web_field_changed(int id) {
    if (Window field = FieldOf(id)) {
        int start = 0, end = 0;
        const std::string text = FieldUtf8(field, start, end);
        if (const auto kept = field->edit.Revalidate(Utf16(text.c_str())))
            SetText(field, *kept, std::min(std::size_t(std::max(end, 0)), kept->size()));
    }
    HandlePending();
}

}  // extern "C"
