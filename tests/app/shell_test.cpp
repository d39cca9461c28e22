// The shell's window, command dispatch, language switch and menu bar.

#include "app_fixture.h"

#include "app/menus.h"
#include "app/screens.h"
#include "toolkit/draw.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using namespace tk;

namespace {

constexpr unsigned kPopup = ~0u, kRule = ~0u - 1;
// Swedish and English; a null English text is the Swedish one.
const struct {
    unsigned id;
    const char* sv;
    const char* en = nullptr;
} kBar[] = {{kPopup, "Svenska", "English"},
            {2101, "Svenska"},
            {2102, "English"},
            {kPopup, "Högtalare"_cp, "Loudspeaker"},
            {500, "Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)"},
            {507, "NotchFilter"},
            {505, "Baffelsteg"},
            {506, "Baffelsteg kompensation"},
            {kRule, ""},
            {501, "Delningsfilter 2v 6dB", "Crossover filter 2w 6dB"},
            {502, "Delningsfilter 2v 12dB", "Crossover filter 2w 12dB"},
            {503, "Delningsfilter 2v 18dB", "Crossover filter 2w 18dB"},
            {kRule, ""},
            {kPopup, "Elektronik", "Electronics"},
            {1001, "Effekt ur Förstärkare"_cp, "Power out of Amplifier"},
            {kRule, ""},
            {1003, "Trådmotstånd diam x längd"_cp, "Wire resistance diam x length"},
            {1005, "Motstånd parallellkopplat"_cp, "Resistance connected in parallel"},
            {1015, "Kondensator seriekopplat", "Capacitor connected in series"},
            {kRule, ""},
            {1017, "Filter Lågpass RC"_cp, "Filter Lowpass RC"},
            {1022, "Filter Högpass RC"_cp, "Filter Highpass RC"},
            {1027, "Filter Bandpass RC"},
            {1035, "Filter Notch"},
            {1043, "Filter Zobel"},
            {1048, "Filter Thiele"},
            {kRule, ""},
            {1130, "Linda luftspole, ett lager", "Wind Air coil, one layer"},
            {kPopup, "OM", "ABOUT"},
            {0, "Av Tulke", "By Tulke"},
            {0, "Fri programvara", "Free software"},
            {0, "Version står på titelraden"_cp, "Version is on the title bar"},
            {1050, kHomePageAddress}};

std::string Line(unsigned id, const std::string& text) {
    return id == kPopup ? "popup " + text : id == kRule ? "rule" : std::to_string(id) + " " + text;
}
std::vector<std::string> Expected(int language) {
    std::vector<std::string> lines;
    for (const auto& e : kBar) lines.push_back(Line(e.id, language == 2 && e.en ? e.en : e.sv));
    return lines;
}
std::vector<std::string> Bar() {
    std::vector<std::string> lines;
    for (const ProbePopup& popup : ProbeMenuBar(TheApp())) {
        lines.push_back(Line(kPopup, popup.title));
        for (const ProbeMenuEntry& e : popup.entries)
            lines.push_back(Line(e.separator ? kRule : e.id, e.text));
    }
    return lines;
}

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

#ifdef _WIN32
// The window is asked for 1006 x 600 and gets the title bar and then the
// menu bar on top; its 3-pixel frame takes its share: the client area under
// the bar is 1000 x 594, the canvas's bottom rows are not shown.
TEST(Shell, WindowHasAFixedClientAreaAndTheCanvas) {
    const ProbeRect client = ProbeClientRect(TheApp());
    EXPECT_EQ(
        std::vector({client.width, client.height, CanvasWidth(g_shell.canvas),
                     CanvasHeight(g_shell.canvas), int(g_shell.splash), int(g_shell.initPass)}),
        std::vector({1000, 594, 1000, 600, 0, 0}));  // splash cleared by the first paint
    Command(2101);  // rebuilding the bar keeps the client area as it is
    EXPECT_EQ(ProbeClientRect(TheApp()).height, 594);
#else
// The inside of a 1006 x 600 window with its 3-pixel frame taken off both
// ways, menu bar included; the client area fills it below the bar.
TEST(Shell, WindowHasAFixedInsideTheClientUnderTheMenuBarAndTheCanvas) {
    const ProbeRect inside = ProbeWindowRect(TheApp()), client = ProbeClientRect(TheApp());
    EXPECT_EQ(std::vector({inside.width, inside.height, client.x, client.y + client.height,
                           client.width, CanvasWidth(g_shell.canvas), CanvasHeight(g_shell.canvas),
                           int(g_shell.splash), int(g_shell.initPass)}),
              std::vector({1000, 594, inside.x, inside.y + 594, 1000, 1000, 600, 0, 0}));
    EXPECT_GT(client.y - inside.y, 10);  // the menu bar above the client
    Command(2101);                       // rebuilding the bar keeps the window as it is
    EXPECT_EQ(ProbeClientRect(TheApp()).height, client.height);
    EXPECT_EQ(ProbeWindowRect(TheApp()).height, 594);
#endif
    // The second window of the same title is refused.
    EXPECT_EQ(OpenMainWindow(0, kProgramTitle, 0, 0, 100, 100, "MIN_MAX_CLO", MainWindowProc),
              nullptr);
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

// A TAB with no key pending moves no focus and so paints nothing, but on the
// baffle-step pages: 505 runs in full, 506 paints once more after its step.
TEST(Shell, TabWithoutAKeyRepaintsOnlyTheBaffleStepPages) {
    for (const Screen* entry : AllScreens()) {
        Command(WParam(entry->id));
        g_shell.splash = true;  // cleared by the next paint
        Command(9);
        EXPECT_EQ(int(g_shell.splash), entry->id == 505 || entry->id == 506 ? 0 : 1) << entry->id;
        g_shell.splash = false;
    }
}

TEST(Shell, LanguageSwitchRelabelsAndShowsTheBareBackdrop) {
    TheApp();
    Command(1015);
    Command(2102);
    EXPECT_EQ(g_shell.language, Language::English);
    EXPECT_EQ(g_shell.currentScreen, 1015);  // no screen runs
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
    EXPECT_EQ(g_shell.language, Language::Swedish);
    EXPECT_EQ(CloseButtonText(), "STÄNG"_cp);
}

TEST(Menus, EachLanguageCommandRebuildsTheBarInThatLanguage) {
    for (int language : {2, 1, 1}) {  // the same language again gives the same bar
        Command(language == 1 ? 2101 : 2102);
        EXPECT_EQ(int(g_shell.language), language);
        EXPECT_EQ(Bar(), Expected(language));
    }
}

TEST(Menus, MenuChoicesDeliverTheirCommandsAndAboutItemsZero) {
    TheApp();
    DeliveredCommands().clear();
    const int screen = g_shell.currentScreen;
    for (const char* item : {"English", "By Tulke", "Svenska"}) {
        ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), item)) << item;
        ProbeProcessEvents();
        EXPECT_EQ(Bar(), Expected(item[0] == 'S' ? 1 : 2)) << item;
    }
    EXPECT_EQ(DeliveredIds(), (std::vector<WParam>{2102, 0, 2101}));
    EXPECT_EQ(g_shell.currentScreen, screen);
}

