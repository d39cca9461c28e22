// RC Zobel network (screen 1043).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_rcZobel;
