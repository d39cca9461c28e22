// Windows-1252 <-> UTF-8, for the driver's transcripts and the tests.

#include "toolkit/testing/utf8.h"

#include "toolkit/text.h"

namespace tk {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every code point of Windows-1252 lies in the basic plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence starting at text[i]. Returns the number of bytes
// consumed (at least 1); `cp` is set only for a well-formed sequence, and
// `valid` tells which. A malformed sequence consumes its lead byte and the
// continuation bytes that were still acceptable, so decoding resumes at the
// first offending byte.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[i]);
    valid = false;
    if (lead < 0x80) {
        cp = lead;
        valid = true;
        return 1;
    }
    int extra = 0;
    char32_t value = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 1;  // stray continuation byte, overlong lead or invalid byte
    }
    std::size_t used = 1;
    for (int k = 0; k < extra; ++k, ++used) {
        if (i + used >= text.size()) return used;
        const auto b = static_cast<unsigned char>(text[i + used]);
        const unsigned char lo = k == 0 ? low : 0x80;
        const unsigned char hi = k == 0 ? high : 0xBF;
        if (b < lo || b > hi) return used;
        value = (value << 6) | (b & 0x3F);
    }
    cp = value;
    valid = true;
    return used;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) AppendUtf8(out, CodePointFromCp1252(static_cast<unsigned char>(c)));
    return out;
}

std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        bool valid = false;
        i += DecodeUtf8(utf8, i, cp, valid);
        if (valid) out.push_back(cp);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    for (char32_t cp : CodePoints(utf8))
        if (const int byte = Cp1252FromCodePoint(cp); byte >= 0)
            out.push_back(static_cast<char>(byte));
    return out;
}

}  // namespace tk
