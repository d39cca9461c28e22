// RC low-pass filter.

#include "rc_low_pass.h"

Screen g_rcLowPass{1017, {}, {}, nullptr};
