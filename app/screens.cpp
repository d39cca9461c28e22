// The screen table: init-pass order, ENTER run counts, and the screens that
// are built so far.

#include "screens.h"

#include "app/shell.h"
#include "calc/electronics/capacitors_series.h"
#include "calc/electronics/resistors_parallel.h"

namespace {

// Screens still to be built have no record: running one only makes it the
// current screen.
const ScreenEntry kScreens[] = {
    {500, 1, nullptr},  {507, 1, nullptr},  {505, 1, nullptr},
    {506, 1, nullptr},  {501, 2, nullptr},  {502, 2, nullptr},
    {503, 2, nullptr},  {1001, 2, nullptr}, {1003, 2, nullptr},
    {1005, 2, &g_resistorsParallel},        {1015, 2, &g_capacitorsSeries},
    {1017, 2, nullptr}, {1022, 2, nullptr}, {1027, 2, nullptr},
    {1035, 4, nullptr}, {1043, 2, nullptr}, {1048, 2, nullptr},
    {1130, 2, nullptr},
};

}  // namespace

std::span<const ScreenEntry> AllScreens() { return kScreens; }

const ScreenEntry* FindScreen(int id) {
    for (const ScreenEntry& entry : kScreens) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

bool RunScreenById(Window window, int id) {
    const ScreenEntry* entry = FindScreen(id);
    if (entry == nullptr) return false;
    if (entry->screen != nullptr) {
        RunScreen(window, *entry->screen);
    } else {
        g_shell.currentScreen = id;
        g_shell.recalc = 0;
    }
    return true;
}
