// Text drawn from glyph images made ahead of time: the pixels the Linux
// toolkit draws for a font, on any platform, without a font engine.
//
// tools/bake_glyphs draws every Windows-1252 character, and the ligatures the
// face forms, in each font the program makes, as the Linux canvas draws text
// (hinted, unsmoothed, no kerning), and writes the images into a table. A
// text's pixels are then the union of its glyphs' images, each at the sum of
// the advances before it.
#pragma once

#include "toolkit/raster.h"

#include <cstdint>

namespace tk {

// One glyph: its advance, and the box of its set pixels relative to the
// point where it is drawn (the top-left of its cell).
struct GlyphImage {
    std::uint8_t advance;
    std::int8_t left, top;
    std::uint8_t columns, rows;
    std::uint16_t offset;  // of its bits in the face's bits, in bytes
};

// Glyphs 0..255 are the Windows-1252 bytes; the ones after them the
// ligatures, in the order kGlyphLigatures lists them.
struct GlyphFace {
    // The font request it answers: MakeFont's height, width, weight and face.
    int height, width, weight;
    const char* face;
    int cellHeight;
    const GlyphImage* glyphs;
    // Each glyph's pixels row by row, one bit each, lowest bit first.
    const std::uint8_t* bits;
};

extern const GlyphFace kGlyphFaces[];
extern const int kGlyphFaceCount;
// The character runs the face draws as one glyph, longest first where one
// begins another; all begin with 'f'.
inline constexpr const char* kGlyphLigatures[] = {"ffi", "ffl", "ff", "fi", "fl"};
inline constexpr int kGlyphLigatureCount = 5;

// The face made for exactly this request; for one the table lacks, the
// first face of its weight (bold or not).
const GlyphFace& FindGlyphFace(int height, int width, int weight, const char* face);

// Advance of a whole Windows-1252 text.
int GlyphTextWidth(const GlyphFace& face, const char* text);

// Draws the text with its cell's top-left at (x, y); a background other than
// 0 first fills the cell (the text's advance by the face's cell height).
// Clipped to the image.
void DrawGlyphText(RasterImage& image, const GlyphFace& face, int x, int y, const char* text,
                   std::uint32_t colour, std::uint32_t background);

}  // namespace tk
