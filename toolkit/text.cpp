// Text conversion: copying and Windows-1252 <-> UTF-8 (number text:
// number_text.cpp).

#include "toolkit/text.h"

namespace tk {

std::string& CopyText(std::string& dest, const char* source, int n) {
    dest.clear();
    if (source == nullptr) return dest;
    if (n < 1) {
        dest = source;
        return dest;
    }
    for (int i = 0; i < n && source[i] != '\0'; ++i) dest.push_back(source[i]);
    return dest;
}

void AppendText(std::string& dest, const char* text) {
    if (text != nullptr) dest += text;
}

// ---- Windows-1252 ----------------------------------------------------------

int Cp1252FromCodePoint(char32_t cp) { return cp1252_detail::FromCodePoint(cp); }

char32_t CodePointFromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return cp1252_detail::kHigh[byte - 0x80];
    return byte;
}

namespace {

bool IsLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

}  // namespace

std::string FieldInput(std::u16string_view text, bool digitsOnly, std::size_t room) {
    std::string taken;
    for (char32_t c : text) {
        if (taken.size() >= room || IsLineBreak(c)) break;
        if (c < 0x20 || c == 0x7F) continue;
        if (digitsOnly && (c < U'0' || c > U'9')) continue;
        const int byte = Cp1252FromCodePoint(c);
        if (byte >= 0) taken.push_back(static_cast<char>(byte));
    }
    return taken;
}

}  // namespace tk
