// RC twin-T notch filter.

#include "rc_notch.h"

Screen g_rcNotch{1035, {}, {}, nullptr};
