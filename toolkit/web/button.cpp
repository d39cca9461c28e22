// Push buttons and option buttons in the browser: <button> elements whose
// faces are drawn here, with the raster rules and the glyph images, as
// Windows draws them: a raised push button (the default button with a black
// frame round it), a round or square mark beside the label on the page's
// own background.

#include "toolkit/glyph_text.h"
#include "toolkit/raster.h"
#include "toolkit/web/web_bridge.h"

#include <emscripten.h>

namespace tk {

namespace {

constexpr Colour kClear = 0xFF00FF;  // left transparent by the page
constexpr Colour kFace = 0xF0F0F0, kLight = 0xE3E3E3, kShadow = 0xA0A0A0, kDark = 0x696969;

void Frame(RasterImage& r, int x, int y, int w, int h, Colour topLeft, Colour bottomRight) {
    RasterFill(r, x, y, w, 1, topLeft);
    RasterFill(r, x, y, 1, h, topLeft);
    RasterFill(r, x, y + h - 1, w, 1, bottomRight);
    RasterFill(r, x + w - 1, y, 1, h, bottomRight);
}

// The face changed: drawn when the button shows.
void Redraw(Window button) { button->faceDrawn = false; }

}  // namespace

void DrawFace(Window button) {
    button->faceDrawn = true;
    const int w = button->width, h = button->height;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w * h * 3));
    RasterImage r{rgb.data(), w, h, 3 * w};
    const GlyphFace& face = GlyphsOf(button->font);
    const int textWidth = GlyphTextWidth(face, button->text.c_str());
    const bool push = button->kind == ControlKind::PushButton;
    if (push) {
        RasterFill(r, 0, 0, w, h, kFace);
        const int edge = (button->style & kDefaultButton) ? 1 : 0;
        if (edge) Frame(r, 0, 0, w, h, 0, 0);
        Frame(r, edge, edge, w - 2 * edge, h - 2 * edge, 0xFFFFFF, kDark);
        Frame(r, edge + 1, edge + 1, w - 2 * edge - 2, h - 2 * edge - 2, kLight, kShadow);
        const int xs[] = {(w - textWidth) / 2, 6, w - 6 - textWidth};
        const int ys[] = {(h - face.cellHeight) / 2, 4, h - 4 - face.cellHeight};
        DrawGlyphText(r, face, xs[int(LabelPlace(button->style, false))],
                      ys[int(LabelPlace(button->style, true))], button->text.c_str(), 0, 0);
    } else {
        RasterFill(r, 0, 0, w, h, kClear);
        const int top = (h - 13) / 2;
        if (button->style == kRadio) {
            RasterEllipse(r, 0, top, 13, 13, kShadow, 0xFFFFFF);
            if (button->checked) RasterEllipse(r, 4, top + 4, 5, 5, 0, 0);
        } else {
            RasterFill(r, 0, top, 13, 13, 0xFFFFFF);
            Frame(r, 0, top, 13, 13, kShadow, kShadow);
            for (int i = 0; button->checked && i < 7; ++i)  // a tick
                RasterFill(r, 3 + i, top + (i < 2 ? 6 + i : 9 - i + 1), 1, 2, 0);
        }
        DrawGlyphText(r, face, 17, (h - face.cellHeight) / 2, button->text.c_str(), 0, 0);
    }
    std::vector<std::uint32_t> rgba(static_cast<std::size_t>(w * h));
    ToRgba(rgb.data(), rgba.data(), rgba.size());
    for (std::uint32_t& pixel : rgba)  // R, G, B in the low bytes, as a colour is
        if ((pixel & 0xFFFFFF) == kClear) pixel &= 0xFFFFFF;
    web_control_face(button->id, rgba.data(), w, h, push ? -1 : int(button->checked));
}

namespace {

Window AddButton(ControlKind kind, int x, int y, int width, int height, const char* text) {
    auto* button = new WindowImpl{.kind = kind};
    Controls().push_back(button);
    button->id = static_cast<int>(Controls().size());
    button->x = x, button->y = y, button->width = width, button->height = height;
    button->text = text ? text : "";
    SetAccessibleName(button, button->text.c_str());
    return button;
}

}  // namespace

Window CreatePushButton(Window parent, int x, int y, int width, int height, const char* text,
                        const char* placement, const char* frame, int commandId) {
    if (parent == nullptr || width <= 0 || height <= 0) return nullptr;
    const ButtonStyle style = PushButtonStyle(placement, frame);
    Window button = AddButton(ControlKind::PushButton, x, y, width, height, text);
    button->commandId = commandId;
    button->style = style.style;
    button->font = DefaultGuiFont();
    // A frame outside the table makes a window that is neither a child nor
    // visible: here, a hidden one.
    button->visible = (style.style & kChildVisible) == kChildVisible;
    return button;
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr || button->kind == ControlKind::Edit) return 1;
    button->text = text;
    SetAccessibleName(button, text);
    Redraw(button);
    return 0;
}

int SetPushButtonFont(Window control, Font font) {
    if (control == nullptr) return 0;
    if (control->kind == ControlKind::Edit) return SetEditFieldFont(control, font);
    control->font = font;
    Redraw(control);
    return 0;
}

// Sized by the system font, whatever font it gets later.
Window CreateOptionButton(Window parent, int x, int y, const char* kind, const char* text,
                          int commandId) {
    if (parent == nullptr) return nullptr;
    const std::uint32_t style = OptionButtonStyle(kind);
    const GlyphFace& system = GlyphsOf(nullptr);
    const Extent size =
        OptionButtonExtent(GlyphTextWidth(system, text ? text : ""), system.cellHeight);
    Window button = AddButton(style != 0 ? ControlKind::OptionButton : ControlKind::PushButton, x,
                              y, size.width, size.height, text);
    button->commandId = commandId;
    button->style = style;
    button->visible = style != 0;
    return button;
}

int CheckOptionButton(Window button) {
    if (button == nullptr || button->kind != ControlKind::OptionButton || button->checked) return 0;
    button->checked = true;
    Redraw(button);
    return 0;
}

int IsOptionChecked(Window button) { return button != nullptr && button->checked ? 1 : 0; }

}  // namespace tk

using namespace tk;

extern "C" {

// A click on button `id`: a round option button checks itself and clears
// the other round ones that show; a square one turns over; each posts its
// command.
EMSCRIPTEN_KEEPALIVE void web_click(int id) {
    const auto& controls = Controls();
    if (id < 1 || id > static_cast<int>(controls.size())) return;
    Window button = controls[static_cast<std::size_t>(id - 1)];
    if (!button->visible || button->kind == ControlKind::Edit) return;
    if (button->kind == ControlKind::OptionButton) {
        if (button->style == kRadio) {
            for (Window other : controls)
                if (other != button && other->visible && other->style == kRadio && other->checked &&
                    other->kind == ControlKind::OptionButton) {
                    other->checked = false;
                    Redraw(other);
                }
        }
        button->checked = button->style == kRadio || !button->checked;
        Redraw(button);
    }
    if (MainWindow() != nullptr) PostCommand(MainWindow(), WParam(button->commandId));
    HandlePending();
}

}  // extern "C"
