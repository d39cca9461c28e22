// Two-way crossover, 18 dB.

#include "crossover_18db.h"

Screen g_crossover18dB{503, {}, {}, nullptr};
