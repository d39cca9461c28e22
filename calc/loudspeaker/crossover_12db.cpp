// Two-way crossover, 12 dB.

#include "crossover_12db.h"

Screen g_crossover12dB{502, {}, {}, nullptr};
