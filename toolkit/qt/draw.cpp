// Text and fonts on the RGB canvas (toolkit/rgb_canvas.h), and the window
// the canvas shows in.

#include "toolkit/draw_target.h"
#include "toolkit/qt/qt_bridge.h"
#include "toolkit/rgb_canvas.h"
#include "toolkit/text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tk {

namespace {

QColor ToQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Glyphs are rendered hinted and without smoothing, as GDI draws a font of
// default quality, into a mask whose set pixels take the text colour: crisp
// letters whose stems keep a whole pixel however far the face is narrowed,
// and a text drawn again over itself leaves the page exactly as it was.
//
// What a text covers depends only on its font and its characters, so the
// covered pixels are worked out once and kept as a bitmap; drawing the text
// again only sets those pixels. Pages draw the same labels, grid figures and
// hints on every run.
struct TextShape {
    int width = 0;   // advance of the whole text
    int height = 0;  // cell height of the font
    // The box of covered pixels, relative to the text's point, and one bit
    // per pixel in it, row by row (RasterBits).
    int left = 0, top = 0, columns = 0, rows = 0;
    std::vector<std::uint8_t> bits;
};

TextShape RenderShape(const QFont& qfont, const char* text) {
    const QString qtext = ToQString(text);
    const QFontMetrics metrics(qfont);
    TextShape shape;
    shape.width = metrics.horizontalAdvance(qtext);
    shape.height = metrics.height();
    if (shape.width <= 0 || shape.height <= 0) return shape;
    // A margin for glyphs that reach past their advance or their cell.
    const int margin = shape.height;
    QImage mask(shape.width + 2 * margin, shape.height + 2 * margin, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(margin, margin + metrics.ascent(), qtext);
    }
    const int maskWidth = mask.width(), maskHeight = mask.height();
    int x0 = maskWidth, y0 = maskHeight, x1 = -1, y1 = -1;
    for (int my = 0; my < maskHeight; ++my) {
        const uchar* coverage = mask.constScanLine(my);
        for (int mx = 0; mx < maskWidth; ++mx) {
            if (coverage[mx] < 128) continue;
            x0 = std::min(x0, mx);
            x1 = std::max(x1, mx);
            y0 = std::min(y0, my);
            y1 = my;
        }
    }
    if (x1 < 0) return shape;
    shape.left = x0 - margin;
    shape.top = y0 - margin;
    shape.columns = x1 - x0 + 1;
    shape.rows = y1 - y0 + 1;
    shape.bits.assign(static_cast<std::size_t>((shape.columns * shape.rows + 7) / 8), 0);
    for (int row = 0, bit = 0; row < shape.rows; ++row) {
        const uchar* coverage = mask.constScanLine(y0 + row) + x0;
        for (int column = 0; column < shape.columns; ++column, ++bit)
            if (coverage[column] >= 128) shape.bits[bit / 8] |= std::uint8_t(1u << (bit % 8));
    }
    return shape;
}

// Shapes by font and text. Fonts live as long as the process, so the handle
// names the font. Value labels change with every input, so the cache is
// bounded: at 1024 shapes (a page draws under a hundred texts; a shape is a
// bitmap of one line of text, a few hundred bytes) it starts afresh. Kept
// shapes make a page's run several times as fast (bench/README.md).
const TextShape& ShapeOf(Font font, const QFont& qfont, const char* text) {
    constexpr std::size_t kMaxShapes = 1024;
    static auto* shapes = new std::map<std::pair<Font, std::string>, TextShape>;
    std::pair<Font, std::string> key(font, text);
    auto found = shapes->find(key);
    if (found != shapes->end()) return found->second;
    if (shapes->size() >= kMaxShapes) shapes->clear();
    return shapes->emplace(std::move(key), RenderShape(qfont, text)).first->second;
}

}  // namespace

void PaintText(CanvasImpl* canvas, int x, int y, const char* text, Colour colour, Font font,
               Colour background) {
    const QFont& qfont = QtFont(font);
    const int escapement = font ? font->escapement : 0;
    if (escapement != 0) {
        // Turned text: drawn directly, turned about its point.
        const QString qtext = ToQString(text);
        const QFontMetrics metrics(qfont);
        QPainter painter(&canvas->image);
        painter.setFont(qfont);
        painter.translate(x, y);
        painter.rotate(-escapement / 10.0);
        if (background != 0)
            painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(qtext), metrics.height()),
                             ToQColor(background));
        painter.setPen(ToQColor(colour));
        painter.drawText(0, metrics.ascent(), qtext);
        return;
    }
    const TextShape& shape = ShapeOf(font ? font : SystemFont(), qfont, text);
    RasterImage r = Raster(canvas);
    if (background != 0) RasterFill(r, x, y, shape.width, shape.height, background);
    RasterBits(r, static_cast<long long>(x) + shape.left, static_cast<long long>(y) + shape.top,
               shape.bits.data(), shape.columns, shape.rows, colour);
}

