// RC high-pass filter (screen 1022).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_rcHighPass;
