// The key names of ProbePressKey.

#include "toolkit/testing/keys.h"

#include "toolkit/testing/probe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tk {

bool ParseKeyName(std::string name, KeyPress& out) {
    // The modifiers in any order, each once.
    for (bool more = true; more;) {
        more = false;
        for (auto [prefix, held] :
             {std::pair{"Shift+", &out.shift}, std::pair{"Ctrl+", &out.control},
              std::pair{"Alt+", &out.alt}}) {
            const std::size_t n = std::strlen(prefix);
            if (!*held && name.size() > n && name.compare(0, n, prefix) == 0) {
                *held = more = true;
                name = name.substr(n);
            }
        }
    }
    const auto named = std::find(std::begin(kKeyNames), std::end(kKeyNames), name);
    if (named != std::end(kKeyNames)) {
        out.key = static_cast<int>(named - std::begin(kKeyNames));
        out.character = out.key < 5 ? "\t\r\r\b\x7f"[out.key] : name == "Escape" ? '\x1b' : 0;
        return true;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        const int n = std::atoi(name.c_str() + 1);
        if (n < 1 || n > 12 || name.substr(1) != std::to_string(n)) return false;
        out.key = kFirstFunctionKey + n - 1;
        return true;
    }
    const char c = name.size() == 1 ? name[0] : '\0';
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    out.key = c;
    out.character = c >= 'A' ? static_cast<char>(c - 'A' + 'a') : c;
    return true;
}

bool ProbeIsKeyName(const std::string& name) {
    KeyPress parsed;
    return ParseKeyName(name, parsed);
}

}  // namespace tk
