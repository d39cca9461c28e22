// Amplifier output power (screen 1001).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_amplifierPower;
