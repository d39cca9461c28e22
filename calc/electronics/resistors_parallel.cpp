// Two resistors in parallel: two resistor bodies between two bus bars, the
// values written inside the bodies and the total above them.

#include "calc/electronics/resistors_parallel.h"

#include "calc/common/backdrop.h"
#include "toolkit/text.h"

namespace {

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "ohm", nullptr},
    {385, 75, FontRole::Label, "ohm", nullptr},
};

constexpr PageText kTexts[] = {
    {470, 250, FontRole::Label, "Summa:", "Sum  :"},
};

constexpr Box kBodies[] = {{450, 270, 200, 50}, {450, 370, 200, 50}};

constexpr Wire kWires[] = {
    {340, 295, 450, 295}, {340, 395, 450, 395}, {340, 295, 340, 395}, {230, 345, 340, 345},
    {650, 295, 760, 295}, {650, 395, 760, 395}, {760, 295, 760, 395}, {760, 345, 900, 345},
};

constexpr PageText kLetters[] = {
    {515, 290, FontRole::Label, "A", nullptr},
    {515, 390, FontRole::Label, "B", nullptr},
};

}  // namespace

void DrawResistorsParallel(tk::Window window, const FieldInputs& in) {
    const ResistorsParallelLabels labels = ResistorsParallelPage(in);
    BeginPageDrawing(window, BackdropMode::Plain, 0);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Motstånd parallellkopplade"_cp, "Resistors in parallel");
    DrawFieldLabels(window, kResistorsParallelFields);
    DrawTexts(window, kTexts);
    DrawBoxes(window, kBodies);
    DrawWires(window, kWires);
    DrawTexts(window, kLetters);
    DrawValue(window, 530, 290, labels.a);
    DrawValue(window, 530, 390, labels.b);
    DrawValue(window, 530, 250, labels.total);
}

double ParallelResistance(double a, double b) {
    const double product = a * b;
    const double sum = a + b;
    return product / sum;
}

ResistorsParallelLabels ResistorsParallelPage(const FieldInputs& in) {
    const std::string total = Formatted(ParallelResistance(in.value[0], in.value[1]), 2);
    return {InputLabel(in.text[0], "0.00", " ohm"), InputLabel(in.text[1], "0.000", " ohm"),
            ResultLabel(total, 'n', "0.00", " ohm")};
}
