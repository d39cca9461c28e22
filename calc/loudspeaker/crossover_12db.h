// Two-way crossover, 12 dB (screen 502).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_crossover12dB;
