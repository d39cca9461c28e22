// Wire resistance (screen 1003).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// Cross-section in mm2 of a round wire of diameter D mm: (D x D) x 0.785.
double WireSection(double diameter);
// Resistance in ohm of a copper wire of diameter D mm and length L mm:
// (L / 1000 x 0.018) / section.
double WireResistance(double diameter, double length);

struct WireResistanceLabels {
    std::string diameter, section, length, resistance;
};
// The value labels the page shows for what the fields hold. `lengthTyped` is
// the length field's text as typed, a comma kept as a comma.
WireResistanceLabels WireResistancePage(const FieldInputs& in, const std::string& lengthTyped);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kWireResistanceFields[] = {
    {280, 40, "Diameter"},
    {280, 70, "Trådlängd"_cp, "Wire length"},
};
void DrawWireResistance(tk::Window window, const FieldInputs& in);
inline constexpr Screen kWireResistanceScreen{
    .id = 1003,
    .menu = {Popup::Electronics, "Trådmotstånd diam x längd"_cp, "Wire resistance diam x length",
             Rule::Before},
    .fields = kWireResistanceFields,
    .page = DrawWireResistance};
