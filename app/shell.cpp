// The shell state, the six fonts and the close button.

#include "shell.h"

#include "app/commands.h"
#include "toolkit/button.h"
#include "toolkit/text.h"

#include <array>

ShellState g_shell;

namespace {

std::array<Font, kFontRoleCount> g_fonts{};

constexpr const char* kFontNames[kFontRoleCount] = {"label",  "result", "edit",
                                                    "splash", "small",  "heading"};

}  // namespace

Font AppFont(FontRole role) { return g_fonts[static_cast<std::size_t>(role)]; }

const char* FontRoleName(Font font) {
    if (font == nullptr) return "system";
    for (std::size_t i = 0; i < g_fonts.size(); ++i) {
        if (g_fonts[i] == font) return kFontNames[i];
    }
    return "system";
}

void CreateFonts(Window window) {
    auto set = [](FontRole role, Font font) { g_fonts[static_cast<std::size_t>(role)] = font; };
    set(FontRole::Label, MakeFont(14, 5, 0, 400, 0, 0, kFace));
    set(FontRole::Result, MakeFont(14, 5, 0, 700, 0, 0, kFace));
    set(FontRole::Edit, MakePointFont(window, 10, 400, 0, 0, kFace));
    set(FontRole::Splash, MakeFont(30, 15, 0, 400, 0, 0, kFace));
    set(FontRole::Small, MakeFont(13, 4, 0, 400, 0, 0, kFace));
    set(FontRole::Heading, MakeFont(14, 5, 0, 700, 0, 0, kFace));
    g_shell.closeButton =
        CreatePushButton(window, 800, 530, 110, 25, "STÄNG"_cp, "C", "SHADOW", command::kClose);
}
