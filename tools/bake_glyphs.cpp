// bake-glyphs OUT: draws every Windows-1252 character and ligature in each
// font the program makes, as the Linux canvas draws text (Qt, offscreen),
// and writes the glyph images and advances as a C++ table to OUT
// (toolkit/glyph_faces.inc; see toolkit/glyph_text.h).
//
// The images hold only on the faces they were drawn from: DejaVu Sans 2.37,
// as Debian 12's fonts-dejavu-core installs it, as for the page snapshots.

#include "toolkit/draw.h"
#include "toolkit/glyph_text.h"
#include "toolkit/qt/qt_bridge.h"
#include "toolkit/testing/probe.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace tk;

namespace {

// The fonts the program makes (app/shell.cpp: label, result and heading,
// edit field at 10 points, which is 13 pixels at 96 dots per inch, splash,
// small) and the toolkit's own system and dialog fonts.
struct Request {
    int height, width, weight;
    const char* face;
};
constexpr Request kRequests[] = {{14, 5, 400, "Verdana"},      {14, 5, 700, "Verdana"},
                                 {-13, 0, 400, "Verdana"},     {30, 15, 400, "Verdana"},
                                 {13, 4, 400, "Verdana"},      {16, 7, 700, "System"},
                                 {-11, 0, 400, "MS Shell Dlg"}};

constexpr int kSize = 160, kOrigin = 48;  // scratch canvas, and where the glyph is drawn
constexpr Colour kPaper = 0xFFFFFF;

struct Baked {
    std::string glyphs;  // the GlyphImage rows
    std::vector<unsigned> bits;
};

// One glyph: drawn alone on the scratch canvas, its set pixels boxed and packed.
void Bake(MemoryDC canvas, Font font, int advance, const std::string& text, Baked& out) {
    FillBox(nullptr, 0, 0, kSize, kSize, kPaper);
    DrawString(nullptr, kOrigin, kOrigin, text.c_str(), 0, font, 0);
    const ProbeImage image = ProbeCanvasImage(canvas);
    int left = kSize, top = kSize, right = -1, bottom = -1;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (image.pixels[static_cast<std::size_t>(y * kSize + x)] != kPaper) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = y;
            }
    if (right < 0) left = top = kOrigin, right = bottom = kOrigin - 1;
    std::ostringstream row;
    row << "    {" << advance << ", " << left - kOrigin << ", " << top - kOrigin << ", "
        << right - left + 1 << ", " << bottom - top + 1 << ", " << out.bits.size() << "},\n";
    out.glyphs += row.str();
    unsigned byte = 0;
    int bit = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x, ++bit) {
            if (image.pixels[static_cast<std::size_t>(y * kSize + x)] != kPaper)
                byte |= 1u << bit % 8;
            if (bit % 8 == 7) out.bits.push_back(std::exchange(byte, 0));
        }
    if (bit % 8 != 0) out.bits.push_back(byte);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return std::fprintf(stderr, "usage: bake-glyphs OUT\n"), 2;
    if (InitToolkit(argc, argv, "offscreen", {"Verdana"}) != 0) return 1;
    SetDrawTarget("MEMORY");
    const MemoryDC canvas = CreateCanvas(nullptr, kSize, kSize, kPaper);

    std::ostringstream out;
    out << "// Made by tools/bake_glyphs; do not edit. Glyph images of the DejaVu fonts,\n"
           "// which travel with their licence (fonts-dejavu-core: /usr/share/doc/\n"
           "// fonts-dejavu-core/copyright).\n\nnamespace {\n\n";
    std::string faces;
    int index = 0;
    for (const Request& r : kRequests) {
        const Font font = MakeFont(r.height, r.width, 0, r.weight, 0, 0, r.face);
        const QFontMetrics metrics(tk::QtFont(font));
        Baked baked;
        std::vector<std::string> texts;
        for (int c = 0; c < 256; ++c) texts.push_back(c == 0 ? "" : std::string(1, char(c)));
        for (int i = 0; i < kGlyphLigatureCount; ++i) texts.push_back(kGlyphLigatures[i]);
        for (const std::string& text : texts)
            Bake(canvas, font, metrics.horizontalAdvance(tk::ToQString(text)), text, baked);
        const std::string n = std::to_string(index++);
        out << "// " << r.face << " " << r.height << "/" << r.width << " " << r.weight << ": "
            << ProbeFaceIdentity(font) << "\nconst GlyphImage kGlyphs" << n << "[] = {\n"
            << baked.glyphs << "};\nconst std::uint8_t kBits" << n << "[] = {";
        for (std::size_t i = 0; i < baked.bits.size(); ++i)
            out << (i % 24 == 0 ? "\n    " : " ") << baked.bits[i] << ",";
        out << "\n};\n\n";
        faces += "    {" + std::to_string(r.height) + ", " + std::to_string(r.width) + ", " +
                 std::to_string(r.weight) + ", \"" + r.face + "\", " +
                 std::to_string(metrics.height()) + ", kGlyphs" + n + ", kBits" + n + "},\n";
    }
    out << "}  // namespace\n\nconst GlyphFace kGlyphFaces[] = {\n"
        << faces << "};\nconst int kGlyphFaceCount = " << index << ";\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
