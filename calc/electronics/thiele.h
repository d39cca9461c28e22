// Thiele RC filter (screen 1048).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// R / ((L / 1000) x 6.28) for R in ohm and L in mH, unguarded.
double ThieleFrequency(double r, double l);

struct ThieleLabels {
    std::string r, l, f;  // value labels with their units
    int graphOffset;
};
ThieleLabels ThielePage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kThieleFields[] = {
    {280, 40, "Motstånd R"_cp, "Resistance R"},
    {280, 70, "Spole L", "Coil L"},
};
void DrawThiele(tk::Window window, const FieldInputs& in);
inline constexpr Screen kThieleScreen{.id = 1048,
                                      .menu = {Popup::Electronics, "Filter Thiele"},
                                      .fields = kThieleFields,
                                      .page = DrawThiele};
