// Amplifier output power (screen 1001).
#pragma once

#include "calc/common/screen.h"

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

extern const Screen kAmplifierPowerScreen;
