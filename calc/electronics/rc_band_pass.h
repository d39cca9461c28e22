// RC band-pass filter (screen 1027).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// What the page shows for what its fields (R1, C1, R2, C2) hold.
struct RcBandPassLabels {
    std::string r1, c1, r2, c2;
    std::string highPass, lowPass;  // the two corners
};
RcBandPassLabels RcBandPassPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kRcBandPassFields[] = {
    {280, 40, "Motstånd     R 1"_cp, "Resistance     R 1"},
    {280, 70, "Kondensator C 1", "Capacitor C 1"},
    {600, 40, "Motstånd     R 2"_cp, "Resistance     R 2"},
    {600, 70, "Kondensator C 2", "Capacitor C 2"},
};
void DrawRcBandPass(tk::Window window, const FieldInputs& in);
inline constexpr Screen kRcBandPassScreen{.id = 1027,
                                          .menu = {Popup::Electronics, "Filter Bandpass RC"},
                                          .fields = kRcBandPassFields,
                                          .page = DrawRcBandPass};
