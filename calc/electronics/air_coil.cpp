// Single-layer air coil.

#include "air_coil.h"

Screen g_airCoil{1130, {}, {}, nullptr};
