// RC Zobel network (screen 1043).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

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

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kRcZobelFields[] = {
    {280, 40, "Motstånd"_cp, "Resistance"},
    {280, 70, "Kondensator", "Capacitor"},
};
void DrawRcZobel(tk::Window window, const FieldInputs& in);
inline constexpr Screen kRcZobelScreen{.id = 1043,
                                       .menu = {Popup::Electronics, "Filter Zobel"},
                                       .fields = kRcZobelFields,
                                       .page = DrawRcZobel};
