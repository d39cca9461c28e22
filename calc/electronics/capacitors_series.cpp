// Two capacitors in series: two pairs of plates in a row, the values above
// them and the total below.

#include "calc/electronics/capacitors_series.h"

#include "calc/common/backdrop.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "uF", nullptr},
    {385, 75, FontRole::Label, "uF", nullptr},
};

constexpr Box kPlates[] = {
    {450, 300, 20, 100},
    {480, 300, 20, 100},
    {550, 300, 20, 100},
    {580, 300, 20, 100},
};

constexpr Wire kWires[] = {{340, 350, 450, 350}, {500, 350, 550, 350}, {600, 350, 710, 350}};

constexpr PageText kLetters[] = {
    {470, 280, FontRole::Label, "A", nullptr},
    {570, 280, FontRole::Label, "B", nullptr},
    {475, 410, FontRole::Label, "=", nullptr},
};

}  // namespace

void DrawCapacitorsSeries(tk::Window window, const FieldInputs& in) {
    const CapacitorsSeriesLabels labels = CapacitorsSeriesPage(in);
    BeginPageDrawing(window, BackdropMode::Plain, 0);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Kondensator seriekopplad", "Capacitor in series");
    DrawFieldLabels(window, kCapacitorsSeriesFields);
    DrawBoxes(window, kPlates);
    DrawWires(window, kWires);
    DrawTexts(window, kLetters);
    DrawValue(window, 455, 260, labels.a);
    DrawValue(window, 550, 260, labels.b);
    DrawValue(window, 505, 410, labels.total);
}

double SeriesCapacitance(double a, double b) {
    const double ra = 1.0 / a;
    const double rb = 1.0 / b;
    const double sum = ra + rb;
    return 1.0 / sum;
}

CapacitorsSeriesLabels CapacitorsSeriesPage(const FieldInputs& in) {
    const std::string total = Formatted(SeriesCapacitance(in.value[0], in.value[1]), 2);
    return {InputLabel(in.text[0], "0.00", " uF"), InputLabel(in.text[1], "0.00", " uF"),
            ResultLabel(total, 'n', "0.00", " uF")};
}
