// Canvas, drawing target, primitives and fonts.

#include "qt_bridge.h"
#include "raster.h"
#include "text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

enum Target { kClient = 0, kWindow = 1, kMemory = 2 };
int g_target = kClient;
MemoryDC g_memory = nullptr;

// Texts kept per canvas for inspection; far more than any page draws.
constexpr std::size_t kMaxTexts = 4096;

QColor ToQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The image drawing goes to now, or null.
TkCanvas* TargetCanvas(Window window) {
    if (g_target == kMemory) return g_memory;
    if (window == nullptr) return nullptr;
    Window main = window->kind == TkKind::Main ? window : tk::MainWindow();
    return main ? main->clientImage : nullptr;
}

// Drawing straight onto the window shows at once, as on a screen DC.
void AfterDrawing(Window window) {
    if (g_target == kMemory || window == nullptr) return;
    Window main = window->kind == TkKind::Main ? window : tk::MainWindow();
    if (main && main->client && !main->inPaint) main->client->update();
}

RasterImage Raster(TkCanvas* canvas) {
    QImage& img = canvas->image;
    return RasterImage{img.bits(), img.width(), img.height(),
                       static_cast<int>(img.bytesPerLine())};
}

void RecordText(TkCanvas* canvas, int x, int y, Font font, Colour colour, const char* text) {
    // A text whose point lies off the image is not on the page.
    if (!canvas->image.rect().contains(x, y)) return;
    auto& texts = canvas->texts;
    // The same text drawn again on the same spot is the same text.
    std::erase_if(texts, [&](const CanvasText& t) {
        return t.x == x && t.y == y && t.font == font && t.colour == colour && t.text == text;
    });
    if (texts.size() >= kMaxTexts) texts.erase(texts.begin());
    texts.push_back(CanvasText{x, y, font, colour, text});
}

const QFont& QFontOf(Font font) { return (font ? font : tk::SystemFont())->font; }

// Glyphs are rendered smooth into a coverage mask, and the pixels covered at
// least half are set in the text colour: crisp letters, and a text drawn
// again over itself leaves the page exactly as it was.
void PaintText(TkCanvas* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    const QFont& qfont = QFontOf(font);
    const QString qtext = tk::ToQString(text);
    const QFontMetrics metrics(qfont);
    const int width = metrics.horizontalAdvance(qtext);
    const int height = metrics.height();
    const int escapement = font ? font->escapement : 0;
    if (escapement != 0) {
        // Turned text: drawn directly, turned about its point.
        QPainter painter(&canvas->image);
        painter.setFont(qfont);
        painter.translate(x, y);
        painter.rotate(-escapement / 10.0);
        if (background != 0) painter.fillRect(QRect(0, 0, width, height), ToQColor(background));
        painter.setPen(ToQColor(colour));
        painter.drawText(0, metrics.ascent(), qtext);
        return;
    }
    RasterImage r = Raster(canvas);
    if (background != 0) RasterFill(r, x, y, width, height, background);
    if (width <= 0 || height <= 0) return;
    // A margin for glyphs that reach past their advance or their cell.
    const int margin = height;
    QImage mask(width + 2 * margin, height + 2 * margin, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(margin, margin + metrics.ascent(), qtext);
    }
    const int left = std::max(0, margin - x);
    const int top = std::max(0, margin - y);
    const int right = std::min(mask.width(), canvas->image.width() - x + margin);
    const int bottom = std::min(mask.height(), canvas->image.height() - y + margin);
    const uchar rgb[3] = {uchar(colour & 0xFF), uchar((colour >> 8) & 0xFF),
                          uchar((colour >> 16) & 0xFF)};
    for (int my = top; my < bottom; ++my) {
        const uchar* coverage = mask.constScanLine(my);
        uchar* row = canvas->image.scanLine(y - margin + my);
        for (int mx = left; mx < right; ++mx) {
            if (coverage[mx] >= 128) std::memcpy(row + 3 * (x - margin + mx), rgb, 3);
        }
    }
}

QFont BaseFont(const char* face, int weight, int effect) {
    QFont f;
    QString family = tk::ToQString(face ? face : "");
    // Verdana where it is installed; otherwise fontconfig's nearest sans face.
    f.setFamilies({family, QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setKerning(false);
    int w = weight <= 0 ? 400 : std::clamp(weight, 1, 1000);
    f.setWeight(static_cast<QFont::Weight>(w));
    bool italic = false, underline = false, strike = false;
    switch (effect) {
        case 1: italic = true; break;
        case 2: underline = true; break;
        case 3: strike = true; break;
        case 12: italic = underline = true; break;
        case 13: italic = strike = true; break;
        case 23: underline = strike = true; break;
        case 123: italic = underline = strike = true; break;
        default: break;
    }
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strike);
    return f;
}

// A positive height is the whole cell (ascent + descent); a negative one the
// character height without internal leading, i.e. the em size.
void SizeFont(QFont& f, int height, int width) {
    if (height < 0) {
        f.setPixelSize(std::max(1, -height));
    } else if (height > 0) {
        int size = std::max(1, height);
        f.setPixelSize(size);
        while (size > 1 && QFontMetrics(f).height() > height) f.setPixelSize(--size);
    } else {
        f.setPixelSize(13);
    }
    if (width > 0) {
        double natural = QFontMetricsF(f).averageCharWidth();
        if (natural > 0) {
            int stretch = static_cast<int>(std::lround(100.0 * width / natural));
            f.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
}

}  // namespace

int SetDrawTarget(Window, const char* keyword) {
    if (keyword == nullptr) return 0;
    if (std::strcmp(keyword, "CLIENT") == 0) g_target = kClient;
    else if (std::strcmp(keyword, "WINDOW") == 0) g_target = kWindow;
    else if (std::strcmp(keyword, "MEMORY") == 0) g_target = kMemory;
    return 0;
}

MemoryDC SetMemoryDC(MemoryDC dc) {
    MemoryDC previous = g_memory;
    g_memory = dc;
    return previous;
}

MemoryDC CreateCanvas(Window, int width, int height, Colour fill) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull()) return nullptr;
    auto* canvas = new TkCanvas{std::move(image), {}};
    tk::Retain(canvas);
    RasterImage r = Raster(canvas);
    RasterFill(r, 0, 0, width, height, fill);
    g_memory = canvas;
    return canvas;
}

