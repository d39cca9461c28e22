// RC Zobel network (screen 1043).
#pragma once

#include "calc/common/screen.h"

#include <string>

// 1 / ((R x 6.28 x C) / 1e6) for R in ohm and C in uF; 0 unless both are
// positive.
double ZobelFrequency(double r, double c);

struct RcZobelLabels {
    std::string r, c;  // value labels with their units
    std::string f;     // the bare frequency, no unit
    int graphOffset;
};
RcZobelLabels RcZobelPage(const FieldInputs& in);

extern const Screen kRcZobelScreen;
