// Notch filter across a driver.

#include "notch_filter.h"

Screen g_notchFilter{507, {}, {}, nullptr};
