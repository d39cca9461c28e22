// Two-way crossover, 6 dB (screen 501).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_crossover6dB;
