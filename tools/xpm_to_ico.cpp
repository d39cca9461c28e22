// xpm-to-ico: writes the program's icon, an XPM of at most 16 colours and
// "None", as a Windows icon file with one 16-colour image of the same size,
// so that the XPM stays the only copy of the picture.
//
//   xpm-to-ico ZUREREVADO.xpm ZUREREVADO.ico
//
// Built with the machine's own compiler while the Windows programs are
// cross-compiled; plain C++, no libraries.
//
// The file: an icon directory with one entry, then the image as a bitmap
// without file header: its info header (twice the height: the colour image
// and the mask), 16 palette entries, the colour image at 4 bits a pixel and
// the transparency mask at 1 bit a pixel, both bottom row first, each row a
// multiple of 4 bytes long.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "xpm-to-ico: %s\n", why.c_str());
    std::exit(1);
}

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB, at most 16
    std::vector<int> pixels;             // palette index, -1 transparent; top row first
};

// The quoted strings of the XPM source, comments skipped.
std::vector<std::string> QuotedStrings(const std::string& source) {
    std::vector<std::string> strings;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source.compare(i, 2, "/*") == 0) {
            const std::size_t end = source.find("*/", i + 2);
            if (end == std::string::npos) Fail("unterminated comment");
            i = end + 1;
        } else if (source[i] == '"') {
            const std::size_t end = source.find('"', i + 1);
            if (end == std::string::npos) Fail("unterminated string");
            strings.push_back(source.substr(i + 1, end - i - 1));
            i = end;
        }
    }
    return strings;
}

Picture ReadXpm(const std::string& source) {
    const std::vector<std::string> lines = QuotedStrings(source);
    Picture p;
    int colours = 0, perPixel = 0;
    if (lines.empty() ||
        std::sscanf(lines[0].c_str(), "%d %d %d %d", &p.width, &p.height, &colours, &perPixel) != 4)
        Fail("no XPM header");
    if (p.width <= 0 || p.width > 256 || p.height <= 0 || p.height > 256 || colours <= 0 ||
        perPixel <= 0)
        Fail("unusable XPM header: " + lines[0]);
    if (lines.size() < 1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(p.height))
        Fail("fewer lines than the header announces");

    std::map<std::string, int> index;  // pixel characters -> palette index or -1
    for (int c = 0; c < colours; ++c) {
        const std::string& line = lines[1 + static_cast<std::size_t>(c)];
        if (line.size() < static_cast<std::size_t>(perPixel)) Fail("short colour line: " + line);
        std::istringstream rest(line.substr(static_cast<std::size_t>(perPixel)));
        std::string key, value;
        while (rest >> key >> value && key != "c") {}
        if (key != "c") Fail("colour line without a 'c' colour: " + line);
        if (value == "None" || value == "none") {
            index[line.substr(0, static_cast<std::size_t>(perPixel))] = -1;
            continue;
        }
        if (value.size() != 7 || value[0] != '#') Fail("colour is not #RRGGBB: " + line);
        const auto rgb = static_cast<std::uint32_t>(std::strtoul(value.c_str() + 1, nullptr, 16));
        if (p.palette.size() == 16) Fail("more than 16 colours");
        index[line.substr(0, static_cast<std::size_t>(perPixel))] =
            static_cast<int>(p.palette.size());
        p.palette.push_back(rgb);
    }
    for (int y = 0; y < p.height; ++y) {
        const std::string& row =
            lines[1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(y)];
        if (row.size() != static_cast<std::size_t>(p.width * perPixel))
            Fail("row of the wrong length: " + row);
        for (int x = 0; x < p.width; ++x) {
            auto found = index.find(row.substr(static_cast<std::size_t>(x * perPixel),
                                               static_cast<std::size_t>(perPixel)));
            if (found == index.end()) Fail("pixel of no colour in row: " + row);
            p.pixels.push_back(found->second);
        }
    }
    return p;
}

void Put8(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
}
void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    Put8(out, v & 0xFF);
    Put8(out, (v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<std::uint8_t> Icon(const Picture& p) {
    const unsigned colourRow = ((static_cast<unsigned>(p.width) * 4 + 31) / 32) * 4;
    const unsigned maskRow = ((static_cast<unsigned>(p.width) + 31) / 32) * 4;
    const unsigned imageBytes = (colourRow + maskRow) * static_cast<unsigned>(p.height);
    const unsigned headerBytes = 40 + 16 * 4;

    std::vector<std::uint8_t> out;
    // Icon directory: reserved, type 1 (icon), one image.
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    // Its entry: size (256 is written as 0), 16 colours, planes, bits a
    // pixel, bytes, offset.
    Put8(out, static_cast<unsigned>(p.width) & 0xFF);
    Put8(out, static_cast<unsigned>(p.height) & 0xFF);
    Put8(out, 16);
    Put8(out, 0);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, headerBytes + imageBytes);
    Put32(out, 6 + 16);
    // Info header.
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(p.width));
    Put32(out, static_cast<std::uint32_t>(2 * p.height));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    // Palette, blue green red, padded with black.
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint32_t rgb = i < p.palette.size() ? p.palette[i] : 0;
        Put8(out, rgb & 0xFF);
        Put8(out, (rgb >> 8) & 0xFF);
        Put8(out, (rgb >> 16) & 0xFF);
        Put8(out, 0);
    }
    auto at = [&](int x, int y) { return p.pixels[static_cast<std::size_t>(y * p.width + x)]; };
    // Colour image: transparent pixels are palette entry 0 under a set mask bit.
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colourRow, 0);
        for (int x = 0; x < p.width; ++x) {
            const int i = at(x, y) < 0 ? 0 : at(x, y);
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? i << 4 : i);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < p.width; ++x)
            if (at(x, y) < 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) Fail("usage: xpm-to-ico IN.xpm OUT.ico");
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) Fail(std::string("cannot read ") + argv[1]);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::uint8_t> icon = Icon(ReadXpm(source));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(icon.data()),
              static_cast<std::streamsize>(icon.size()));
    if (!out) Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
