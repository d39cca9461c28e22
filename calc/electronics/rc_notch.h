// RC twin-T notch filter (screen 1035).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_rcNotch;
