// The shell state, the six fonts and the close button.

#include "calc/common/shell.h"

#include "calc/common/commands.h"
#include "toolkit/button.h"
#include "toolkit/text.h"

#include <array>

ShellState g_shell;

namespace {

std::array<tk::Font, kFontRoleCount> g_fonts{};

}  // namespace

tk::Font AppFont(FontRole role) { return g_fonts[static_cast<std::size_t>(role)]; }

void CreateFonts(tk::Window window) {
    auto set = [](FontRole role, tk::Font font) { g_fonts[static_cast<std::size_t>(role)] = font; };
    set(FontRole::Label, tk::MakeFont(14, 5, 0, 400, 0, 0, kFace));
    set(FontRole::Result, tk::MakeFont(14, 5, 0, 700, 0, 0, kFace));
    set(FontRole::Edit, tk::MakePointFont(window, 10, 400, 0, kFace));
    set(FontRole::Splash, tk::MakeFont(30, 15, 0, 400, 0, 0, kFace));
    set(FontRole::Small, tk::MakeFont(13, 4, 0, 400, 0, 0, kFace));
    set(FontRole::Heading, tk::MakeFont(14, 5, 0, 700, 0, 0, kFace));
    g_shell.closeButton =
        tk::CreatePushButton(window, 800, 530, 110, 25, "STÄNG"_cp, "C", "SHADOW", command::kClose);
}
