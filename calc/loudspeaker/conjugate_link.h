// Conjugate link (screen 500).
#pragma once

#include "calc/electronics/screen.h"

extern Screen g_conjugateLink;
