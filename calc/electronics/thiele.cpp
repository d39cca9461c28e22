// Thiele RC filter.

#include "thiele.h"

Screen g_thiele{1048, {}, {}, nullptr};
