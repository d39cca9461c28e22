// The keyword tables of the toolkit: which style bits a window, edit field or
// button keyword selects, a window class's name, and a font's effect code. The same on every
// platform; each platform's toolkit turns the bits into what it shows.

#include "toolkit/button.h"
#include "toolkit/controls.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/window.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tk {

namespace {

// Windows style bits, as the platform numbers them.
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t CS_DBLCLKS = 0x0008;
constexpr std::uint32_t BS_PUSHLIKE = 0x1000;
constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x200;

struct PlacementRow {
    const char* keyword;
    std::uint32_t bits;
};
constexpr PlacementRow kPlacements[] = {
    {"L", 0x0100},  {"R", 0x0200},  {"T", 0x0400},  {"B", 0x0800},  {"C", 0x0300},
    {"LT", 0x0500}, {"LB", 0x0900}, {"RT", 0x0600}, {"RB", 0x0A00},
};

struct FrameRow {
    const char* keyword;
    std::uint32_t style;
    std::uint32_t exStyle;
};
constexpr FrameRow kFrames[] = {
    {"NORMAL", kChildVisible, 0},
    {"SHADOW", kChildVisible | kDefaultButton, 0},
    {"SUNKEN", kChildVisible, WS_EX_CLIENTEDGE},
    {"SUNKEN_SHADOW", kChildVisible | kDefaultButton, WS_EX_CLIENTEDGE},
    {"BAR", kChildVisible | WS_DLGFRAME, 0},
    {"BAR_SHADOW", kChildVisible | WS_DLGFRAME | kDefaultButton, 0},
    {"EDGE", kChildVisible | WS_DLGFRAME, WS_EX_CLIENTEDGE},
    {"EDGE_SHADOW", kChildVisible | WS_DLGFRAME | kDefaultButton, WS_EX_CLIENTEDGE},
};

struct StyleRow {
    const char* keyword;
    std::uint32_t style;
    std::uint32_t exStyle;
    bool noClose;
};

constexpr StyleRow kStyles[] = {
    {"MIN_MAX_CLO", 0x000B0000, 0, false},
    {"MIN_MAX_NOCLO", 0x000B0000, 0, true},
    {"MIN_NOMAX_CLO", 0x000A0000, 0, false},
    {"MIN_NOMAX_NOCLO", 0x000A0000, 0, true},
    {"NOMIN_MAX_CLO", 0x00090000, 0, false},
    {"NOMIN_MAX_NOCLO", 0x00090000, 0, true},
    {"CLO", 0x00C80000, 0, false},
    {"NOCLO", 0x00C80000, 0, true},
    {"QUE_CLO", 0x00C80000, kContextHelp, false},
    {"QUE_NOCLO", 0x00C80000, kContextHelp, true},
    {"TOOLWIN", 0, kToolWindow, false},
    {"TOOLWIN_CLO", 0x00080000, kToolWindow, false},
    {"TOOLWIN_NOCLO", 0x00080000, kToolWindow, true},
    {"EMPTYLIST", 0x00C00000, 0, false},
    {"NOLIST", 0x80400000, 0, false},
};

}  // namespace

WindowStyle WindowStyleForKeyword(const char* keyword) {
    WindowStyle s{WS_CLIPCHILDREN, 0, CS_DBLCLKS};
    if (keyword == nullptr) return s;
    for (const StyleRow& row : kStyles) {
        if (std::strcmp(row.keyword, keyword) == 0) {
            s.style |= row.style;
            s.exStyle = row.exStyle;
            if (row.noClose) s.classStyle |= kNoClose;
            break;
        }
    }
    return s;
}

int KeepOnWorkArea(int wanted, int size, int start, int end) {
    return std::max(std::min(wanted, end - size), start);
}

std::string WindowClassName(const char* title, Instance instance) {
    if (title != nullptr && title[0] != '\0') return title;
    return "Class" + std::to_string(static_cast<long long>(instance));
}

std::uint32_t EditStyleForKeyword(const char* keyword) {
    if (keyword == nullptr) return 0;
    if (std::strcmp(keyword, "NL") == 0) return kEditDigits;
    if (std::strcmp(keyword, "NC") == 0) return kEditDigits | kEditCentred;
    if (std::strcmp(keyword, "NR") == 0) return kEditDigits | kEditRight;
    if (std::strcmp(keyword, "C") == 0) return kEditCentred;
    if (std::strcmp(keyword, "R") == 0) return kEditRight;
    return 0;
}

ButtonStyle PushButtonStyle(const char* placement, const char* frame) {
    std::uint32_t place = 0x0300;
    for (const PlacementRow& row : kPlacements) {
        if (placement != nullptr && std::strcmp(row.keyword, placement) == 0) place = row.bits;
    }
    ButtonStyle s{0, 0};
    for (const FrameRow& row : kFrames) {
        if (frame != nullptr && std::strcmp(row.keyword, frame) == 0) s = {row.style, row.exStyle};
    }
    s.style |= place | BS_PUSHLIKE;
    return s;
}

std::uint32_t OptionButtonStyle(const char* kind) {
    if (kind == nullptr) return 0;
    if (std::strcmp(kind, "ROUND") == 0) return kRadio;
    if (std::strcmp(kind, "SQUARE") == 0) return kCheckBox;
    return 0;
}

FontEffects FontEffectsForCode(int effect) {
    switch (effect) {
        case 1: return {true, false, false};
        case 2: return {false, true, false};
        case 3: return {false, false, true};
        case 12: return {true, true, false};
        case 13: return {true, false, true};
        case 23: return {false, true, true};
        case 123: return {true, true, true};
        default: return {false, false, false};
    }
}

}  // namespace tk
