// RC band-pass filter.

#include "rc_band_pass.h"

Screen g_rcBandPass{1027, {}, {}, nullptr};
