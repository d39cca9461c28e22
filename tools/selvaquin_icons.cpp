// selvaquin-icons: turns the program icon (a 32 x 32 XPM) into the files a
// desktop looks for under share/icons/hicolor:
//
//   selvaquin-icons ICON.xpm OUTDIR NAME
//
// writes OUTDIR/NxN/apps/NAME.png for every size below, scaled with the
// nearest pixel so the pixel art stays sharp, and OUTDIR/scalable/apps/NAME.svg,
// the same pixels as one rectangle per run of equal colour in a row.

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <string>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteSvg(const QImage& icon, const QString& path) {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        std::to_string(icon.width()) + "\" height=\"" + std::to_string(icon.height()) +
        "\" viewBox=\"0 0 " + std::to_string(icon.width()) + " " + std::to_string(icon.height()) +
        "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < icon.height(); ++y) {
        int x = 0;
        while (x < icon.width()) {
            QRgb colour = icon.pixel(x, y);
            int run = 1;
            while (x + run < icon.width() && icon.pixel(x + run, y) == colour) ++run;
            if (qAlpha(colour) != 0) {
                char rect[128];
                std::snprintf(
                    rect, sizeof rect,
                    "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"#%02x%02x%02x\"/>\n",
                    x, y, run, qRed(colour), qGreen(colour), qBlue(colour));
                svg += rect;
            }
            x += run;
        }
    }
    svg += "</svg>\n";
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: selvaquin-icons ICON.xpm OUTDIR NAME\n");
        return 2;
    }
    QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
    if (icon.isNull()) {
        std::fprintf(stderr, "selvaquin-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);

    for (int size : kSizes) {
        const QString dir = out + QStringLiteral("/%1x%1/apps").arg(size);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(dir) || !scaled.save(path, "PNG")) {
            std::fprintf(stderr, "selvaquin-icons: cannot write %s\n",
                         path.toLocal8Bit().constData());
            return 1;
        }
    }
    const QString dir = out + QStringLiteral("/scalable/apps");
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    if (!QDir().mkpath(dir) || !WriteSvg(icon, path)) {
        std::fprintf(stderr, "selvaquin-icons: cannot write %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
