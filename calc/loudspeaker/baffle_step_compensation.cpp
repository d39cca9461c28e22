// Baffle step compensation.

#include "baffle_step_compensation.h"

Screen g_baffleStepCompensation{506, {}, {}, nullptr};
