// Conjugate link.

#include "conjugate_link.h"

Screen g_conjugateLink{500, {}, {}, nullptr};
