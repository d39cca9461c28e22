// Single-layer air coil: how many turns of a given wire on a given former make
// the wanted inductance, and how long the winding gets. The page shows the
// coil from the side: the former's two edges, a row of turns above and below,
// the first turns numbered, and dimension lines carrying the values.

#include "calc/electronics/air_coil.h"

#include "calc/common/backdrop.h"
#include "toolkit/text.h"

#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPitch = 1.2;  // wire diameters per turn on the finished coil

constexpr PageText kUnits[] = {
    {385, 45, FontRole::Label, "uH", nullptr},
    {385, 75, FontRole::Label, "mm", nullptr},
    {385, 105, FontRole::Label, "mm", nullptr},
};

constexpr PageText kLabels[] = {
    {802, 328, FontRole::Label, "Spoldiameter", "Coil diameter"},
    {655, 215, FontRole::Label, "Tråddiameter (Utan isolering)"_cp,
     "Wire diameter (Without insulation)"},
    {490, 450, FontRole::Label, "Spollängd"_cp, "Coil length"},
};

// The first turns of the upper row carry their numbers.
constexpr const char* kTurnNumbers[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr int kTurnNumberX = 306;
constexpr int kTurnNumberY = 237;

constexpr PageText kTurnCaptions[] = {
    {466, 237, FontRole::Label, "osv --->", "etc --->"},
    {306, 220, FontRole::Label, "Antal varv", "Number of laps"},
};

// The two edges of the former.
constexpr Box kFormer[] = {{300, 275, 400, 5}, {300, 400, 400, 5}};

// Two rows of touching turns, just outside the former's edges.
constexpr int kTurns = 20;
constexpr int kTurnSize = 20;
constexpr int kTurnsX = 300;
constexpr int kUpperTurnsY = 255;
constexpr int kLowerTurnsY = 405;

constexpr Wire kDimensionLines[] = {
    // coil diameter: extension lines and the dimension line
    {700, 265, 800, 265},
    {700, 415, 800, 415},
    {795, 260, 795, 420},
    // wire diameter: ticks at the sides of the last upper turn, the line across
    {700, 230, 700, 260},
    {680, 230, 680, 260},
    {675, 235, 705, 235},
    // coil length: the line and its end ticks
    {295, 445, 705, 445},
    {300, 400, 300, 450},
    {700, 400, 700, 450},
};

void DrawTurns(tk::Window window) {
    for (int row : {kUpperTurnsY, kLowerTurnsY}) {
        for (int i = 0; i < kTurns; ++i)
            tk::DrawEllipse(window, kTurnsX + i * kTurnSize, row, kTurnSize, kTurnSize, kLightGrey,
                            kLightGrey);
    }
}

void DrawTurnNumbers(tk::Window window) {
    int x = kTurnNumberX;
    for (const char* number : kTurnNumbers) {
        const PageText text{x, kTurnNumberY, FontRole::Label, number, nullptr};
        DrawTexts(window, std::span(&text, 1));
        x += kTurnSize;
    }
}

}  // namespace

void DrawAirCoil(tk::Window window, const FieldInputs& in) {
    const AirCoilLabels labels = AirCoilPage(in);
    BeginPageDrawing(window, BackdropMode::Plain, 0);
    DrawTexts(window, kUnits);
    DrawHeadingAndHints(window, "Linda luftspole i ett lager", "Wind air coil in one layer");
    DrawFieldLabels(window, kAirCoilFields);
    DrawTexts(window, kLabels);
    DrawTurnNumbers(window);
    DrawTexts(window, kTurnCaptions);
    DrawBoxes(window, kFormer);
    DrawTurns(window);
    DrawWires(window, kDimensionLines);
    DrawValue(window, 500, 330, labels.inductance);
    DrawValue(window, 880, 328, labels.coilDiameter);
    DrawValue(window, 830, 215, labels.wireDiameter);
    DrawValue(window, 520, 238, labels.turns);
    DrawValue(window, 550, 450, labels.length);
}

AirCoilWinding WindAirCoil(double inductance, double coilDiameter, double wireDiameter) {
    const double L = inductance;
    const double Di = coilDiameter / kMmPerInch;
    const double di = wireDiameter / kMmPerInch;
    // Positive root of Di^2 N^2 - 40 di L N - 18 Di L = 0, in this order.
    const double a = (di * L) / (Di * Di);
    const double p = std::pow(a, 2.0);
    const double s = p * 400 + (L * 18) / Di;
    const double q = std::sqrt(s);
    const double turns = (di * 20 * L) / (Di * Di) + q;
    const double length = (turns * kPitch) * (di * kMmPerInch);
    return {turns, length};
}

AirCoilLabels AirCoilPage(const FieldInputs& in) {
    const AirCoilWinding coil = WindAirCoil(in.value[0], in.value[1], in.value[2]);
    const std::string turns = Formatted(coil.turns, 0);
    const std::string length = Formatted(coil.length, 0);
    return {InputLabel(in.text[0], "0.00", " uH"), InputLabel(in.text[1], "0.00", " mm"),
            InputLabel(in.text[2], "0.00", " mm"), ResultLabel(turns, 'n', "0.00", " Varv"),
            ResultLabel(length, 'n', "0.00", " mm")};
}
