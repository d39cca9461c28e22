// What the Windows toolkit makes that no transcript shows: the window, replaced bars destroyed,
// the icon, the controls' style bits, the fonts as asked for.

#include "tests/app/app_fixture.h"

#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/testing/win32/facts.h"
#include "tools/font_roles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace tk;

namespace {

constexpr std::uint32_t WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000,
                        WS_CLIPSIBLINGS = 0x04000000, WS_TABSTOP = 0x00010000,
                        WS_EX_WINDOWEDGE = 0x100, WS_EX_CLIENTEDGE = 0x200;

TEST(Win32Window, ClassStyleSizeAndPlaceFollowTheKeywordAndTheTitleAndMenuBars) {
    const Window app = TheApp();
    const ProbeMetrics m = ProbeSystemMetrics();
    for (WParam language : {2102, 2101, 2101}) {  // every bar after the first leaves the size alone
        Command(language);
        const ProbeWindowFacts w = ProbeDescribeWindow(app);
        EXPECT_EQ(w.className, kProgramTitle);
        EXPECT_EQ(w.classStyle, 0x0008u);  // CS_DBLCLKS, and the close box works
        // "MIN_MAX_CLO" and WS_CLIPCHILDREN, no sizing frame; the platform adds the title bar
        // and clips the siblings of a top-level window.
        EXPECT_EQ(w.style, 0x020B0000u | WS_VISIBLE | WS_CAPTION | WS_CLIPSIBLINGS);
        EXPECT_EQ(w.exStyle & ~WS_EX_WINDOWEDGE, 0u);
        // 1006 x 600, the title bar's height added, then the menu bar's.
        EXPECT_EQ(w.outer.width, 1006);
        EXPECT_EQ(w.outer.height, 600 + m.captionHeight + m.menuHeight);
        // Centred half a title bar above the middle of the screen.
        EXPECT_EQ(w.outer.x, (m.screenWidth - 1006) / 2);
        EXPECT_EQ(w.outer.y, (m.screenHeight - (w.outer.height + m.captionHeight)) / 2);
        // The frame all round, the title and menu bars above the client area.
        EXPECT_EQ(w.client.x - w.outer.x, m.frameWidth);
        EXPECT_EQ(w.client.width, 1006 - 2 * m.frameWidth);
        EXPECT_EQ(w.client.y + w.client.height, w.outer.y + w.outer.height - m.frameHeight);
    }
}

// Every change of language attaches a new bar; the one it replaces goes,
// with its popups, so that switching back and forth takes no memory.
TEST(Win32Menus, TheBarAChangeOfLanguageReplacesIsDestroyedWithItsPopups) {
    Command(2101);
    const std::vector<Menu> swedish = ProbeMenuBarAndPopups(TheApp());
    ASSERT_EQ(swedish.size(), 5u);  // the bar and four popups
    Command(2102);
    const std::vector<Menu> english = ProbeMenuBarAndPopups(TheApp());
    ASSERT_EQ(english.size(), 5u);
    for (Menu m : swedish) EXPECT_FALSE(ProbeMenuExists(m));
    for (Menu m : english) EXPECT_TRUE(ProbeMenuExists(m));
    Command(2101);
    for (Menu m : english) EXPECT_FALSE(ProbeMenuExists(m));
}

// The pixels of ZUREREVADO.xpm, each 0x00BBGGRR or -1 for "None".
std::vector<long> XpmPixels(int& width, int& height) {
    std::ifstream in(SELVAQUIN_TEST_DIR "/../app/resources/ZUREREVADO.xpm");
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);)
        if (const auto open = line.find('"'); open != std::string::npos)
            rows.push_back(line.substr(open + 1, line.find('"', open + 1) - open - 1));
    std::size_t colours = 0, perPixel = 0;
    std::istringstream(rows.at(0)) >> width >> height >> colours >> perPixel;
    std::map<std::string, long> table;
    for (std::size_t i = 1; i <= colours; ++i) {
        const std::string value = rows.at(i).substr(rows[i].rfind(' ') + 1);
        const long rgb = value == "None" ? -1 : std::stol(value.substr(1), nullptr, 16);
        table[rows[i].substr(0, perPixel)] =
            rgb < 0 ? -1 : (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    }
    std::vector<long> pixels;
    for (std::size_t y = 1 + colours; y < rows.size(); ++y)
        for (std::size_t x = 0; x + perPixel <= rows[y].size(); x += perPixel)
            pixels.push_back(table.at(rows[y].substr(x, perPixel)));
    return pixels;
}

