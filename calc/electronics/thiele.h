// Thiele RC filter (screen 1048).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_thiele;