TEST(Shell, HideAllControlsTwiceHidesEveryFieldAndOptionButNotTheCloseButton) {
    Command(1005);  // a screen with two fields
    auto fields = ProbeEditFields();
    EXPECT_TRUE(std::any_of(fields.begin(), fields.end(), [](auto& f) { return f.visible; }));
    HideAllControls();
    HideAllControls();
    ProbeProcessEvents();
    for (const ProbeField& f : ProbeEditFields()) EXPECT_FALSE(f.visible) << f.x << "," << f.y;
    auto buttons = ProbeButtons();
    auto isClose = [](const ProbeButton& b) { return b.handle == g_shell.closeButton; };
    EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(), isClose), 1);
    for (const ProbeButton& b : buttons) EXPECT_EQ(b.visible, isClose(b)) << b.text;
}

}  // namespace

namespace {

// The menu bar as the keys leave it: the selected title, "+" when the bar has
// the keys, and the open menu with its highlighted item.
std::string MenuKeysState() {
    bool keys = false;
    std::string state = ProbeMenuBarSelection(TheApp(), &keys);
    if (keys) state += "+";
    const ProbeShownMenu menu = ProbeShowingMenu();
    return menu.open ? state + " > " + menu.active : state;
}

std::string FocusedText() {
    for (const ProbeField& f : ProbeEditFields())
        if (f.focused) return f.text;
    return "no focus";
}

TEST(Menus, TheKeyboardSelectsOpensMovesAndChooses) {
    Command(2101);
    Command(1005);
    ProbeTypeText("5");
    const std::string field = FocusedText();
    ProbeProcessEvents();
    DeliveredCommands().clear();
#ifdef _WIN32
    // Left of the first title is the window's own menu, in the title bar:
    // no title of the bar is selected, the bar keeps the keys.
    const char* leftOfFirst = "+";
#else
    const char* leftOfFirst = "OM+";
#endif
    for (const char* key : {"F10", "Alt"}) {
        SCOPED_TRACE(key);
        ProbePressKey(key);
        EXPECT_EQ(MenuKeysState(), "Svenska+");
        for (auto [move, state] :
             {std::pair{"Left", leftOfFirst}, {"Right", "Svenska+"}, {"Right", "Högtalare+"_cp}}) {
            ProbePressKey(move);
            EXPECT_EQ(MenuKeysState(), state) << move;
        }
        ProbePressKey(key);  // the same key leaves the bar, the focus back where it was
        EXPECT_EQ(MenuKeysState(), "");
        EXPECT_EQ(FocusedText(), field);
    }
    ProbeProcessEvents();
#ifdef _WIN32
    // F10 and Alt come to a field as system keys, which it does not pass on
    // to the page; nor does the bar.
    EXPECT_EQ(DeliveredIds(), std::vector<WParam>{});
#else
    EXPECT_EQ(DeliveredCommands(),
              (std::vector<WParam>{121, 18}));  // keys of the page too, the bar's not
#endif
    const struct {
        const char* key;
        std::string state;
    } steps[] = {{"F10", "Svenska+"},
                 {"Right", "Högtalare+"_cp},
                 {"Right", "Elektronik+"},
                 {"Down", "Elektronik+ > Effekt ur Förstärkare"_cp},
                 {"Down", "Elektronik+ > Trådmotstånd diam x längd"_cp},  // over the separator
                 {"Up", "Elektronik+ > Effekt ur Förstärkare"_cp},
                 {"Up", "Elektronik+ > Linda luftspole, ett lager"},
                 {"Escape", "Elektronik+"},
                 {"Escape", ""},  // the menu, then the bar
                 {"Alt", "Svenska+"},
                 {"Right", "Högtalare+"_cp},
                 {"Return", "Högtalare+ > Konjugatlänk (Zobel)"_cp},
                 {"Right", "Elektronik+ > Effekt ur Förstärkare"_cp},
                 {"Left", "Högtalare+ > Konjugatlänk (Zobel)"_cp},
                 {"Down", "Högtalare+ > NotchFilter"_cp},
                 {"Escape", "Högtalare+"_cp},
                 {"Up", "Högtalare+ > Konjugatlänk (Zobel)"_cp},
                 {"Alt", ""}};
    for (const auto& step : steps) {
        ProbePressKey(step.key);
        EXPECT_EQ(MenuKeysState(), step.state) << step.key;
    }
    EXPECT_EQ(FocusedText(), field);
    ProbePressKey("Alt+F");  // types nothing and selects nothing
    EXPECT_EQ(MenuKeysState(), "");
    EXPECT_EQ(FocusedText(), field);
    for (const char* key : {"F10", "Down", "Down", "Return"}) ProbePressKey(key);
    ProbeProcessEvents();
    EXPECT_EQ(g_shell.language, Language::English);  // "English" chosen
    EXPECT_EQ(FocusedText(), "no focus");
    for (const char* key : {"Alt", "Right", "Down", "Return"}) ProbePressKey(key);
    ProbeProcessEvents();
    EXPECT_EQ(g_shell.currentScreen, 500);  // with no focus anywhere
    EXPECT_EQ(MenuKeysState(), "");
    Command(2101);
}

}  // namespace
