// Two-way crossover, 6 dB.

#include "crossover_6db.h"

Screen g_crossover6dB{501, {}, {}, nullptr};
