// RC band-pass filter (screen 1027).
#pragma once

#include "calc/common/screen.h"

#include <string>

// What the page shows for what its fields (R1, C1, R2, C2) hold.
struct RcBandPassLabels {
    std::string r1, c1, r2, c2;
    std::string highPass, lowPass;  // the two corners
};
RcBandPassLabels RcBandPassPage(const FieldInputs& in);

extern const Screen kRcBandPassScreen;
