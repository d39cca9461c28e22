// Single-layer air coil (screen 1130).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

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

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kAirCoilFields[] = {
    {280, 40, "Induktans", "Inductance"},
    {280, 70, "Spoldiameter", "Coil diameter"},
    {280, 100, "Tråddiameter"_cp, "Wire diameter"},
};
void DrawAirCoil(tk::Window window, const FieldInputs& in);
inline constexpr Screen kAirCoilScreen{.id = 1130,
                                       .menu = {Popup::Electronics, "Linda luftspole, ett lager",
                                                "Wind Air coil, one layer", Rule::Before},
                                       .fields = kAirCoilFields,
                                       .page = DrawAirCoil};
