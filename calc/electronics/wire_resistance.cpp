// Wire resistance: the cross-section of a round copper wire drawn as a grey
// disc with a dimension line for its diameter, and the wire's section and
// resistance from its diameter and length.

#include "calc/electronics/wire_resistance.h"

#include "calc/common/backdrop.h"
#include "toolkit/text.h"

namespace {

constexpr double kCopperResistivity = 0.018;  // ohm mm2 / m
constexpr double kQuarterPi = 0.785;          // squared diameter to section

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "mm", nullptr},
    {385, 75, FontRole::Label, "mm", nullptr},
};

constexpr PageText kTexts[] = {
    {15, 75, FontRole::Label, "Diameter x längd"_cp, "Diameter x length"},
    {190, 330, FontRole::Label, "Trådlängd:"_cp, "Wire length:"},
};

constexpr Wire kDimensionLines[] = {
    {760, 261, 760, 430},
    {570, 270, 780, 270},
    {570, 420, 780, 420},
};

}  // namespace

void DrawWireResistance(tk::Window window, const FieldInputs& in) {
    // The length is labelled as typed, read again from its field.
    const WireResistanceLabels labels =
        WireResistancePage(in, FieldTextAsTyped(kWireResistanceScreen, 1));
    BeginPageDrawing(window, BackdropMode::Plain, 0);
    DrawTexts(window, kUnits);
    // On this page the Swedish TAB hint stands five pixels right of the
    // English one.
    DrawHeadingAndHints(window, "Trådmotstånd"_cp, "Wire resistance", TabHint::MoveAndCalculate,
                        20);
    DrawFieldLabels(window, kWireResistanceFields);
    DrawTexts(window, kTexts);
    tk::DrawEllipse(window, 400, 270, 150, 150, kLightGrey, kLightGrey);
    DrawWires(window, kDimensionLines);
    DrawValue(window, 780, 330, labels.diameter);
    DrawValue(window, 450, 330, labels.section);
    DrawValue(window, 260, 330, labels.length);
    DrawValue(window, 450, 220, labels.resistance);
}

double WireSection(double diameter) {
    const double squared = diameter * diameter;
    return squared * kQuarterPi;
}

double WireResistance(double diameter, double length) {
    const double metres = length / 1000;
    const double perSection = metres * kCopperResistivity;
    return perSection / WireSection(diameter);
}

WireResistanceLabels WireResistancePage(const FieldInputs& in, const std::string& lengthTyped) {
    const double d = in.value[0];
    const double l = in.value[1];
    // Any result can be far longer than a field: a hair-thin diameter gives a
    // resistance of hundreds of digits, shown whole.
    const std::string section = Formatted(WireSection(d), 3);
    const std::string resistance = Formatted(WireResistance(d, l), 3);
    return {InputLabel(in.text[0], "0.00", " mm"), ResultLabel(section, 'n', nullptr, " mm2"),
            InputLabel(lengthTyped, "0.00", " mm"), ResultLabel(resistance, 'n', "0.000", " ohm")};
}
