// Baffle step compensation (screen 506).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_baffleStepCompensation;
