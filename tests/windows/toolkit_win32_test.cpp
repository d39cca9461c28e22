// What the Windows toolkit makes that no transcript shows: the window class
// and window with their styles, its size and place; the bars a change of
// language replaces, destroyed; the icon; the controls' style bits; the
// fonts as asked for. (That a page's controls, made late, are stacked and
// checked as made: the transcripts' dumps on Windows.)

#include "tests/app/app_fixture.h"

#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/testing/win32/facts.h"
#include "tools/font_roles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tk;

namespace {

constexpr std::uint32_t WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000,
                        WS_CLIPSIBLINGS = 0x04000000, WS_THICKFRAME = 0x00040000,
                        WS_TABSTOP = 0x00010000, WS_EX_WINDOWEDGE = 0x100, WS_EX_CLIENTEDGE = 0x200;

TEST(Win32Window, ClassStyleSizeAndPlaceFollowTheKeywordAndTheTitleAndMenuBars) {
    const Window app = TheApp();
    const ProbeMetrics m = ProbeSystemMetrics();
    for (WParam language : {2102, 2101, 2101}) {  // every bar after the first leaves the size alone
        Command(language);
        const ProbeWindowFacts w = ProbeDescribeWindow(app);
        EXPECT_EQ(w.className, kProgramTitle);
        EXPECT_EQ(w.classStyle, 0x0008u);  // CS_DBLCLKS, and the close box works
        // "MIN_MAX_CLO" and WS_CLIPCHILDREN; the platform adds the title bar
        // and clips the siblings of a top-level window. No sizing frame.
        EXPECT_EQ(w.style, 0x020B0000u | WS_VISIBLE | WS_CAPTION | WS_CLIPSIBLINGS);
        EXPECT_EQ(w.style & WS_THICKFRAME, 0u);
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
    const std::string source{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> strings;
    for (std::size_t at = source.find('"'); at != std::string::npos;
         at = source.find('"', at + 1)) {
        const std::size_t end = source.find('"', at + 1);
        strings.push_back(source.substr(at + 1, end - at - 1));
        at = end;
    }
    int colours = 0, perPixel = 0;
    std::istringstream(strings.at(0)) >> width >> height >> colours >> perPixel;
    std::map<std::string, long> table;
    for (int i = 1; i <= colours; ++i) {
        const std::string& line = strings.at(static_cast<std::size_t>(i));
        const std::string value = line.substr(line.rfind(' ') + 1);
        long rgb = -1;
        if (value != "None") rgb = std::stol(value.substr(1), nullptr, 16);
        table[line.substr(0, static_cast<std::size_t>(perPixel))] =
            rgb < 0 ? -1 : (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    }
    std::vector<long> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(table.at(strings.at(static_cast<std::size_t>(1 + colours + y))
                                          .substr(static_cast<std::size_t>(x * perPixel),
                                                  static_cast<std::size_t>(perPixel))));
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
    ASSERT_EQ(std::vector({icon.width, icon.height}), std::vector({width, height}));
    int differing = 0;
    for (std::size_t i = 0; i < xpm.size(); ++i) {
        if (icon.pixels[i] == xpm[i]) continue;
        if (++differing <= 5)
            ADD_FAILURE() << "icon pixel (" << i % 32 << ", " << i / 32 << ") is " << icon.pixels[i]
                          << ", the XPM's " << xpm[i];
    }
    EXPECT_EQ(differing, 0);
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

TEST(Win32Fonts, MadeAtTheHeightsWidthsAndFaceAsked) {
    TheApp();
    // 10 points at the 96 pixels an inch of the test prefix: the character
    // height 13 pixels, without the internal leading.
    ASSERT_EQ(ProbeSystemMetrics().pixelsPerInchY, 96);
    const int pointsHigh = -13;
    const struct {
        FontRole role;
        int height, width, weight, pitchAndFamily;
    } fonts[] = {
        {FontRole::Label, 14, 5, 400, 0},           {FontRole::Result, 14, 5, 700, 0},
        {FontRole::Edit, pointsHigh, 0, 400, 0x20}, {FontRole::Splash, 30, 15, 400, 0},
        {FontRole::Small, 13, 4, 400, 0},           {FontRole::Heading, 14, 5, 700, 0},
    };
    for (const auto& f : fonts) {
        const ProbeFontRequest r = ProbeDescribeFontRequest(AppFont(f.role));
        SCOPED_TRACE(FontRoleName(AppFont(f.role)));
        EXPECT_EQ(std::vector(
                      {r.height, r.width, r.escapement, r.orientation, r.weight, r.pitchAndFamily}),
                  std::vector({f.height, f.width, 0, 0, f.weight, f.pitchAndFamily}));
        EXPECT_FALSE(r.italic || r.underline || r.strikeOut);
        EXPECT_EQ(r.face, "Verdana");
        EXPECT_EQ(r.charSet, 0);  // ANSI_CHARSET
        // Drawn without smoothing, the same crisp letters on every screen.
        EXPECT_EQ(r.quality, 3);  // NONANTIALIASED_QUALITY
    }
}

}  // namespace
