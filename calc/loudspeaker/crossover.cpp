// The two-way crossover pages' shared computation and drawing.

#include "calc/loudspeaker/crossover.h"

#include "calc/common/backdrop.h"
#include "calc/common/graph.h"
#include "calc/loudspeaker/driver_symbol.h"
#include "toolkit/button.h"
#include "toolkit/text.h"

#include <algorithm>

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "ohm", nullptr},
    {385, 105, FontRole::Label, "Hz", nullptr},
};

constexpr PageText kButtonHeading[] = {{15, 90, FontRole::Label, "Filtertyp", "Filter type"}};

constexpr int kCoilSize = 25;
constexpr int kPlateWidth = 20;
constexpr int kPlateHeight = 5;

std::array<bool, kMaxOptions> CheckedButtons(const Screen& screen) {
    std::array<bool, kMaxOptions> checked{};
    for (std::size_t i = 0; i < screen.options.size() && i < checked.size(); ++i)
        checked[i] = tk::IsOptionChecked(ControlsOf(screen).options[i]) == 1;
    return checked;
}

// Grey plate, white gap (which cuts the wire), grey plate.
void DrawCapacitor(tk::Window window, Point top) {
    tk::FillBox(window, top.x, top.y, kPlateWidth, kPlateHeight, kLightGrey);
    tk::FillBox(window, top.x, top.y + kPlateHeight, kPlateWidth, kPlateHeight, kWhite);
    tk::FillBox(window, top.x, top.y + 2 * kPlateHeight, kPlateWidth, kPlateHeight, kLightGrey);
}

}  // namespace

bool IsCoil(ComponentFormula formula) { return formula != ComponentFormula::Capacitor; }

double ComponentValue(ComponentFormula formula, double z, double f, double k) {
    switch (formula) {
        case ComponentFormula::Coil: return z * k * 1000.0 / f;
        case ComponentFormula::CoilDividedFirst: return z * k / f * 1000.0;
        case ComponentFormula::FirstOrderCoil: return z / (f * k) * 1000.0;
        case ComponentFormula::Capacitor: return k / (z * f) * 1000000.0;
    }
    return 0.0;
}

std::vector<double> CrossoverValues(const CrossoverNetwork& network, std::span<const bool> checked,
                                    double zb, double zt, double f) {
    std::vector<double> values(network.components.size(), 0.0);
    const std::size_t buttons = std::min(checked.size(), network.alignments.size());
    for (std::size_t p = 0; p < network.components.size(); ++p) {
        const CrossoverComponent& c = network.components[p];
        for (std::size_t b = 0; b < buttons; ++b) {
            if (!checked[b]) continue;
            const double k = network.alignments[b].k[static_cast<std::size_t>(c.coefficient)];
            values[p] = ComponentValue(c.formula, c.tweeter ? zt : zb, f, k);
        }
    }
    return values;
}

CrossoverLabels CrossoverPageLabels(const CrossoverNetwork& network, const FieldInputs& in,
                                    std::span<const bool> checked) {
    const std::vector<double> values =
        CrossoverValues(network, checked, in.value[0], in.value[1], in.value[2]);
    CrossoverLabels labels;
    for (std::size_t p = 0; p < values.size(); ++p) {
        const std::string text = Formatted(values[p], 2);
        labels.components.push_back(IsCoil(network.components[p].formula)
                                        ? ResultLabel(text, 'n', "0.00", " mH")
                                        : ResultLabel(text, 'i', "0.00", " uF"));
    }
    labels.frequency = in.text[2];
    tk::AppendText(labels.frequency, " Hz");
    return labels;
}

void RunCrossoverPage(tk::Window window, const Screen& screen, const CrossoverNetwork& network,
                      const CrossoverDrawing& drawing, const FieldInputs& in) {
    const std::array<bool, kMaxOptions> checked = CheckedButtons(screen);
    const CrossoverLabels labels = CrossoverPageLabels(network, in, checked);

    BeginPageDrawing(window, BackdropMode::GridSplit, FrequencyToGraphOffset(in.value[2]));
    DrawTexts(window, kUnits);
    if (drawing.lettersFirst) DrawTexts(window, drawing.letters);
    DrawHeadingAndHints(window, drawing.headingSv, drawing.headingEn);
    DrawFieldLabels(window, kCrossoverFields);
    DrawTexts(window, kButtonHeading);
    if (!drawing.lettersFirst) DrawTexts(window, drawing.letters);

    DrawWires(window, drawing.wires);
    for (const Point& c : drawing.coils)
        tk::DrawEllipse(window, c.x, c.y, kCoilSize, kCoilSize, kLightGrey, kLightGrey);
    for (const Point& c : drawing.capacitors) DrawCapacitor(window, c);
    DrawDriverSymbol(window, 380, 370);
    DrawTweeterSymbol(window, 580, 375);
    DrawWires(window, drawing.sketch);

    for (std::size_t p = 0; p < labels.components.size(); ++p) {
        const CrossoverComponent& c = network.components[p];
        DrawValue(window, c.labelX, c.labelY, labels.components[p]);
    }
    DrawMarker(window, drawing.markerX, 230, 300);
    DrawValue(window, 785, 210, labels.frequency);
}
