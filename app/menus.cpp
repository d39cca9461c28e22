// The menu bar and its texts in Swedish and English. The bar is built anew,
// in the current language, at start and after every language command.
#include "app/menus.h"

#include "calc/common/commands.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/text.h"

#include <array>
#include <initializer_list>

namespace {

constexpr int kSlotCount = 22;

struct SlotTexts {
    const char* sv;
    const char* en;
};

// Slot n is at index n - 1.
constexpr SlotTexts kSlotTexts[kSlotCount] = {
    {"Svenska", "English"},                                                // 1 language popup
    {"Högtalare"_cp, "Loudspeaker"},                                       // 2 loudspeaker popup
    {"Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)"},                 // 3 item 500
    {"Delningsfilter 2v 6dB", "Crossover filter 2w 6dB"},                  // 4 item 501
    {"Delningsfilter 2v 12dB", "Crossover filter 2w 12dB"},                // 5 item 502
    {"Delningsfilter 2v 18dB", "Crossover filter 2w 18dB"},                // 6 item 503
    {"Elektronik", "Electronics"},                                         // 7 electronics popup
    {"Effekt ur Förstärkare"_cp, "Power out of Amplifier"},                // 8 item 1001
    {"Trådmotstånd diam x längd"_cp, "Wire resistance diam x length"},     // 9 item 1003
    {"Motstånd parallellkopplat"_cp, "Resistance connected in parallel"},  // 10 item 1005
    {"Kondensator seriekopplat", "Capacitor connected in series"},         // 11 item 1015
    {"Filter Lågpass RC"_cp, "Filter Lowpass RC"},                         // 12 item 1017
    {"Filter Högpass RC"_cp, "Filter Highpass RC"},                        // 13 item 1022
    {"Filter Bandpass RC", "Filter Bandpass RC"},                          // 14 item 1027
    {"Filter Notch", "Filter Notch"},                                      // 15 item 1035
    {"Filter Zobel", "Filter Zobel"},                                      // 16 item 1043
    {"Filter Thiele", "Filter Thiele"},                                    // 17 item 1048
    {"Linda luftspole, ett lager", "Wind Air coil, one layer"},            // 18 item 1130
    {"OM", "ABOUT"},                                                       // 19 About popup
    {"Av Tulke", "By Tulke"},                                              // 20 About, command 0
    {"Fri programvara", "Free software"},                                  // 21 About, command 0
    {"Version står på titelraden"_cp, "Version is on the title bar"},      // 22 About, command 0
};

// The context menu of the input fields, as Windows words it.
constexpr const char* kEditMenuSv[tk::kEditMenuEntries] = {
    "&Ångra"_cp, "Klipp &ut", "&Kopiera", "Klistra &in", "&Ta bort", "&Markera allt"};
constexpr const char* kEditMenuEn[tk::kEditMenuEntries] = {"&Undo",  "Cu&t",    "&Copy",
                                                           "&Paste", "&Delete", "Select &All"};

// The texts of the last SetLanguageTexts; null until a language was set.
std::array<const char*, kSlotCount> g_slots{};

struct Entry {
    int slot;  // 0: the fixed text below
    const char* text;
    int id;
};

void AddEntries(tk::Menu popup, std::initializer_list<Entry> entries) {
    for (const Entry& e : entries)
        tk::AddMenuItem(popup, e.slot != 0 ? MenuTextSlot(e.slot) : e.text, unsigned(e.id));
}

}  // namespace

void SetLanguageTexts(tk::Window /*window*/) {
    if (g_shell.language != 1 && g_shell.language != 2) return;
    for (int i = 0; i < kSlotCount; ++i)
        g_slots[i] = g_shell.language == 1 ? kSlotTexts[i].sv : kSlotTexts[i].en;
}

const char* const* EditMenuTexts() { return g_shell.language == 2 ? kEditMenuEn : kEditMenuSv; }

const char* MenuTextSlot(int slot) {
    if (slot < 1 || slot > kSlotCount) return "";
    const char* text = g_slots[slot - 1];
    return text != nullptr ? text : "";
}

void BuildMenuBar(tk::Window window) {
    SetLanguageTexts(window);
    tk::Menu bar = tk::CreateMenuBar();

    tk::Menu language = tk::AddMenuPopup(bar, MenuTextSlot(1));
    AddEntries(language, {{0, "Svenska", command::kSwedish}, {0, "English", command::kEnglish}});

    tk::Menu loudspeaker = tk::AddMenuPopup(bar, MenuTextSlot(2));
    AddEntries(loudspeaker, {{3, nullptr, command::kConjugateLink},
                             {0, "NotchFilter", command::kNotchFilter},
                             {0, "Baffelsteg", command::kBaffleStep},
                             {0, "Baffelsteg kompensation", command::kBaffleStepCompensation}});
    tk::InsertMenuSeparator(loudspeaker, 5);
    AddEntries(loudspeaker, {{4, nullptr, command::kCrossover6dB},
                             {5, nullptr, command::kCrossover12dB},
                             {6, nullptr, command::kCrossover18dB}});
    // Position 10 lies past the eight entries: the popup ends with a rule.
    tk::InsertMenuSeparator(loudspeaker, 10);

    tk::Menu electronics = tk::AddMenuPopup(bar, MenuTextSlot(7));
    AddEntries(electronics, {{8, nullptr, command::kAmplifierPower}});
    tk::InsertMenuSeparator(electronics, 2);
    AddEntries(electronics, {{9, nullptr, command::kWireResistance},
                             {10, nullptr, command::kResistorsParallel},
                             {11, nullptr, command::kCapacitorsSeries}});
    tk::InsertMenuSeparator(electronics, 6);
    AddEntries(electronics, {{12, nullptr, command::kRcLowPass},
                             {13, nullptr, command::kRcHighPass},
                             {14, nullptr, command::kRcBandPass},
                             {15, nullptr, command::kRcNotch},
                             {16, nullptr, command::kRcZobel},
                             {17, nullptr, command::kThiele}});
    tk::InsertMenuSeparator(electronics, 13);
    AddEntries(electronics, {{18, nullptr, command::kAirCoil}});

    tk::Menu about = tk::AddMenuPopup(bar, MenuTextSlot(19));
    AddEntries(
        about,
        {{20, nullptr, 0}, {21, nullptr, 0}, {22, nullptr, 0}, {0, kHomePage, command::kHomePage}});

    tk::AttachMenuBar(window, bar);
}
