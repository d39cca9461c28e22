// RC band-pass filter (screen 1027).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_rcBandPass;
