// RC high-pass filter (screen 1022).
#pragma once

#include "calc/common/screen.h"

extern const Screen kRcHighPassScreen;
