// Baffle step compensation (screen 506).
#pragma once

#include "calc/common/screen.h"

#include <string>

// ((W / 1000) x Z) / 1.021: the coil in mH for a baffle W mm wide and a
// driver of Z ohm.
double CompensationCoil(double widthMm, double impedance);

struct BaffleStepCompensationLabels {
    std::string frequency, coil, resistor;
    int graphOffset;  // what the backdrop gets: the step 125 pixels left of x 796
};
BaffleStepCompensationLabels BaffleStepCompensationPage(const FieldInputs& in);

extern const Screen kBaffleStepCompensationScreen;