int DrawLine(Window window, int x1, int y1, int x2, int y2, Colour colour) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr) return 0;
    RasterImage r = Raster(canvas);
    RasterLine(r, x1, y1, x2, y2, colour);
    AfterDrawing(window);
    return 0;
}

int FillBox(Window window, int x, int y, int width, int height, Colour colour) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr) return 0;
    RasterImage r = Raster(canvas);
    RasterFill(r, x, y, width, height, colour);
    if (width > 0 && height > 0) {
        long long right = static_cast<long long>(x) + width;
        long long bottom = static_cast<long long>(y) + height;
        std::erase_if(canvas->texts, [&](const CanvasText& t) {
            return t.x >= x && t.x < right && t.y >= y && t.y < bottom;
        });
    }
    AfterDrawing(window);
    return 0;
}

int DrawEllipse(Window window, int x, int y, int width, int height, Colour outline, Colour fill) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr) return 0;
    RasterImage r = Raster(canvas);
    RasterEllipse(r, x, y, width, height, outline, fill);
    AfterDrawing(window);
    return 0;
}

int DrawString(Window window, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    PaintText(canvas, x, y, text, colour, font, background);
    RecordText(canvas, x, y, font, colour, text);
    AfterDrawing(window);
    return 0;
}

int DrawRaisedString(Window window, int x, int y, int offset, const char* text, Colour colour,
                     Font font, Colour) {
    TkCanvas* canvas = TargetCanvas(window);
    if (canvas == nullptr || text == nullptr) return 0;
    offset = std::clamp(offset, -3, 3);
    PaintText(canvas, x, y, text, 0xFFFFFF, font, 0);
    RecordText(canvas, x, y, font, 0xFFFFFF, text);
    PaintText(canvas, x + offset, y + offset, text, colour, font, 0);
    RecordText(canvas, x + offset, y + offset, font, colour, text);
    AfterDrawing(window);
    return 0;
}

int CopyCanvas(Window window, MemoryDC source, int x, int y, int width, int height) {
    TkCanvas* target = TargetCanvas(window);
    if (target == nullptr || source == nullptr || width <= 0 || height <= 0) return 1;
    if (target == source) return 0;
    QPainter painter(&target->image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), source->image, QRect(0, 0, width, height));
    painter.end();
    AfterDrawing(window);
    return 0;
}

int RepaintWindow(Window window, const char* keyword) {
    if (window == nullptr || keyword == nullptr) return 1;
    if (std::strcmp(keyword, "ERASED") != 0 && std::strcmp(keyword, "UNERASED") != 0) return 1;
    Window main = window->kind == TkKind::Main ? window : tk::MainWindow();
    if (main == nullptr || main->client == nullptr) return 1;
    main->client->update();
    return 0;
}

Font MakeFont(int height, int width, int escapement, int weight, int effect, int, const char* face) {
    auto* font = new TkFont;
    tk::Retain(font);
    font->font = BaseFont(face, weight, effect);
    SizeFont(font->font, height, width);
    font->requestedHeight = height;
    font->requestedWidth = width;
    font->escapement = escapement;
    return font;
}

Font MakePointFont(Window, int points, int weight, int effect, int, const char* face) {
    double dpi = 96.0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInchY();
    int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return MakeFont(height, 0, 0, weight, effect, 0, face);
}

FontInfo DescribeFont(Font font) {
    const QFont& f = QFontOf(font);
    QFontMetrics metrics(f);
    QFontInfo info(f);
    return FontInfo{tk::FromQString(info.family()), metrics.height(), metrics.averageCharWidth(),
                    f.weight(), f.italic(), f.underline(), f.strikeOut()};
}

long CanvasPixel(MemoryDC dc, int x, int y) {
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->image.width() || y >= dc->image.height())
        return -1;
    RasterImage r = Raster(dc);
    return static_cast<long>(RasterPixel(r, x, y));
}

int CanvasWidth(MemoryDC dc) { return dc ? dc->image.width() : 0; }
int CanvasHeight(MemoryDC dc) { return dc ? dc->image.height() : 0; }

int SaveCanvasPng(MemoryDC dc, const char* path) {
    if (dc == nullptr || path == nullptr) return 1;
    return dc->image.save(QString::fromLocal8Bit(path), "PNG") ? 0 : 1;
}

MemoryDC ClientImage(Window window) {
    Window main = window && window->kind == TkKind::Main ? window : tk::MainWindow();
    return main ? main->clientImage : nullptr;
}

std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc) {
    return dc ? dc->texts : std::vector<CanvasText>{};
}

namespace tk {

Font SystemFont() {
    static Font font = MakeFont(16, 7, 0, 700, 0, 0, "System");
    return font;
}

Font DefaultGuiFont() {
    static Font font = MakeFont(-11, 0, 0, 400, 0, 0, "MS Shell Dlg");
    return font;
}

QSize TextExtent(Font font, const QString& text) {
    QFontMetrics metrics(QFontOf(font));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

}  // namespace tk
