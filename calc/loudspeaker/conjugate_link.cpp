// Conjugate link: R1 equals the driver's Re and C1 = Le / Re^2. The page
// shows the network beside the driver and a fixed sketch of the impedance
// that the network keeps flat; the grid always stands at the same place.

#include "calc/loudspeaker/conjugate_link.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "calc/loudspeaker/driver_symbol.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kFixedTexts[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},  {385, 75, FontRole::Label, "mH", nullptr},
    {379, 470, FontRole::Label, "GND", nullptr}, {530, 470, FontRole::Label, "GND", nullptr},
    {410, 303, FontRole::Label, "R 1", nullptr}, {435, 407, FontRole::Label, "C 1", nullptr},
    {188, 223, FontRole::Label, "IN", nullptr},
};

constexpr PageText kTexts[] = {
    {185, 200, FontRole::Label, "Placeras närmast elementet"_cp, "Placed closest to the driver"},
    {650, 200, FontRole::Label, "Impedansen blir rak", "The impedance becomes straight"},
};

// Input wire and the network's branch down to ground, broken by C1's plates.
constexpr Wire kNetworkWires[] = {
    {205, 230, 540, 230},
    {390, 230, 390, 400},
    {390, 420, 390, 470},
};

// R1's body, then C1's two plates, drawn over the branch.
constexpr Box kParts[] = {{377, 260, 25, 100}, {355, 390, 70, 20}, {355, 420, 70, 20}};

constexpr Wire kDriverWires[] = {
    {540, 230, 540, 400},
    {540, 400, 540, 470},
};

// The flat impedance, and the uncompensated one leaving it at x 770.
constexpr Wire kFlatImpedance[] = {
    {650, 375, 955, 375},
    {770, 375, 780, 373},
    {780, 373, 784, 372},
};
constexpr Wire kRisingImpedance[] = {{784, 372, 955, 300}};

}  // namespace

void DrawConjugateLink(tk::Window window, const FieldInputs& in) {
    const ConjugateLinkLabels labels = ConjugateLinkPage(in);
    BeginPageDrawing(window, BackdropMode::GridSplit, FrequencyToGraphOffset(kConjugateGraphHertz));
    DrawTexts(window, kFixedTexts);
    DrawHeadingAndHints(window, "Konjugatlänk"_cp, "Conjugate network");
    DrawFieldLabels(window, kConjugateLinkFields);
    DrawTexts(window, kTexts);
    DrawWires(window, kNetworkWires);
    DrawBoxes(window, kParts);
    DrawWires(window, kDriverWires);
    DrawDriverSymbol(window, 540, 350);
    DrawWires(window, kFlatImpedance);
    DrawWires(window, kRisingImpedance, kLightGrey);
    DrawValue(window, 411, 320, labels.r1);
    DrawValue(window, 435, 425, labels.c1);
}

double ConjugateCapacitance(double re, double le) {
    const double scaled = le * 1000.0;
    const double squared = re * re;
    return scaled / squared;
}

ConjugateLinkLabels ConjugateLinkPage(const FieldInputs& in) {
    const double re = in.value[0];
    const double le = in.value[1];
    const std::string r1 = Formatted(re, 1);
    const std::string c1 = Formatted(ConjugateCapacitance(re, le), 0);
    return {ResultLabel(r1, 'n', "0.00", " ohm"), ResultLabel(c1, 'n', "0.00", " uF")};
}
