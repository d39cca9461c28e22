// RC low-pass filter (screen 1017).
#pragma once

#include "calc/common/screen.h"

extern const Screen kRcLowPassScreen;
