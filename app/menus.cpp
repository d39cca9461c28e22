// The menu bar and its texts in Swedish and English: one table of rows per
// popup and a table of the popups. The bar is built anew, in the current
// language, at start and after every language command.
#include "app/menus.h"

#include "calc/common/commands.h"
#include "calc/common/screen.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/text.h"

#include <span>

namespace {

enum class Rule { None, Before };

// An item of a popup: the command it posts (0 for none) and its texts; a
// null English text is the Swedish one. A rule before it sets it apart from
// the items above.
struct MenuRow {
    int command;
    const char* sv;
    const char* en = nullptr;
    Rule rule = Rule::None;
};
// The row that ends a popup with a rule.
constexpr MenuRow kRuleAtEnd{0, nullptr, nullptr, Rule::Before};

constexpr MenuRow kLanguageRows[] = {
    {command::kSwedish, "Svenska"},
    {command::kEnglish, "English"},
};

constexpr MenuRow kLoudspeakerRows[] = {
    {command::kConjugateLink, "Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)"},
    {command::kNotchFilter, "NotchFilter"},
    {command::kBaffleStep, "Baffelsteg"},
    {command::kBaffleStepCompensation, "Baffelsteg kompensation"},
    {command::kCrossover6dB, "Delningsfilter 2v 6dB", "Crossover filter 2w 6dB", Rule::Before},
    {command::kCrossover12dB, "Delningsfilter 2v 12dB", "Crossover filter 2w 12dB"},
    {command::kCrossover18dB, "Delningsfilter 2v 18dB", "Crossover filter 2w 18dB"},
    kRuleAtEnd,
};

constexpr MenuRow kElectronicsRows[] = {
    {command::kAmplifierPower, "Effekt ur Förstärkare"_cp, "Power out of Amplifier"},
    {command::kWireResistance, "Trådmotstånd diam x längd"_cp, "Wire resistance diam x length",
     Rule::Before},
    {command::kResistorsParallel, "Motstånd parallellkopplat"_cp,
     "Resistance connected in parallel"},
    {command::kCapacitorsSeries, "Kondensator seriekopplat", "Capacitor connected in series"},
    {command::kRcLowPass, "Filter Lågpass RC"_cp, "Filter Lowpass RC", Rule::Before},
    {command::kRcHighPass, "Filter Högpass RC"_cp, "Filter Highpass RC"},
    {command::kRcBandPass, "Filter Bandpass RC"},
    {command::kRcNotch, "Filter Notch"},
    {command::kRcZobel, "Filter Zobel"},
    {command::kThiele, "Filter Thiele"},
    {command::kAirCoil, "Linda luftspole, ett lager", "Wind Air coil, one layer", Rule::Before},
};

constexpr MenuRow kAboutRows[] = {
    {0, "Av Tulke", "By Tulke"},
    {0, "Fri programvara", "Free software"},
    {0, "Version står på titelraden"_cp, "Version is on the title bar"},
    {command::kHomePage, kHomePageAddress},
};

// The bar from left to right: each popup's title and its rows.
struct Popup {
    const char* sv;
    const char* en;
    std::span<const MenuRow> rows;
};
constexpr Popup kPopups[] = {
    {"Svenska", "English", kLanguageRows},
    {"Högtalare"_cp, "Loudspeaker", kLoudspeakerRows},
    {"Elektronik", "Electronics", kElectronicsRows},
    {"OM", "ABOUT", kAboutRows},
};

// The context menu of the input fields, as Windows words it.
constexpr const char* kEditMenuSv[tk::kEditMenuEntries] = {
    "&Ångra"_cp, "Klipp &ut", "&Kopiera", "Klistra &in", "&Ta bort", "&Markera allt"};
constexpr const char* kEditMenuEn[tk::kEditMenuEntries] = {"&Undo",  "Cu&t",    "&Copy",
                                                           "&Paste", "&Delete", "Select &All"};

}  // namespace

const char* const* EditMenuTexts() {
    return g_shell.language == Language::English ? kEditMenuEn : kEditMenuSv;
}

void BuildMenuBar(tk::Window window) {
    tk::Menu bar = tk::CreateMenuBar();
    for (const Popup& popup : kPopups) {
        tk::Menu menu = tk::AddMenuPopup(bar, InLanguage(popup.sv, popup.en));
        for (const MenuRow& row : popup.rows) {
            if (row.rule == Rule::Before) tk::AddMenuSeparator(menu);
            if (row.sv != nullptr)
                tk::AddMenuItem(menu, InLanguage(row.sv, row.en), unsigned(row.command));
        }
    }
    tk::SetWindowLanguage(window, InLanguage("sv", "en"));
    tk::AttachMenuBar(window, bar);
}
