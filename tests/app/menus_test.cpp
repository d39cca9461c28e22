// The menu bar in both languages, its separators, and the language commands
// that rebuild it.
#include "app_fixture.h"

#include "app/menus.h"
#include "app/shell.h"
#include "toolkit/probe.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr unsigned kRule = ~0u;   // a separator in the expected lists

struct Item {
    unsigned id;
    std::string text;
};
struct Popup {
    std::string title;
    std::vector<Item> items;
};

std::vector<Popup> ExpectedBar(int language) {
    const bool sv = language == 1;
    auto t = [sv](const char* s, const char* e) { return std::string(sv ? s : e); };
    return {
        {t("Svenska", "English"), {{2101, "Svenska"}, {2102, "English"}}},
        {t("Högtalare"_cp, "Loudspeaker"),
         {{500, t("Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)")},
          {507, "NotchFilter"},
          {505, "Baffelsteg"},
          {506, "Baffelsteg kompensation"},
          {kRule, ""},
          {501, t("Delningsfilter 2v 6dB", "Crossover filter 2w 6dB")},
          {502, t("Delningsfilter 2v 12dB", "Crossover filter 2w 12dB")},
          {503, t("Delningsfilter 2v 18dB", "Crossover filter 2w 18dB")},
          {kRule, ""}}},
        {t("Elektronik", "Electronics"),
         {{1001, t("Effekt ur Förstärkare"_cp, "Power out of Amplifier")},
          {kRule, ""},
          {1003, t("Trådmotstånd diam x längd"_cp, "Wire resistance diam x length")},
          {1005, t("Motstånd parallellkopplat"_cp, "Resistance connected in parallel")},
          {1015, t("Kondensator seriekopplat", "Capacitor connected in series")},
          {kRule, ""},
          {1017, t("Filter Lågpass RC"_cp, "Filter Lowpass RC")},
          {1022, t("Filter Högpass RC"_cp, "Filter Highpass RC")},
          {1027, "Filter Bandpass RC"},
          {1035, "Filter Notch"},
          {1043, "Filter Zobel"},
          {1048, "Filter Thiele"},
          {kRule, ""},
          {1130, t("Linda luftspole, ett lager", "Wind Air coil, one layer")}}},
        {t("OM", "ABOUT"),
         {{0, t("Av Tulke", "By Tulke")},
          {0, t("Fri programvara", "Free software")},
          {0, t("Version står på titelraden"_cp, "Version is on the title bar")},
          {1050, kHomePage}}},
    };
}

void ExpectBar(const std::vector<Popup>& expected) {
    std::vector<ProbePopup> bar = ProbeMenuBar(TheApp());
    ASSERT_EQ(bar.size(), expected.size());
    for (std::size_t p = 0; p < bar.size(); ++p) {
        EXPECT_EQ(bar[p].title, expected[p].title);
        ASSERT_EQ(bar[p].entries.size(), expected[p].items.size()) << expected[p].title;
        for (std::size_t i = 0; i < bar[p].entries.size(); ++i) {
            const ProbeMenuEntry& got = bar[p].entries[i];
            const Item& want = expected[p].items[i];
            std::string where = expected[p].title + " #" + std::to_string(i + 1);
            if (want.id == kRule) {
                EXPECT_TRUE(got.separator) << where;
                continue;
            }
            EXPECT_FALSE(got.separator) << where;
            EXPECT_EQ(got.id, want.id) << where;
            EXPECT_EQ(got.text, want.text) << where;
        }
    }
}

// Puts the language back as a user would, so the bar matches it again.
class MenuTest : public testing::Test {
protected:
    void SetUp() override {
        TheApp();
        savedLanguage_ = g_shell.language;
    }
    void TearDown() override {
        g_shell.language = savedLanguage_;
        Command(savedLanguage_ == 2 ? 2102 : 2101);
    }
    int savedLanguage_ = 1;
};

}  // namespace

TEST_F(MenuTest, SwedishBar) {
    Command(2101);
    EXPECT_EQ(g_shell.language, 1);
    ExpectBar(ExpectedBar(1));
}

TEST_F(MenuTest, EnglishBar) {
    Command(2102);
    EXPECT_EQ(g_shell.language, 2);
    ExpectBar(ExpectedBar(2));
}

TEST_F(MenuTest, ChoosingALanguageItemRebuildsTheBar) {
    Command(2101);
    DeliveredCommands().clear();
    ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), "English"));
    ProbeProcessEvents();
    EXPECT_NE(std::find(DeliveredCommands().begin(), DeliveredCommands().end(), 2102u),
              DeliveredCommands().end());
    ExpectBar(ExpectedBar(2));

    ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), "Svenska"));
    ProbeProcessEvents();
    ExpectBar(ExpectedBar(1));
    // Choosing the current language again keeps the same bar.
    Command(2101);
    ExpectBar(ExpectedBar(1));
}

TEST_F(MenuTest, AboutItemsWithoutCommandDeliverZeroAndChangeNothing) {
    Command(2101);
    const int screen = g_shell.currentScreen;
    DeliveredCommands().clear();
    ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), "Av Tulke"));
    ProbeProcessEvents();
    ASSERT_EQ(DeliveredCommands().size(), 1u);
    EXPECT_EQ(DeliveredCommands()[0], 0u);
    EXPECT_EQ(g_shell.currentScreen, screen);
    EXPECT_EQ(g_shell.language, 1);
}

TEST_F(MenuTest, TextSlotsFollowTheLanguageAndIgnoreOtherValues) {
    Window w = TheApp();
    g_shell.language = 2;
    SetLanguageTexts(w);
    EXPECT_STREQ(MenuTextSlot(1), "English");
    EXPECT_STREQ(MenuTextSlot(21), "Free software");
    EXPECT_STREQ(MenuTextSlot(22), "Version is on the title bar");

    // Any other language leaves the texts, and a bar built then keeps them.
    for (int other : {0, 3, -1}) {
        g_shell.language = other;
        SetLanguageTexts(w);
        EXPECT_STREQ(MenuTextSlot(2), "Loudspeaker") << other;
    }
    BuildMenuBar(w);
    ExpectBar(ExpectedBar(2));

    g_shell.language = 1;
    SetLanguageTexts(w);
    EXPECT_STREQ(MenuTextSlot(2), "Högtalare"_cp);
    EXPECT_STREQ(MenuTextSlot(18), "Linda luftspole, ett lager");

    EXPECT_STREQ(MenuTextSlot(0), "");
    EXPECT_STREQ(MenuTextSlot(23), "");
}
