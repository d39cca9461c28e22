// Amplifier output power: the amplifier as a grey box wired to a load
// resistor and a meter, with the power, the load, the current and the voltage
// written beside them.

#include "calc/electronics/amplifier_power.h"

#include "calc/common/backdrop.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "Volt", nullptr},
};

constexpr Box kParts[] = {
    {270, 270, 150, 150},  // amplifier
    {570, 285, 15, 120},   // load resistor
    {750, 300, 50, 100},   // meter
    {753, 305, 44, 30},    // its display
};

constexpr Wire kWires[] = {
    // From the amplifier to the load.
    {420, 309, 550, 309},
    {420, 370, 550, 370},
    // Round the resistor.
    {550, 370, 550, 430},
    {550, 260, 550, 310},
    {550, 430, 577, 430},
    {550, 260, 577, 260},
    {577, 260, 577, 285},
    {577, 405, 577, 430},
    // Meter leads: a three-pixel stub and a one-pixel wire, above and below.
    {570, 269, 600, 269},
    {570, 270, 780, 270},
    {570, 271, 600, 271},
    {570, 419, 600, 419},
    {570, 420, 780, 420},
    {570, 421, 600, 421},
};

// Drawn over the parts they name.
constexpr PageText kLetters[] = {
    {400, 300, FontRole::Label, "R", nullptr},
    {560, 330, FontRole::Label, "R", nullptr},
    {770, 320, FontRole::Label, "V", nullptr},
};
constexpr PageText kAmplifierName[] = {{320, 330, FontRole::Label, "AMPLIFIER", nullptr}};

// Both results take three decimals while the power stays below 10 W; above
// that (and for a power that is not a number) the power takes none and the
// current one.
int PowerDecimals(double power) { return power < 10 ? 3 : 0; }
int CurrentDecimals(double power) { return power < 10 ? 3 : 1; }

}  // namespace

void DrawAmplifierPower(tk::Window window, const FieldInputs& in) {
    // The voltage is labelled as typed, read again from its field.
    const AmplifierPowerLabels labels =
        AmplifierPowerPage(in, FieldTextAsTyped(kAmplifierPowerScreen, 1));
    BeginPageDrawing(window, BackdropMode::Plain, 0);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Effekt ur förstärkare"_cp, "Power from amplifier");
    DrawFieldLabels(window, kAmplifierPowerFields);
    DrawBoxes(window, kParts);
    DrawWires(window, kWires);
    DrawTexts(window, kLetters);
    DrawTexts(window, kAmplifierName, kWhite);
    DrawValue(window, 440, 330, labels.power);
    DrawValue(window, 595, 330, labels.resistance);
    DrawValue(window, 810, 330, labels.current);
    DrawValue(window, 810, 310, labels.voltage);
}

double AmplifierPower(double resistance, double voltage) {
    const double squared = voltage * voltage;
    return squared / resistance;
}

double AmplifierCurrent(double resistance, double voltage) { return voltage / resistance; }

AmplifierPowerLabels AmplifierPowerPage(const FieldInputs& in, const std::string& voltageTyped) {
    const double r = in.value[0];
    const double v = in.value[1];
    const double power = AmplifierPower(r, v);
    const std::string powerText = Formatted(power, PowerDecimals(power));
    const std::string currentText = Formatted(AmplifierCurrent(r, v), CurrentDecimals(power));
    return {ResultLabel(powerText, 'n', "0.00", " Watt"), InputLabel(in.text[0], "0.00", " ohm"),
            ResultLabel(currentText, 'n', "0.00", " Ampere"),
            InputLabel(voltageTyped, "0.00", " Volt")};
}
