// RC twin-T notch filter (screen 1035).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// The parts the page derives from the entered R (ohm) and C (uF), and the
// notch frequency.
struct TwinTValues {
    double r3;   // shunt resistor of the capacitor T, ohm
    double c23;  // each series capacitor of the capacitor T, uF
    double f;    // Hz
};
// R3 = R and C23 = 0, both doubled (R3 = 2R, C23 = 2C) only when R and C are
// both positive; f = 1 / ((R3 x 12.56 x C) / 1e6).
TwinTValues TwinTNotch(double r, double c);

struct RcNotchLabels {
    std::string r, c, r3, c23, f;  // value labels with their units
    int graphOffset;               // the grid shift for the notch frequency
};
// The value labels the page shows for what the fields hold.
RcNotchLabels RcNotchPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kRcNotchFields[] = {
    {280, 40, "Motstånd       R"_cp, "Resistance     R"},
    {280, 70, "Kondensator   C", "Capacitor      C"},
};
void DrawRcNotch(tk::Window window, const FieldInputs& in);
inline constexpr Screen kRcNotchScreen{.id = 1035,
                                       .menu = {Popup::Electronics, "Filter Notch"},
                                       .fields = kRcNotchFields,
                                       .page = DrawRcNotch,
                                       .enterRuns = 4};
