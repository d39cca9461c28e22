// Baffle step (screen 505).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// 115 / (W / 1000): the step frequency in Hz of a front baffle W mm wide.
double BaffleStepFrequency(double widthMm);

// What the page draws for the typed width.
struct BaffleStepView {
    std::string frequency;  // the step frequency, no decimals, " Hz" appended
    int x0;                 // curve origin: the step frequency lies at x0 + 301
    bool curve;             // curve, red marker and frequency label are drawn
    bool outOfRange;        // "OUT OF RANGE" is written under the curve
};
BaffleStepView BaffleStepPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kBaffleStepFields[] = {
    {280, 40, "Högtalarens bredd"_cp, "Speaker width"}};
void DrawBaffleStep(tk::Window window, const FieldInputs& in);
inline constexpr Screen kBaffleStepScreen{.id = 505,
                                          .menu = {Popup::Loudspeaker, "Baffelsteg"},
                                          .fields = kBaffleStepFields,
                                          .page = DrawBaffleStep,
                                          .enterRuns = 1,
                                          .alwaysFull = true};
