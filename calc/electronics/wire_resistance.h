// Wire resistance (screen 1003).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_wireResistance;
