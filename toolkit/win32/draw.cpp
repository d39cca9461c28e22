// Canvas, drawing target, primitives and fonts, with GDI.

#include "toolkit/win32/win32_bridge.h"

#include "toolkit/draw_target.h"
#include "toolkit/observer.h"

#include <algorithm>
#include <cstring>

namespace tk {

namespace {

// Fonts are drawn without smoothing, so that letters are the same crisp
// pixels whatever the user's ClearType setting and on every platform.
constexpr BYTE kFontQuality = NONANTIALIASED_QUALITY;

// The device context of the drawing target for the span of one drawing
// call: the window's own, released afterwards, or the current memory DC.
class TargetDC {
public:
    explicit TargetDC(Window window) : window_(Hwnd(window)) {
        if (CurrentDrawTarget() == DrawTarget::Memory) {
            canvas_ = CurrentMemoryDC();
            dc_ = canvas_ ? canvas_->dc : nullptr;
        } else if (window_ != nullptr) {
            dc_ = CurrentDrawTarget() == DrawTarget::Window ? GetWindowDC(window_) : GetDC(window_);
            release_ = dc_ != nullptr;
        }
    }
    ~TargetDC() {
        if (release_) ReleaseDC(window_, dc_);
    }
    TargetDC(const TargetDC&) = delete;
    TargetDC& operator=(const TargetDC&) = delete;

    HDC dc() const { return dc_; }
    // The canvas drawn into, or null for the window.
    CanvasImpl* canvas() const { return canvas_; }
    ShownTexts& texts() const { return canvas_ != nullptr ? canvas_->texts : MainWindowTexts(); }

private:
    HWND window_;
    HDC dc_ = nullptr;
    CanvasImpl* canvas_ = nullptr;
    bool release_ = false;
};

// Every drawing call marks the window's pending repaint as done, as a
// paint handler would; the screens ask for their repaint after drawing. A
// call with nothing to draw into (the memory target before there is a
// canvas, as in the pages' first run at start-up) draws nothing and marks
// nothing: under Wine each bracket is a trip to the server, and the first
// run of the eighteen pages would wait for over a hundred of them. Nor is
// anything marked on a window that is not on the screen (the main window
// until its creation is done): showing it repaints it whole
// (bench/README.md).
class PaintBracket {
public:
    explicit PaintBracket(Window window) : window_(Hwnd(window)) {
        if (window_ != nullptr && !IsWindowVisible(window_)) window_ = nullptr;
        if (window_ != nullptr) BeginPaint(window_, &paint_);
    }
    ~PaintBracket() {
        if (window_ != nullptr) EndPaint(window_, &paint_);
    }
    PaintBracket(const PaintBracket&) = delete;
    PaintBracket& operator=(const PaintBracket&) = delete;

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects a new GDI object into a device context and puts the one it
// replaced back when it goes, then frees the new one.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object) {
        if (dc_ != nullptr && object_ != nullptr) previous_ = SelectObject(dc_, object_);
    }
    ~Selected() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (object_ != nullptr) DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_ = nullptr;
};

// Texts drawn are kept for assistive technology; those drawn on a canvas,
// not on the window itself, are told.
void TellTextDrawn(const TargetDC& target, int x, int y, Font font, Colour colour,
                   const char* text) {
    target.texts().Drawn(x, y, text);
    if (target.canvas() != nullptr && g_observer != nullptr)
        g_observer->TextDrawn(target.canvas(), x, y, font, colour, text);
}

HFONT CreateFontWith(int height, int width, int escapement, int weight, int effect,
                     int pitchAndFamily, const char* face) {
    const FontEffects effects = FontEffectsForCode(effect);
    return CreateFontA(height, width, escapement, escapement, weight, effects.italic,
                       effects.underline, effects.strikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, kFontQuality, static_cast<BYTE>(pitchAndFamily),
                       face ? face : "");
}

}  // namespace

MemoryDC CreateCanvas(Window window, int width, int height, Colour fill) {
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    void* bits = nullptr;
    {
        TargetDC reference(window);
        const BITMAPINFO info = TopDownBitmap(width, height);
        if (width > 0 && height > 0)
            bitmap = CreateDIBSection(reference.dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(reference.dc());
    }
    if (bitmap == nullptr || dc == nullptr) {
        if (dc != nullptr) DeleteDC(dc);
        if (bitmap != nullptr) DeleteObject(bitmap);
        return nullptr;
    }
    auto* canvas = new CanvasImpl;
    canvas->dc = dc;
    canvas->bitmap = bitmap;
    canvas->bits = static_cast<std::uint8_t*>(bits);
    canvas->width = width;
    canvas->height = height;
    SetMemoryDC(canvas);
    SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return canvas;
}

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour) {
    TargetDC target(window);
    if (target.dc() == nullptr) return 0;
    PaintBracket bracket(window);
    Selected pen(target.dc(), CreatePen(PS_SOLID, 0, colour));
    MoveToEx(target.dc(), x1, y1, nullptr);
    LineTo(target.dc(), x2, y2);
    return 0;
}

