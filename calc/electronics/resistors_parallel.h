// Two resistors in parallel (screen 1005).
#pragma once

#include "calc/common/screen.h"

#include <string>

// (A x B) / (A + B): the product divided by the sum.
double ParallelResistance(double a, double b);

struct ResistorsParallelLabels {
    std::string a, b, total;
};
// The value labels the page shows for what the fields hold.
ResistorsParallelLabels ResistorsParallelPage(const FieldInputs& in);

extern const Screen kResistorsParallelScreen;
