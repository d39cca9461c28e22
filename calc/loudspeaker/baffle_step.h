// Baffle step (screen 505).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_baffleStep;
