// Text from the baked glyph images (toolkit/glyph_text.h, what the browser
// draws with) sets exactly the pixels the canvas sets: every Windows-1252
// character alone and 600 random texts (a third of them runs of f, i and l,
// for the ligatures) in every baked face, with and without a painted cell.
// The images hold for the faces they were baked from, as the snapshots do.

#include "app/app_fixture.h"

#include "toolkit/glyph_text.h"
#include "toolkit/utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace tk;

namespace {

// Where the two drawings differ ("" when nowhere).
std::string Difference(const GlyphFace& face, Font font, const std::string& text,
                       Colour background) {
    constexpr int kWidth = 1024, kHeight = 72, kX = 32, kY = 24;
    static const MemoryDC canvas = [] {
        const MemoryDC page = SetMemoryDC(nullptr);
        const MemoryDC made = CreateCanvas(TheApp(), kWidth, kHeight, 0);
        SetMemoryDC(page);
        return made;
    }();
    const MemoryDC page = SetMemoryDC(canvas);
    SetDrawTarget("MEMORY");
    FillBox(TheApp(), 0, 0, kWidth, kHeight, 0xFFFFFF);
    DrawString(TheApp(), kX, kY, text.c_str(), 0x000000, font, background);
    SetDrawTarget("CLIENT");
    SetMemoryDC(page);
    const ProbeImage drawn = ProbeCanvasImage(canvas);
    std::vector<std::uint8_t> rgb(kWidth * kHeight * 3, 0xFF);
    RasterImage image{rgb.data(), kWidth, kHeight, kWidth * 3};
    DrawGlyphText(image, face, kX, kY, text.c_str(), 0x000000, background);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        const std::uint32_t baked = rgb[3 * i] | rgb[3 * i + 1] << 8 | rgb[3 * i + 2] << 16;
        if (baked != drawn.pixels[static_cast<std::size_t>(i)])
            return "at " + std::to_string(i % kWidth - kX) + "," + std::to_string(i / kWidth - kY);
    }
    return "";
}

TEST(GlyphText, DrawsAsTheCanvasDoes) {
    std::vector<std::string> texts;
    for (int c = 1; c < 256; ++c) texts.emplace_back(1, char(c));
    std::mt19937 random(1);
    for (int n = 0; n < 600; ++n) {
        std::string text(1 + random() % 14, ' ');
        for (char& c : text) c = n % 3 == 0 ? "fil"[random() % 3] : char(1 + random() % 255);
        texts.push_back(text);
    }
    for (int i = 0; i < kGlyphFaceCount; ++i) {
        const GlyphFace& face = kGlyphFaces[i];
        const Font font = MakeFont(face.height, face.width, 0, face.weight, 0, 0, face.face);
        for (std::size_t t = 0; t < texts.size(); ++t)
            EXPECT_EQ(Difference(face, font, texts[t], t % 2 ? 0xFF8000 : 0), "")
                << face.face << " " << face.height << "/" << face.width << " " << face.weight
                << ": \"" << Cp1252ToUtf8(texts[t]) << "\"";
    }
}

}  // namespace
