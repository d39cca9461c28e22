// The menu bar in both languages and the commands that rebuild it.
#include "app_fixture.h"

#include "app/menus.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned kPopup = ~0u, kRule = ~0u - 1;
// Swedish and English; a null English text is the Swedish one.
const struct { unsigned id; const char* sv; const char* en = nullptr; } kBar[] = {
    {kPopup, "Svenska", "English"}, {2101, "Svenska"}, {2102, "English"},
    {kPopup, "Högtalare"_cp, "Loudspeaker"},
    {500, "Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)"}, {507, "NotchFilter"},
    {505, "Baffelsteg"}, {506, "Baffelsteg kompensation"}, {kRule, ""},
    {501, "Delningsfilter 2v 6dB", "Crossover filter 2w 6dB"},
    {502, "Delningsfilter 2v 12dB", "Crossover filter 2w 12dB"},
    {503, "Delningsfilter 2v 18dB", "Crossover filter 2w 18dB"}, {kRule, ""},
    {kPopup, "Elektronik", "Electronics"},
    {1001, "Effekt ur Förstärkare"_cp, "Power out of Amplifier"}, {kRule, ""},
    {1003, "Trådmotstånd diam x längd"_cp, "Wire resistance diam x length"},
    {1005, "Motstånd parallellkopplat"_cp, "Resistance connected in parallel"},
    {1015, "Kondensator seriekopplat", "Capacitor connected in series"}, {kRule, ""},
    {1017, "Filter Lågpass RC"_cp, "Filter Lowpass RC"},
    {1022, "Filter Högpass RC"_cp, "Filter Highpass RC"}, {1027, "Filter Bandpass RC"},
    {1035, "Filter Notch"}, {1043, "Filter Zobel"}, {1048, "Filter Thiele"}, {kRule, ""},
    {1130, "Linda luftspole, ett lager", "Wind Air coil, one layer"}, {kPopup, "OM", "ABOUT"},
    {0, "Av Tulke", "By Tulke"}, {0, "Fri programvara", "Free software"},
    {0, "Version står på titelraden"_cp, "Version is on the title bar"}, {1050, kHomePage}};

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

}  // namespace

TEST(Menus, EachLanguageCommandRebuildsTheBarInThatLanguage) {
    for (int language : {2, 1, 1}) {   // the same language again gives the same bar
        Command(language == 1 ? 2101 : 2102);
        EXPECT_EQ(g_shell.language, language);
        EXPECT_EQ(Bar(), Expected(language));
    }
}

TEST(Menus, MenuChoicesDeliverTheirCommandsAndAboutItemsZero) {
    DeliveredCommands().clear();
    const int screen = g_shell.currentScreen;
    for (const char* item : {"English", "By Tulke", "Svenska"}) {
        ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), item)) << item;
        ProbeProcessEvents();
        EXPECT_EQ(Bar(), Expected(item[0] == 'S' ? 1 : 2)) << item;
    }
    EXPECT_EQ(DeliveredCommands(), (std::vector<WParam>{2102, 0, 2101}));
    EXPECT_EQ(g_shell.currentScreen, screen);
}
