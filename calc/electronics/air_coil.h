// Single-layer air coil (screen 1130).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_airCoil;
