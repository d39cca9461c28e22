// Text from the baked glyph images (toolkit/glyph_text.h) sets exactly the
// pixels the canvas sets: every text the page snapshots show and random texts
// of every Windows-1252 character, in every baked face, with and without a
// painted cell. The images hold for the faces they were baked from, as the
// snapshots do.

#include "app_fixture.h"
#include "drive_runner.h"

#include "toolkit/glyph_text.h"
#include "toolkit/testing/utf8.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace tk;

namespace {

std::uint32_t RasterPixel(const RasterImage& image, int x, int y) {
    const std::uint8_t* p = image.bits + y * image.stride + 3 * x;
    return p[0] | p[1] << 8 | p[2] << 16;
}

// Where the two drawings differ ("" when nowhere).
std::string Difference(const GlyphFace& face, Font font, const std::string& text,
                       Colour background) {
    constexpr int kHeight = 72, kX = 32, kY = 24;
    const int width = GlyphTextWidth(face, text.c_str()) + 2 * kX;
    MemoryDC page = SetMemoryDC(nullptr);
    static std::vector<MemoryDC> scratch(32, nullptr);  // by width, in steps of 256
    MemoryDC& canvas = scratch.at(static_cast<std::size_t>(width / 256));
    if (canvas == nullptr) canvas = CreateCanvas(TheApp(), 256 * (width / 256 + 1), kHeight, 0);
    const int canvasWidth = CanvasWidth(canvas);
    SetMemoryDC(canvas);
    SetDrawTarget("MEMORY");
    FillBox(TheApp(), 0, 0, canvasWidth, kHeight, 0xFFFFFF);
    DrawString(TheApp(), kX, kY, text.c_str(), 0x000000, font, background);
    SetDrawTarget("CLIENT");
    SetMemoryDC(page);
    const ProbeImage drawn = ProbeCanvasImage(canvas);

    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(canvasWidth * kHeight * 3), 0xFF);
    RasterImage image{rgb.data(), canvasWidth, kHeight, canvasWidth * 3};
    DrawGlyphText(image, face, kX, kY, text.c_str(), 0x000000, background);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if (RasterPixel(image, x, y) !=
                drawn.pixels[static_cast<std::size_t>(y * canvasWidth + x)])
                return "at " + std::to_string(x - kX) + "," + std::to_string(y - kY);
    return "";
}

Font CanvasFont(const GlyphFace& face) {
    return MakeFont(face.height, face.width, 0, face.weight, 0, 0, face.face);
}

// The texts the snapshot pages show (their dumps), in Windows-1252.
std::set<std::string> SnapshotTexts() {
    std::ifstream in(SELVAQUIN_TEST_DIR "/snapshots/cases.txt");
    std::vector<std::string> scripts;
    for (std::string line; std::getline(in, line);)
        if (line.starts_with('['))
            scripts.emplace_back();
        else if (!scripts.empty() && !line.starts_with('#'))
            scripts.back() += line + "\n";
    std::set<std::string> texts;
    for (const std::string& script : scripts)
        for (const std::string& line : Lines(Drive(script + "dump\n").out)) {
            if (!line.starts_with("text ")) continue;
            std::string quoted = line.substr(line.find('"') + 1), text;
            for (std::size_t i = 0; i + 1 < quoted.size(); ++i)
                text += quoted[i] == '\\' ? quoted[++i] : quoted[i];
            texts.insert(Utf8ToCp1252(text));
        }
    return texts;
}

TEST(GlyphText, BakedFacesAreTheProgramsFonts) {
    TheApp();
    for (Font font : {AppFont(FontRole::Label), AppFont(FontRole::Result), AppFont(FontRole::Edit),
                      AppFont(FontRole::Splash), AppFont(FontRole::Small),
                      AppFont(FontRole::Heading), static_cast<Font>(nullptr)}) {
        const FontInfo want = DescribeFont(font);
        bool found = false;
        for (int i = 0; i < kGlyphFaceCount; ++i) {
            const FontInfo baked = DescribeFont(CanvasFont(kGlyphFaces[i]));
            found =
                found || (baked.family == want.family && baked.cellHeight == want.cellHeight &&
                          baked.averageWidth == want.averageWidth && baked.weight == want.weight);
        }
        EXPECT_TRUE(found) << want.family << " " << want.cellHeight << "/" << want.averageWidth;
    }
}

TEST(GlyphText, DrawsAsTheCanvasDoes) {
    TheApp();
    const std::set<std::string> pageTexts = SnapshotTexts();
    ASSERT_GT(pageTexts.size(), 100u);
    std::vector<std::string> texts(pageTexts.begin(), pageTexts.end());
    std::mt19937 random(1);
    for (int n = 0; n < 600; ++n) {  // every byte; runs of f, i and l for the ligatures
        std::string text(1 + random() % 14, ' ');
        for (char& c : text) c = n % 3 == 0 ? "fil"[random() % 3] : char(1 + random() % 255);
        texts.push_back(text);
    }
    for (int i = 0; i < kGlyphFaceCount; ++i) {
        const GlyphFace& face = kGlyphFaces[i];
        const Font font = CanvasFont(face);
        for (std::size_t t = 0; t < texts.size(); ++t)
            EXPECT_EQ(Difference(face, font, texts[t], t % 2 ? 0xFF8000 : 0), "")
                << face.face << " " << face.height << "/" << face.width << " " << face.weight
                << ": \"" << Cp1252ToUtf8(texts[t]) << "\"";
    }
}

}  // namespace