namespace {

// The face where it is installed, else DejaVu Sans, else fontconfig's sans
// face. A face that is missing while DejaVu Sans is there is left out of the
// request: the font comes out DejaVu Sans all the same, but the platform
// would otherwise work out every stand-in fontconfig knows for the missing
// face each time a size of it is loaded.
QStringList Families(const QString& face) {
    const QString dejaVu = QString::fromLatin1(kStandInFace);
    const QString sans = QStringLiteral("Sans Serif");
    // The installed families are listed once; asking about one family at a
    // time would have fontconfig resolve it as an alias each time. One entry
    // a face the program names: a handful.
    static auto* missing = new QHash<QString, bool>;
    auto known = missing->constFind(face);
    if (known == missing->constEnd()) {
        const QStringList installed = QFontDatabase::families();
        known = missing->insert(face, !face.isEmpty() &&
                                          !installed.contains(face, Qt::CaseInsensitive) &&
                                          installed.contains(dejaVu, Qt::CaseInsensitive));
    }
    if (*known) return {dejaVu, sans};
    return {face, dejaVu, sans};
}

QFont BaseFont(const char* face, int weight, int effect) {
    QFont f;
    f.setFamilies(Families(ToQString(face ? face : "")));
    // The face holds every Windows-1252 character, so no other face is
    // merged in for missing ones (and none is looked up).
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    int w = weight <= 0 ? 400 : std::clamp(weight, 1, 1000);
    f.setWeight(static_cast<QFont::Weight>(w));
    const FontEffects effects = FontEffectsForCode(effect);
    const bool italic = effects.italic;
    f.setItalic(italic);
    f.setUnderline(effects.underline);
    f.setStrikeOut(effects.strikeOut);
    // Standing in for a missing face, DejaVu Sans is narrowed by stretching
    // its regular cut, as GDI narrows Verdana, and never by picking the
    // condensed cut that only some machines have: the pages then look the
    // same wherever fonts-dejavu-core is installed.
    if (f.families().value(0) == QLatin1String(kStandInFace)) {
        QString style = w >= 600 ? QStringLiteral("Bold") : QString();
        if (italic)
            style += style.isEmpty() ? QStringLiteral("Oblique") : QStringLiteral(" Oblique");
        f.setStyleName(style.isEmpty() ? QStringLiteral("Book") : style);
    }
    return f;
}

// A positive height is the whole cell (ascent + descent); a negative one the
// character height without internal leading, i.e. the em size.
void SizeFont(QFont& f, int height, int width) {
    if (height < 0) {
        f.setPixelSize(std::max(1, -height));
    } else if (height > 0) {
        // The largest size up to `height` whose cell fits, or 1 when none
        // does. The cell grows with the size, so a good guess, moved a step
        // or two, finds it with two or three faces loaded (each load is
        // costly) instead of one for every size on the way down.
        auto fits = [&](int size) {
            f.setPixelSize(size);
            return QFontMetrics(f).height() <= height;
        };
        // Sans faces have cells about 7/6 of their size.
        int size = std::clamp(static_cast<int>(std::lround(height * 6.0 / 7.0)), 1, height);
        if (fits(size)) {
            while (size < height && fits(size + 1)) ++size;
        } else {
            while (size > 1 && !fits(size)) --size;
        }
        f.setPixelSize(size);
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

CanvasImpl* TargetCanvas(Window window) {
    if (CurrentDrawTarget() == DrawTarget::Memory) return CurrentMemoryDC();
    if (window == nullptr) return nullptr;
    Window main = window->kind == ControlKind::Main ? window : MainWindow();
    return main ? main->clientImage : nullptr;
}

// Drawing straight onto the window shows at once, as on a screen DC.
void AfterDrawing(Window window) {
    if (CurrentDrawTarget() == DrawTarget::Memory || window == nullptr) return;
    Window main = window->kind == ControlKind::Main ? window : MainWindow();
    if (main && main->client && !main->inPaint) main->client->update();
}

RasterImage Raster(CanvasImpl* canvas) {
    QImage& img = canvas->image;
    return RasterImage{img.bits(), img.width(), img.height(), static_cast<int>(img.bytesPerLine())};
}

ShownTexts& TextsOn(CanvasImpl* canvas) { return canvas->texts; }

CanvasImpl* NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull()) return nullptr;
    // Kept to the end of the process (never freed, so still reachable then);
    // the program makes its canvases and fonts once, at start.
    static auto* canvases = new std::vector<CanvasImpl*>;
    return canvases->emplace_back(new CanvasImpl{std::move(image)});
}

int RepaintWindow(Window window, const char* keyword) {
    if (window == nullptr || keyword == nullptr) return 1;
    if (std::strcmp(keyword, "ERASED") != 0 && std::strcmp(keyword, "UNERASED") != 0) return 1;
    Window main = window->kind == ControlKind::Main ? window : MainWindow();
    if (main == nullptr || main->client == nullptr) return 1;
    main->client->update();
    return 0;
}

Font NewFont(FontRequest request) {
    static auto* fonts = new std::vector<FontImpl*>;  // kept as the canvases are
    return fonts->emplace_back(new FontImpl{std::move(request), false, {}});
}

double ScreenDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

const QFont& QtFont(Font font) {
    if (font == nullptr) font = SystemFont();
    if (!font->sized) {
        font->font = BaseFont(font->face.c_str(), font->weight, font->effect);
        SizeFont(font->font, font->height, font->width);
        font->sized = true;
    }
    return font->font;
}

QSize TextExtent(Font font, const QString& text) {
    QFontMetrics metrics(QtFont(font));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

}  // namespace tk
