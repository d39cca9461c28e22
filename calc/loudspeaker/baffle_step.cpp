// Baffle step.

#include "baffle_step.h"

Screen g_baffleStep{505, {}, {}, nullptr};
