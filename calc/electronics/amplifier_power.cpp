// Amplifier output power.

#include "amplifier_power.h"

Screen g_amplifierPower{1001, {}, {}, nullptr};
