// Notch filter across a driver (screen 507): a series L-C-R branch that
// takes a response peak down at one frequency.
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// The coil in mH, chosen from the frequency alone: sqrt(1000 / f).
double NotchCoil(double hertz);
// The capacitor in uF that resonates with `coilMh` at `hertz`.
double NotchCapacitor(double hertz, double coilMh);
// How deep the dip is drawn, in pixels: the number of depth thresholds above
// R1 (ohm). A value equal to a threshold counts as reaching it; a value that
// is not a number reaches none.
int NotchDepth(double r1);
// How far the dip's shoulders spread, in pixels, for a depth.
int NotchWidth(int depth);

struct NotchFilterLabels {
    std::string frequency, c1, l1, resistor;
    int depth = 0;
    int width = 0;
};
// The value labels and the dip's shape for what the fields (f, R1) hold.
NotchFilterLabels NotchFilterPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kNotchFilterFields[] = {
    {280, 40, "Frekvens", "Frequency"},
    {280, 70, "Motstånd    R 1"_cp, "Resistor    R 1"},
};
void DrawNotchFilter(tk::Window window, const FieldInputs& in);
inline constexpr Screen kNotchFilterScreen{.id = 507,
                                           .menu = {Popup::Loudspeaker, "NotchFilter"},
                                           .fields = kNotchFilterFields,
                                           .page = DrawNotchFilter,
                                           .enterRuns = 1};
