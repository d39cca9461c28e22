// Text from baked glyph images, on a plain 24-bit image.

#include "toolkit/glyph_text.h"

#include <cstring>

namespace tk {

namespace {

// The glyph the text starts with and how many characters it takes.
int NextGlyph(const char* text, int& length) {
    if (text[0] == 'f') {
        for (int i = 0; i < kGlyphLigatureCount; ++i) {
            const std::size_t n = std::strlen(kGlyphLigatures[i]);
            if (std::strncmp(text, kGlyphLigatures[i], n) == 0) {
                length = static_cast<int>(n);
                return 256 + i;
            }
        }
    }
    length = 1;
    return static_cast<unsigned char>(text[0]);
}

// Where the pen goes past a glyph: its advance on, or for a TAB to the next
// tab stop from the text's start (a TAB alone advances one stop).
long long Advance(const GlyphFace& face, int glyph, long long start, long long pen) {
    const int advance = face.glyphs[glyph].advance;
    if (glyph != '\t' || advance <= 0) return pen + advance;
    return start + ((pen - start) / advance + 1) * advance;
}

void SetPixel(RasterImage& image, long long x, long long y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    std::uint8_t* pixel = image.bits + y * image.stride + 3 * x;
    pixel[0] = static_cast<std::uint8_t>(colour);
    pixel[1] = static_cast<std::uint8_t>(colour >> 8);
    pixel[2] = static_cast<std::uint8_t>(colour >> 16);
}

}  // namespace

const GlyphFace& FindGlyphFace(int height, int width, int weight, const char* face) {
    const GlyphFace* sameWeight = nullptr;
    for (int i = 0; i < kGlyphFaceCount; ++i) {
        const GlyphFace& f = kGlyphFaces[i];
        if (face != nullptr && f.height == height && f.width == width && f.weight == weight &&
            std::strcmp(f.face, face) == 0)
            return f;
        if (sameWeight == nullptr && (f.weight >= 600) == (weight >= 600)) sameWeight = &f;
    }
    return sameWeight != nullptr ? *sameWeight : kGlyphFaces[0];
}

int GlyphTextWidth(const GlyphFace& face, const char* text) {
    long long width = 0;
    for (int length = 0; *text != '\0'; text += length)
        width = Advance(face, NextGlyph(text, length), 0, width);
    return static_cast<int>(width);
}

void DrawGlyphText(RasterImage& image, const GlyphFace& face, int x, int y, const char* text,
                   std::uint32_t colour, std::uint32_t background) {
    if (background != 0)
        RasterFill(image, x, y, GlyphTextWidth(face, text), face.cellHeight, background);
    long long penX = x;
    for (int length = 0; *text != '\0'; text += length) {
        const int index = NextGlyph(text, length);
        const GlyphImage& glyph = face.glyphs[index];
        const std::uint8_t* bits = face.bits + glyph.offset;
        for (int row = 0, bit = 0; row < glyph.rows; ++row)
            for (int column = 0; column < glyph.columns; ++column, ++bit)
                if ((bits[bit / 8] >> (bit % 8)) & 1)
                    SetPixel(image, penX + glyph.left + column,
                             static_cast<long long>(y) + glyph.top + row, colour);
        penX = Advance(face, index, x, penX);
    }
}

}  // namespace tk
