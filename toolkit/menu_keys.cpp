#include "toolkit/menu_keys.h"

#include "toolkit/controls.h"

namespace tk {

namespace {

// The next item from `item` on in `step`s, over the rules, round the ends;
// -1 in a menu without a choosable item.
int NextItem(const std::vector<bool>& entries, int item, int step) {
    const int count = static_cast<int>(entries.size());
    for (int i = 1; i <= count; ++i) {
        const int at = ((item + step * i) % count + count) % count;
        if (entries[static_cast<std::size_t>(at)]) return at;
    }
    return -1;
}

}  // namespace

MenuStep MenuBarKey(MenuBarState& s, const MenuShape& bar, int vk, bool modified) {
    const int titles = static_cast<int>(bar.size());
    const bool f10 = vk == kKeyF10 && !modified;
    if (titles == 0 || (s.title < 0 && !f10)) return MenuStep::NotMine;
    s.keys = true;
    if (s.title < 0 || s.title >= titles) {
        s = {0, false, -1, true};
        return MenuStep::Moved;
    }
    const auto open = [&](int title) {
        s.title = title;
        s.open = true;
        s.item = NextItem(bar[static_cast<std::size_t>(title)], -1, 1);
    };
    if (f10) return MenuStep::Leave;
    switch (vk) {
        case kKeyLeft:
        case kKeyRight: {
            const int title = (s.title + (vk == kKeyRight ? 1 : titles - 1)) % titles;
            if (s.open)
                open(title);
            else
                s.title = title;
            break;
        }
        case kKeyUp:
        case kKeyDown:
            if (!s.open)
                open(s.title);
            else
                s.item = NextItem(bar[static_cast<std::size_t>(s.title)], s.item,
                                  vk == kKeyDown ? 1 : -1);
            break;
        case kKeyReturn:
        case kKeySpace:
            if (s.open) return MenuStep::Choose;
            open(s.title);
            break;
        case kKeyEscape:
            if (!s.open) return MenuStep::Leave;
            s.open = false;
            s.item = -1;
            break;
        default: break;
    }
    return MenuStep::Moved;
}

void AltTap::Down(int vk, bool otherModifiers) { alone = vk == kKeyAlt && !otherModifiers; }

bool AltTap::Up(int vk) {
    const bool tap = vk == kKeyAlt && alone;
    alone = false;
    return tap;
}

}  // namespace tk
