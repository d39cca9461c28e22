// Wire resistance.

#include "wire_resistance.h"

Screen g_wireResistance{1003, {}, {}, nullptr};
