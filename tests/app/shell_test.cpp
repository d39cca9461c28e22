// The shell's command dispatch, run counts, language switch and window.

#include "app_fixture.h"

#include "app/screens.h"
#include "toolkit/draw.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> CanvasTexts() {
    std::vector<std::string> texts;
    for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas)) texts.push_back(t.text);
    return texts;
}

int VisibleFields() {
    int n = 0;
    for (const ProbeField& f : ProbeEditFields()) n += f.visible;
    return n;
}

std::string CloseButtonText() {
    for (const ProbeButton& b : ProbeButtons())
        if (b.handle == g_shell.closeButton) return b.text;
    return {};
}

TEST(Shell, WindowHasAFixedClientAreaAndTheCanvas) {
    Window app = TheApp();
    ProbeRect client = ProbeClientRect(app);
    EXPECT_EQ(client.width, 1000);
    EXPECT_EQ(client.height, 600);
    EXPECT_EQ(CanvasWidth(g_shell.canvas), 1000);
    EXPECT_EQ(CanvasHeight(g_shell.canvas), 600);
    EXPECT_EQ(g_shell.splash, 0);   // cleared by the first paint
    EXPECT_EQ(g_shell.initPass, 0);
    // Rebuilding the bar keeps the client area as it is.
    Command(2101);
    EXPECT_EQ(ProbeClientRect(app).height, 600);
    // The second window of the same title is refused.
    EXPECT_EQ(OpenMainWindow(0, kProgramTitle, 0, 0, 100, 100, "MIN_MAX_CLO"), nullptr);
}

TEST(Shell, CommandsThatNameNoScreenChangeNothing) {
    TheApp();
    Command(1005);
    const auto before = CanvasTexts();
    for (WParam id : {WParam(0), WParam(65), WParam(46), WParam(38), WParam(40), WParam(504),
                      WParam(1002), WParam(0x000103ED), WParam(0x010003ED), WParam(70000)}) {
        Command(id);
        EXPECT_EQ(g_shell.currentScreen, 1005) << id;
    }
    EXPECT_EQ(CanvasTexts(), before);
    EXPECT_EQ(VisibleFields(), 2);
}

TEST(Shell, EnterRunCountsPerScreen) {
    const int once[] = {500, 505, 506, 507};
    const int twice[] = {501, 502, 503, 1001, 1003, 1005, 1015, 1017, 1022, 1027, 1043, 1048, 1130};
    for (int id : once) EXPECT_EQ(FindScreen(id)->enterRuns, 1) << id;
    for (int id : twice) EXPECT_EQ(FindScreen(id)->enterRuns, 2) << id;
    EXPECT_EQ(FindScreen(1035)->enterRuns, 4);
    EXPECT_EQ(FindScreen(504), nullptr);
}

// A TAB with no key pending moves no focus and so paints nothing, but on the
// baffle-step pages: 505 runs in full, 506 paints once more after its step.
TEST(Shell, TabWithoutAKeyRepaintsOnlyTheBaffleStepPages) {
    for (int id : {1005, 506, 501, 505, 1027}) {
        Command(id);
        g_shell.splash = 1;   // cleared by the next paint
        Command(9);
        EXPECT_EQ(g_shell.splash, id == 505 || id == 506 ? 0 : 1) << id;
        g_shell.splash = 0;
    }
}

TEST(Shell, LanguageSwitchRelabelsAndShowsTheBareBackdrop) {
    TheApp();
    Command(1015);
    Command(2102);
    EXPECT_EQ(g_shell.language, 2);
    EXPECT_EQ(g_shell.currentScreen, 1015);   // no screen runs
    EXPECT_EQ(CloseButtonText(), "CLOSE");
    EXPECT_EQ(VisibleFields(), 0);
    // The page's own texts are gone; the maker line stays.
    const auto texts = CanvasTexts();
    for (const char* pageText : {"Kondensator seriekopplad", "Kondensator A", "uF", "=", "A"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), pageText), 0) << pageText;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Made by Tulke"), 2);
    // Choosing the language that is current still hides and rebuilds.
    Command(1015);
    EXPECT_EQ(VisibleFields(), 2);
    Command(2102);
    EXPECT_EQ(VisibleFields(), 0);
    Command(2101);
    EXPECT_EQ(g_shell.language, 1);
    EXPECT_EQ(CloseButtonText(), "STÄNG"_cp);
}

}  // namespace
