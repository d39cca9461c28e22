// Amplifier output power (screen 1001).
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <string>

// (V x V) / R: the voltage squared, then divided by the load.
double AmplifierPower(double resistance, double voltage);
// V / R.
double AmplifierCurrent(double resistance, double voltage);

struct AmplifierPowerLabels {
    std::string power, resistance, current, voltage;
};
// The value labels the page shows for what the fields hold. `voltageTyped` is
// the voltage field's text as typed, a comma kept as a comma.
AmplifierPowerLabels AmplifierPowerPage(const FieldInputs& in, const std::string& voltageTyped);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kAmplifierPowerFields[] = {
    {280, 40, "Motstånd (R)"_cp, "Resistance (R)"},
    {280, 70, "Spänning (V)"_cp, "Voltage (V)"},
};
void DrawAmplifierPower(tk::Window window, const FieldInputs& in);
inline constexpr Screen kAmplifierPowerScreen{
    .id = 1001,
    .menu = {Popup::Electronics, "Effekt ur Förstärkare"_cp, "Power out of Amplifier"},
    .fields = kAmplifierPowerFields,
    .page = DrawAmplifierPower};
