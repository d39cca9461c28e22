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
        RasterBits(image, penX + glyph.left, static_cast<long long>(y) + glyph.top,
                   face.bits + glyph.offset, glyph.columns, glyph.rows, colour);
        penX = Advance(face, index, x, penX);
    }
}

}  // namespace tk
