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

namespace {

bool IsLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

}  // namespace

std::u32string CodePointsOfCp1252(std::string_view cp1252) {
    std::u32string text;
    for (char c : cp1252) text.push_back(CodePointFromCp1252(static_cast<unsigned char>(c)));
    return text;
}

std::string Cp1252(std::u32string_view text) {
    std::string out;
    for (char32_t cp : text)
        if (const int byte = Cp1252FromCodePoint(cp); byte >= 0)
            out.push_back(static_cast<char>(byte));
    return out;
}

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