int FillBox(Window window, int x, int y, int width, int height, Colour colour) {
    TargetDC target(window);
    if (target.dc() == nullptr) return 0;
    PaintBracket bracket(window);
    Selected pen(target.dc(), CreatePen(PS_SOLID, 1, colour));
    HBRUSH brush = CreateSolidBrush(colour);
    RECT box{x, y, x + width, y + height};
    FillRect(target.dc(), &box, brush);
    DeleteObject(brush);
    target.texts().Covered(x, y, width, height);
    if (CanvasImpl* canvas = target.canvas(); canvas != nullptr && g_observer != nullptr)
        g_observer->BoxFilled(canvas, x, y, width, height);
    return 0;
}

int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill) {
    TargetDC target(window);
    if (target.dc() == nullptr) return 0;
    PaintBracket bracket(window);
    Selected brush(target.dc(), CreateSolidBrush(fill));
    Selected pen(target.dc(), CreatePen(PS_SOLID, 1, outline));
    Ellipse(target.dc(), x, y, x + width, y + height);
    return 0;
}

int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    TargetDC target(window);
    HDC dc = target.dc();
    if (dc == nullptr || text == nullptr) return 0;
    PaintBracket bracket(window);
    SetTextColor(dc, colour);
    SelectObject(dc, font ? Hfont(font) : GetStockObject(SYSTEM_FONT));
    // Black cannot be asked for as a background: 0 means transparent.
    if (background != 0)
        SetBkColor(dc, background);
    else
        SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, lstrlenA(text));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
    TellTextDrawn(target, x, y, font, colour, text);
    return 0;
}

int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font) {
    TargetDC target(window);
    HDC dc = target.dc();
    if (dc == nullptr || text == nullptr) return 0;
    PaintBracket bracket(window);
    offset = std::clamp(offset, -3, 3);
    if (font != nullptr) SelectObject(dc, Hfont(font));
    SetBkMode(dc, TRANSPARENT);
    const int length = lstrlenA(text);
    SetTextColor(dc, 0xFFFFFF);
    TextOutA(dc, x, y, text, length);
    SetTextColor(dc, colour);
    TextOutA(dc, x + offset, y + offset, text, length);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
    TellTextDrawn(target, x, y, font, 0xFFFFFF, text);
    TellTextDrawn(target, x + offset, y + offset, font, colour, text);
    return 0;
}

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height) {
    TargetDC target(window);
    if (target.dc() == nullptr || source == nullptr) return 1;
    PaintBracket bracket(window);
    const long long left = std::max(0, -x), top = std::max(0, -y);
    const long long right = std::min(width, source->width),
                    bottom = std::min(height, source->height);
    if (left < right && top < bottom)
        target.texts().Copied(source->texts, left, top, right, bottom, x, y);
    ShownCanvas() = source;
    return BitBlt(target.dc(), x, y, width, height, source->dc, 0, 0, SRCCOPY) ? 0 : 1;
}

MemoryDC& ShownCanvas() {
    static MemoryDC canvas = nullptr;
    return canvas;
}

int RepaintWindow(Window window, const char* keyword) {
    // A null window would invalidate every window of the desktop.
    if (window == nullptr || keyword == nullptr) return 1;
    BOOL erase;
    if (std::strcmp(keyword, "ERASED") == 0)
        erase = TRUE;
    else if (std::strcmp(keyword, "UNERASED") == 0)
        erase = FALSE;
    else
        return 1;
    // A window not on the screen yet is repainted whole when it is shown.
    HWND hwnd = Hwnd(window);
    if (!IsWindowVisible(hwnd)) return 0;
    return InvalidateRect(hwnd, nullptr, erase) ? 0 : 1;
}

Font MakeFont(int height, int width, int escapement, int weight, int effect, int pitchAndFamily,
              const char* face) {
    return FromHfont(
        CreateFontWith(height, width, escapement, weight, effect, pitchAndFamily, face));
}

Font MakePointFont(Window window, int points, int weight, int effect, const char* face) {
    HWND hwnd = Hwnd(window);
    HDC dc = GetDC(hwnd);
    // The character height without internal leading, rounded to a pixel.
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd, dc);
    return FromHfont(CreateFontWith(height, 0, 0, weight, effect, FF_SWISS, face));
}

}  // namespace tk
