// Two-way crossover, 18 dB (screen 503).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_crossover18dB;
