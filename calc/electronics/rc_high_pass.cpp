// RC high-pass filter.

#include "rc_high_pass.h"

Screen g_rcHighPass{1022, {}, {}, nullptr};
