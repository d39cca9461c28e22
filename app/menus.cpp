// The menu bar and its texts in Swedish and English: a table of the popups,
// with the items of the language and About popups; the pages' items come
// from their records, in the order of the screen table. The bar is built
// anew, in the current language, at start and after every language command.
#include "app/menus.h"

#include "app/screens.h"
#include "calc/common/commands.h"
#include "calc/common/screen.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/text.h"

#include <optional>
#include <span>

namespace {

// An item of the language or About popup: the command it posts (0 for none)
// and its texts; a null English text is the Swedish one.
struct MenuItem {
    int command;
    const char* sv;
    const char* en = nullptr;
};

constexpr MenuItem kLanguageItems[] = {
    {command::kSwedish, "Svenska"},
    {command::kEnglish, "English"},
};

constexpr MenuItem kAboutItems[] = {
    {0, "Av Tulke", "By Tulke"},
    {0, "Fri programvara", "Free software"},
    {0, "Version står på titelraden"_cp, "Version is on the title bar"},
    {command::kHomePage, kHomePageAddress},
};

// The bar from left to right: each popup's title and its items, fixed ones
// or the pages of the screen table that name it; a popup may end with a rule.
struct BarPopup {
    const char* sv;
    const char* en;
    std::span<const MenuItem> items;
    std::optional<Popup> pages = std::nullopt;
    Rule ruleAtEnd = Rule::None;
};
constexpr BarPopup kPopups[] = {
    {"Svenska", "English", kLanguageItems},
    {"Högtalare"_cp, "Loudspeaker", {}, Popup::Loudspeaker, Rule::Before},
    {"Elektronik", "Electronics", {}, Popup::Electronics},
    {"OM", "ABOUT", kAboutItems},
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
    for (const BarPopup& popup : kPopups) {
        tk::Menu menu = tk::AddMenuPopup(bar, InLanguage(popup.sv, popup.en));
        for (const MenuItem& item : popup.items)
            tk::AddMenuItem(menu, InLanguage(item.sv, item.en), unsigned(item.command));
        for (const Screen* page : AllScreens()) {
            if (page->menu.popup != popup.pages) continue;
            if (page->menu.rule == Rule::Before) tk::AddMenuSeparator(menu);
            tk::AddMenuItem(menu, InLanguage(page->menu.sv, page->menu.en), unsigned(page->id));
        }
        if (popup.ruleAtEnd == Rule::Before) tk::AddMenuSeparator(menu);
    }
    tk::SetWindowLanguage(window, InLanguage("sv", "en"));
    tk::AttachMenuBar(window, bar);
}
