// Two capacitors in series (screen 1015).
#pragma once

#include "calc/common/screen.h"

#include <string>

// 1 / (1/A + 1/B), in that order of operations.
double SeriesCapacitance(double a, double b);

struct CapacitorsSeriesLabels {
    std::string a, b, total;
};
// The value labels the page shows for what the fields hold.
CapacitorsSeriesLabels CapacitorsSeriesPage(const FieldInputs& in);

extern const Screen kCapacitorsSeriesScreen;
