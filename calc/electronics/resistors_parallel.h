// Two resistors in parallel (screen 1005).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// (A x B) / (A + B): the product divided by the sum.
double ParallelResistance(double a, double b);

struct ResistorsParallelLabels {
    std::string a, b, total;
};
// The value labels the page shows for what the fields hold.
ResistorsParallelLabels ResistorsParallelPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kResistorsParallelFields[] = {
    {280, 40, "Motstånd A"_cp, "Resistance A"},
    {280, 70, "Motstånd B"_cp, "Resistance B"},
};
void DrawResistorsParallel(tk::Window window, const FieldInputs& in);
inline constexpr Screen kResistorsParallelScreen{
    .id = 1005,
    .menu = {Popup::Electronics, "Motstånd parallellkopplat"_cp,
             "Resistance connected in parallel"},
    .fields = kResistorsParallelFields,
    .page = DrawResistorsParallel};
