// Windows-1252 <-> UTF-8.

#include "toolkit/utf8.h"

#include "toolkit/text.h"

namespace tk {

namespace {

constexpr char32_t kMalformed = ~char32_t{0};

// The code point of the UTF-8 sequence at text[i], or kMalformed (overlong,
// a surrogate, above U+10FFFF, cut short); `i` moves past it, or past the
// lead byte and the continuation bytes still acceptable.
char32_t Decode(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int extra = lead < 0x80   ? 0
                      : lead < 0xC2 ? -1
                      : lead < 0xE0 ? 1
                      : lead < 0xF0 ? 2
                      : lead < 0xF5 ? 3
                                    : -1;
    if (extra <= 0) return extra == 0 ? lead : kMalformed;
    // The second byte's range keeps out the overlong forms, the surrogates
    // and what lies above U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k, ++i) {
        const unsigned b = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        if (b < (k == 0 ? low : 0x80) || b > (k == 0 ? high : 0xBF)) return kMalformed;
        cp = cp << 6 | (b & 0x3F);
    }
    return cp;
}

}  // namespace

std::string Utf8(std::u32string_view text) {
    std::string out;
    for (char32_t cp : text) {
        const int extra = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        out.push_back(static_cast<char>(extra == 0 ? cp : 0xFF << (7 - extra) | cp >> 6 * extra));
        for (int k = extra - 1; k >= 0; --k)
            out.push_back(static_cast<char>(0x80 | (cp >> 6 * k & 0x3F)));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) { return Utf8(CodePointsOfCp1252(cp1252)); }

std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();)
        if (const char32_t cp = Decode(utf8, i); cp != kMalformed) out.push_back(cp);
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) { return Cp1252(CodePoints(utf8)); }

}  // namespace tk
