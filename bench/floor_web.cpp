// The floor of the browser benchmark (bench/web.mjs): the least a
// WebAssembly program on the site's page does before its first drawing.
// Started by emscripten's glue like the program, it fills an image as large
// as the client area in its own memory and hands it to the page
// (floor_web.js), which makes a menu bar of plain elements and one input and
// puts the image on the canvas.

#include <cstdint>

extern "C" void floor_show(const std::uint32_t* rgba, int width, int height);

namespace {
constexpr int kWidth = 1000, kHeight = 594;
std::uint32_t g_image[kWidth * kHeight];
}  // namespace

int main() {
    for (std::uint32_t& pixel : g_image) pixel = 0xFFF0F0F0;  // opaque light grey, RGBA in memory
    floor_show(g_image, kWidth, kHeight);
    return 0;
}
