// Inside the toolkit: where the drawing calls draw now, as SetDrawTarget and
// SetMemoryDC (draw.h) set it. Every platform's drawing code reads it here.
#pragma once

#include "draw.h"

namespace tk {

enum class DrawTarget { Client, Window, Memory };

DrawTarget CurrentDrawTarget();
// The memory canvas drawn into while the target is Memory; the last one made
// until SetMemoryDC names another.
MemoryDC CurrentMemoryDC();

}  // namespace tk
