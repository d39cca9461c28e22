// Windows-1252 <-> UTF-8: the browser's page takes and gives its texts in
// UTF-8, and so do the driver's transcripts and the tests.
#pragma once

#include <string>
#include <string_view>

namespace tk {

std::string Cp1252ToUtf8(std::string_view cp1252);
// Any code point as its bytes (a surrogate as three).
std::string Utf8(std::u32string_view text);
// Characters with no Windows-1252 byte are dropped; so are malformed bytes.
std::string Utf8ToCp1252(std::string_view utf8);
// The code points of a UTF-8 text; malformed bytes are skipped.
std::u32string CodePoints(std::string_view utf8);

}  // namespace tk
