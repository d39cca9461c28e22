// A PNG writer with no library behind it, for the probes of platforms that
// have no image library at hand: 8-bit RGB, the image data in stored
// (uncompressed) deflate blocks. Any PNG reader reads the files; they are
// about as large as the pixels themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// The bytes of a PNG file of `width` x `height` pixels, each 0x00BBGGRR, row
// by row from the top.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels);
// Writes them to `path`; false when it cannot be written.
bool WritePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels);

}  // namespace tk
