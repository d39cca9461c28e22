// Edit fields, buttons and menus, kept in memory: what they hold and show,
// without elements on the page yet (web_input.cpp feeds them input).

#include "toolkit/glyph_text.h"
#include "toolkit/web/web_bridge.h"

#include <algorithm>

namespace {

Window AddControl(TkKind kind, int x, int y, int width, int height, const char* text) {
    auto* control = new TkWindow;
    control->kind = kind;
    control->x = x;
    control->y = y;
    control->width = width;
    control->height = height;
    control->text = text ? text : "";
    tk::Controls().push_back(control);
    return control;
}

// 0 when it was visible, 1 when already hidden (and the other way round for
// showing).
int SetVisible(Window control, bool visible) {
    if (control == nullptr) return 1;
    const bool was = control->visible;
    control->visible = visible;
    if (!visible && tk::Focus() == control) tk::Focus() = nullptr;
    return visible ? (was ? 1 : 0) : (was ? 0 : 1);
}

}  // namespace

namespace tk {

std::vector<Window>& Controls() {
    static std::vector<Window> controls;
    return controls;
}

Window& Focus() {
    static Window focus = nullptr;
    return focus;
}

int& KeyPending() {
    static int pending = 0;
    return pending;
}

Menu& MenuBar() {
    static Menu bar = nullptr;
    return bar;
}

}  // namespace tk

// ---- Edit fields --------------------------------------------------------------

Window CreateEditField(Window, int x, int y, int width, int height, const char* keyword,
                       int maxChars) {
    Window field = AddControl(TkKind::Edit, x, y, width, height, "");
    field->maxChars = maxChars;
    field->digitsOnly = (EditStyleForKeyword(keyword) & 0x2000) != 0;  // ES_NUMBER
    return field;
}

int HideEditField(Window field) { return SetVisible(field, false); }
int ShowEditField(Window field) { return SetVisible(field, true); }

void FocusEditField(Window field) {
    if (field != nullptr) tk::Focus() = field;
}

// The flag stays up until a call moves the focus: a screen passes it round
// its ring of fields, and only the field that has it moves.
int PassFocus(Window from, Window to) {
    if (tk::KeyPending() != 1 || from == nullptr || tk::Focus() != from || !from->visible) return 0;
    tk::Focus() = to;
    tk::KeyPending() = 0;
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    if (field != nullptr) buffer = field->text;
}

int SetEditFieldFont(Window, Font) { return 0; }
void SetEditMenuTexts(const char* const[kEditMenuEntries]) {}

// ---- Buttons -------------------------------------------------------------------

Window CreatePushButton(Window, int x, int y, int width, int height, const char* text, const char*,
                        const char*, int commandId) {
    Window button = AddControl(TkKind::PushButton, x, y, width, height, text);
    button->commandId = commandId;
    return button;
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr) return 1;
    button->text = text;
    return 0;
}

int SetPushButtonFont(Window, Font) { return 0; }
int HidePushButton(Window control) { return SetVisible(control, false); }

Window CreateOptionButton(Window, int x, int y, const char* kind, const char* text, int commandId) {
    const GlyphFace& face = tk::GlyphsOf(nullptr);
    Window button =
        AddControl(TkKind::OptionButton, x, y, GlyphTextWidth(face, text ? text : "") + 20,
                   std::max(16, face.cellHeight), text);
    button->commandId = commandId;
    button->round = OptionButtonStyle(kind) == OptionButtonStyle("ROUND");
    return button;
}

int HideOptionButton(Window button) { return SetVisible(button, false); }
int ShowOptionButton(Window button) { return SetVisible(button, true); }

int CheckOptionButton(Window button) {
    if (button == nullptr) return 1;
    if (button->round)
        for (Window other : tk::Controls())
            if (other->kind == TkKind::OptionButton && other->round && other->visible)
                other->checked = false;
    button->checked = true;
    return 0;
}

int IsOptionChecked(Window button) { return button != nullptr && button->checked ? 1 : 0; }

ControlGeometry GetControlGeometry(Window control) {
    if (control == nullptr) return {0, 0, 0, 0};
    return {control->x, control->y, control->width, control->height};
}

// ---- Menus ---------------------------------------------------------------------

Menu CreateMenuBar() { return new TkMenu; }

int AttachMenuBar(Window window, Menu menu) {
    if (window == nullptr || menu == nullptr) return 1;
    tk::MenuBar() = menu;
    tk::RequestRepaint();  // the window shows anew under a new bar
    return 0;
}

Menu AddMenuPopup(Menu menu, const char* title) {
    if (menu == nullptr) return nullptr;
    auto* popup = new TkMenu{title ? title : "", {}, {}};
    menu->popups.push_back(popup);
    return popup;
}

int AddMenuItem(Menu popup, const char* text, unsigned commandId) {
    if (popup == nullptr || text == nullptr) return 1;
    popup->items.emplace_back(text, commandId);
    return 0;
}

int InsertMenuSeparator(Menu popup, int) { return popup == nullptr ? 1 : 0; }