TEST(Win32Icon, TheClassIconIsTheXpmAsOne32By32SixteenColourImage) {
    const ProbeIconEntry entry = ProbeIconResource("ZUREREVADO");
    EXPECT_EQ(
        std::vector({entry.images, entry.width, entry.height, entry.colours, entry.bitsPerPixel}),
        std::vector({1, 32, 32, 16, 4}));
    int width = 0, height = 0;
    const std::vector<long> xpm = XpmPixels(width, height);
    const ProbeIcon icon = ProbeClassIcon(TheApp());
    EXPECT_EQ(std::vector({icon.width, icon.height}), std::vector({width, height}));
    EXPECT_EQ(icon.pixels, xpm);  // row by row
}

TEST(Win32Controls, FieldsAndButtonsAreMadeWithTheirStyleBits) {
    const Window app = TheApp();
    Command(1005);
    int fields = 0;
    for (const ProbeField& f : ProbeEditFields()) {
        if (!f.visible) continue;
        ++fields;
        const ProbeWindowFacts w = ProbeDescribeWindow(f.handle);
        EXPECT_EQ(w.className, "Edit");
        // "R": right-aligned; a visible child, clipping, a tab stop, keeping
        // its selection shown, scrolling sideways.
        EXPECT_EQ(w.style, 0x52010182u);
        EXPECT_EQ(w.exStyle, WS_EX_CLIENTEDGE);
        EXPECT_EQ(std::vector({w.controlId, static_cast<int>(w.textLimit)}), std::vector({1, 12}));
        EXPECT_EQ(w.font, AppFont(FontRole::Edit));
    }
    EXPECT_EQ(fields, 2);

    const ProbeWindowFacts close = ProbeDescribeWindow(g_shell.closeButton);
    EXPECT_EQ(close.className, "Button");
    EXPECT_EQ(close.style, 0x50001301u);  // "C", "SHADOW", push-like
    EXPECT_EQ(close.exStyle, 0u);
    EXPECT_EQ(std::vector({close.controlId, close.outer.width, close.outer.height}),
              std::vector({1000, 110, 25}));
    EXPECT_EQ(close.font, ProbeDefaultGuiFont());

    Command(502);
    int options = 0;
    for (const ProbeButton& b : ProbeButtons()) {
        if (!b.visible || b.handle == g_shell.closeButton) continue;
        ++options;
        const ProbeWindowFacts w = ProbeDescribeWindow(b.handle);
        // An automatic radio button; the platform makes the checked one the
        // group's tab stop.
        EXPECT_EQ(w.style & ~WS_TABSTOP, 0x50000009u) << b.text;
        EXPECT_EQ(w.controlId, 504);
        EXPECT_EQ(w.font, AppFont(FontRole::Label));
        // Sized by the text in the main window's own font: its width and 20,
        // its height but at least 16.
        const ProbeRect text = ProbeTextExtentInWindow(app, b.text);
        EXPECT_EQ(std::vector({w.outer.width, w.outer.height}),
                  std::vector({text.width + 20, std::max(text.height, 16)}))
            << b.text;
    }
    EXPECT_EQ(options, 3);
}

// 10 points at the test prefix's 96 pixels an inch: characters 13 pixels high (-13); the ANSI
// character set, without smoothing (quality 3): the same crisp letters on every screen.
TEST(Win32Fonts, MadeAtTheHeightsWidthsAndFaceAsked) {
    TheApp();
    ASSERT_EQ(ProbeSystemMetrics().pixelsPerInchY, 96);
    const std::pair<FontRole, const char*> fonts[] = {
        {FontRole::Label, "14 5 0 0 400 0 0 0 0 3 0 Verdana"},
        {FontRole::Result, "14 5 0 0 700 0 0 0 0 3 0 Verdana"},
        {FontRole::Edit, "-13 0 0 0 400 0 0 0 0 3 32 Verdana"},
        {FontRole::Splash, "30 15 0 0 400 0 0 0 0 3 0 Verdana"},
        {FontRole::Small, "13 4 0 0 400 0 0 0 0 3 0 Verdana"},
        {FontRole::Heading, "14 5 0 0 700 0 0 0 0 3 0 Verdana"}};
    for (const auto& [role, request] : fonts)
        EXPECT_EQ(ProbeDescribeFontRequest(AppFont(role)), request) << FontRoleName(AppFont(role));
}

}  // namespace
