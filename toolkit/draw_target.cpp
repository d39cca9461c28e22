// The drawing target, the same on every platform.

#include "draw_target.h"

#include <cstring>

namespace tk {

namespace {

DrawTarget g_target = DrawTarget::Client;
MemoryDC g_memory = nullptr;

}  // namespace

DrawTarget CurrentDrawTarget() { return g_target; }

MemoryDC CurrentMemoryDC() { return g_memory; }

int SetDrawTarget(const char* keyword) {
    if (keyword == nullptr) return 0;
    if (std::strcmp(keyword, "CLIENT") == 0)
        g_target = DrawTarget::Client;
    else if (std::strcmp(keyword, "WINDOW") == 0)
        g_target = DrawTarget::Window;
    else if (std::strcmp(keyword, "MEMORY") == 0)
        g_target = DrawTarget::Memory;
    return 0;
}

MemoryDC SetMemoryDC(MemoryDC dc) {
    MemoryDC previous = g_memory;
    g_memory = dc;
    return previous;
}

}  // namespace tk
