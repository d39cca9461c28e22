// The eighteen calculator screens in init-pass order.
#pragma once

#include "calc/common/screen.h"

#include <span>

std::span<const Screen* const> AllScreens();
// The screen whose id is `id`, or null.
const Screen* FindScreen(int id);
