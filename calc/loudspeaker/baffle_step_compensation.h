// Baffle step compensation (screen 506).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// ((W / 1000) x Z) / 1.021: the coil in mH for a baffle W mm wide and a
// driver of Z ohm.
double CompensationCoil(double widthMm, double impedance);

struct BaffleStepCompensationLabels {
    std::string frequency, coil, resistor;
    int graphOffset;  // what the backdrop gets: the step 125 pixels left of x 796
};
BaffleStepCompensationLabels BaffleStepCompensationPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kBaffleStepCompensationFields[] = {
    {280, 40, "Högtalarens bredd"_cp, "Speaker width"},
    {280, 70, "Högtalarens imp."_cp, "Speaker imp."},
};
void DrawBaffleStepCompensation(tk::Window window, const FieldInputs& in);
inline constexpr Screen kBaffleStepCompensationScreen{
    .id = 506,
    .menu = {Popup::Loudspeaker, "Baffelsteg kompensation"},
    .fields = kBaffleStepCompensationFields,
    .page = DrawBaffleStepCompensation,
    .enterRuns = 1,
    .repaintAfterFocus = true};
