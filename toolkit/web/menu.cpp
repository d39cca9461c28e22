// The menu bar in the browser: elements with menubar, menuitem, menu and
// separator roles (library.js makes them), worked by the mouse and from the
// keyboard (toolkit/menu_keys.h); leaving the bar gives the keyboard back to
// the field that had it.

#include "toolkit/web/web_bridge.h"

#include <emscripten.h>

#include <algorithm>

namespace tk {

MenuBarState g_menuState;
Menu g_menuBar = nullptr;

namespace {

Window g_return = nullptr;  // the field that had the keyboard before the bar

int Titles() { return g_menuBar ? static_cast<int>(g_menuBar->popups.size()) : 0; }

const std::vector<MenuEntry>& Entries(int title) { return g_menuBar->popups[title]->entries; }

bool Choosable(int title, int item) {
    return title >= 0 && title < Titles() && item >= 0 &&
           item < static_cast<int>(Entries(title).size()) && !Entries(title)[item].separator;
}

void Render() {
    web_menu_state(g_menuState.title, g_menuState.open, g_menuState.item, g_menuState.keys);
}

void Describe() {
    std::string description;
    for (const Menu popup : g_menuBar->popups) {
        description += "T" + Cp1252ToUtf8(popup->title) + "\n";
        for (const MenuEntry& entry : popup->entries)
            description += (entry.separator ? "-" : "I" + Cp1252ToUtf8(entry.text)) + "\n";
    }
    web_menu_bar(description.c_str());
    Render();
}

// After a change to the bar that shows, the page's elements follow.
void Changed(Menu menu) {
    if (g_menuBar == nullptr) return;
    const std::vector<Menu>& popups = g_menuBar->popups;
    if (menu == g_menuBar || std::count(popups.begin(), popups.end(), menu) > 0) Describe();
}

// Leaves the bar (the keyboard back where it was), if it has it.
void LeaveMenuBar() {
    if (g_menuState.title < 0 && !g_menuState.keys) return;
    const bool keys = g_menuState.keys;
    g_menuState = MenuBarState{};
    Render();
    if (keys) web_focus(g_return != nullptr && g_return->visible ? g_return->id : 0);
    g_return = nullptr;
}

}  // namespace

void ChooseMenuItem(int title, int item) {
    if (!Choosable(title, item)) return;
    const unsigned id = Entries(title)[item].id;
    LeaveMenuBar();
    if (MainWindow() != nullptr) PostCommand(MainWindow(), id);
}

bool MenuKey(int vk, int modifiers) {
    if (g_menuBar == nullptr) return false;
    MenuShape shape;
    for (const Menu popup : g_menuBar->popups) {
        std::vector<bool>& items = shape.emplace_back();
        for (const MenuEntry& entry : popup->entries) items.push_back(!entry.separator);
    }
    const bool left = g_menuState.title < 0;
    switch (MenuBarKey(g_menuState, shape, vk, modifiers != 0)) {
        case MenuStep::NotMine: return false;
        case MenuStep::Leave: LeaveMenuBar(); break;
        case MenuStep::Choose: ChooseMenuItem(g_menuState.title, g_menuState.item); break;
        case MenuStep::Moved:
            if (left) g_return = FocusedField();
            Render();
            break;
    }
    return true;
}

Menu CreateMenuBar() { return new MenuImpl; }

int AttachMenuBar(Window window, Menu menu) {
    if (window == nullptr || menu == nullptr) return 1;
    LeaveMenuBar();
    // A bar in place of another repaints the window, as the desktop's do
    // when they lay the window out again.
    if (g_menuBar != nullptr) RepaintWindow(window, "ERASED");
    g_menuBar = menu;
    Describe();
    return 0;
}

Menu AddMenuPopup(Menu menu, const char* title) {
    if (menu == nullptr) return nullptr;
    auto* popup = new MenuImpl;
    popup->title = title ? title : "";
    menu->popups.push_back(popup);
    Changed(menu);
    return popup;
}

int AddMenuItem(Menu popup, const char* text, unsigned commandId) {
    if (popup == nullptr || text == nullptr) return 1;
    popup->entries.push_back({false, commandId, text});
    Changed(popup);
    return 0;
}

int AddMenuSeparator(Menu popup) {
    if (popup == nullptr) return 1;
    popup->entries.push_back({true, 0, ""});
    Changed(popup);
    return 0;
}

}  // namespace tk

using namespace tk;

extern "C" {

// The mouse on the bar: 0 pressed on title `title`, 1 over a title, 2 over
// item `item` of the open menu, 3 released on it, 4 pressed anywhere off
// the bar.
EMSCRIPTEN_KEEPALIVE void web_menu_mouse(int what, int title, int item) {
    if (title >= Titles() || (what != 4 && title < 0)) return;
    MenuBarState& s = g_menuState;
    if (what == 4 || (what == 0 && s.open && s.title == title)) {
        LeaveMenuBar();
    } else if (what == 0 || (what == 1 && s.open && title != s.title)) {
        if (s.title < 0) g_return = FocusedField();
        s = {title, true, -1, s.keys};
        Render();
    } else if (what == 2 && s.open && title == s.title && Choosable(title, item)) {
        s.item = item;
        Render();
    } else if (what == 3 && s.open) {
        ChooseMenuItem(title, item);
    }
    HandlePending();
}

}  // extern "C"
