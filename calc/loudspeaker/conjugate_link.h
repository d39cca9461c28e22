// Conjugate link (screen 500): the series RC network across a driver that
// cancels the rise of its impedance caused by the voice-coil inductance.
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// The network's capacitor in uF for the driver's Re (ohm) and Le (mH):
// Le x 1000 first, then Re squared, then the division.
double ConjugateCapacitance(double re, double le);

struct ConjugateLinkLabels {
    std::string r1, c1;
};
// The value labels the page shows for what the fields (Re, Le) hold.
ConjugateLinkLabels ConjugateLinkPage(const FieldInputs& in);

// The grid of this page is always shifted to this frequency.
inline constexpr double kConjugateGraphHertz = 1300.0;

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kConjugateLinkFields[] = {
    {280, 40, "Elementets Re", "Driver Re"},
    {280, 70, "Elementets Le", "Driver Le"},
};
void DrawConjugateLink(tk::Window window, const FieldInputs& in);
inline constexpr Screen kConjugateLinkScreen{
    .id = 500,
    .menu = {Popup::Loudspeaker, "Konjugatlänk (Zobel)"_cp, "Conjugate link (Zobel)"},
    .fields = kConjugateLinkFields,
    .page = DrawConjugateLink,
    .enterRuns = 1};
