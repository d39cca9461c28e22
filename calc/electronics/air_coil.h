// Single-layer air coil (screen 1130).
#pragma once

#include "calc/common/screen.h"

#include <string>

struct AirCoilWinding {
    double turns;   // N, not rounded
    double length;  // mm, at a pitch of 1.2 wire diameters
};

// Wheeler's single-layer formula solved for the number of turns, close-wound:
// L in microhenry, the coil diameter D and the bare wire diameter d in mm.
// A negative discriminant gives not-a-number turns.
AirCoilWinding WindAirCoil(double inductance, double coilDiameter, double wireDiameter);

struct AirCoilLabels {
    std::string inductance, coilDiameter, wireDiameter, turns, length;
};
// The value labels the page shows for what the fields (L, D, d) hold.
AirCoilLabels AirCoilPage(const FieldInputs& in);

extern const Screen kAirCoilScreen;
