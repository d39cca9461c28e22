// RC Zobel network.

#include "rc_zobel.h"

Screen g_rcZobel{1043, {}, {}, nullptr};
