// Notch filter across a driver (screen 507).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_notchFilter;
