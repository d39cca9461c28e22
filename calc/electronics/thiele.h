// Thiele RC filter (screen 1048).
#pragma once

#include "calc/common/screen.h"

#include <string>

// R / ((L / 1000) x 6.28) for R in ohm and L in mH, unguarded.
double ThieleFrequency(double r, double l);

struct ThieleLabels {
    std::string r, l, f;  // value labels with their units
    int graphOffset;
};
ThieleLabels ThielePage(const FieldInputs& in);

extern const Screen kThieleScreen;
