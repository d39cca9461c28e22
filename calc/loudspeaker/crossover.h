// What the three two-way crossover pages share: the component formulas, the
// coefficient tables behind the filter-type buttons, the value labels, and
// the page drawing (circuit frame, components, drivers, response sketch, marker).
#pragma once

#include "calc/common/screen.h"

#include <array>
#include <span>
#include <string>
#include <vector>

inline constexpr int kMaxCrossoverCoefficients = 6;

// Bass impedance, tweeter impedance, crossover frequency.
inline constexpr FieldPlace kCrossoverFields[] = {
    {280, 40, "Bas Imp", "Bass Imp"},
    {280, 70, "Diskant Imp", "Tweeter Imp"},
    {280, 100, "Delningsfrekvens", "Crossover freque."},
};

// How a component's value follows from its driver's impedance Z, the crossover
// frequency f and the alignment's coefficient k, in this order of operations.
enum class ComponentFormula {
    Coil,              // Z x k, times 1000, divided by f (mH)
    CoilDividedFirst,  // Z x k, divided by f, times 1000 (mH)
    FirstOrderCoil,    // Z divided by (f x k), times 1000 (mH); k is the 2 pi figure
    Capacitor,         // k divided by (Z x f), times 1000000 (uF)
};

struct CrossoverComponent {
    ComponentFormula formula;
    bool tweeter;     // from the tweeter's impedance rather than the bass driver's
    int coefficient;  // index into the alignment's coefficients
    int labelX, labelY;
};

// The coefficients of one filter-type button.
struct Alignment {
    std::array<double, kMaxCrossoverCoefficients> k;
};

struct CrossoverNetwork {
    std::span<const CrossoverComponent> components;  // in the order they are computed
    std::span<const Alignment> alignments;           // one per filter-type button, in button order
};

double ComponentValue(ComponentFormula formula, double z, double f, double k);
bool IsCoil(ComponentFormula formula);

// Every component starts at 0; then each checked button, in button order,
// computes it again with its coefficients, so the last checked one wins and
// with none checked it stays 0. `checked` holds one state per button.
std::vector<double> CrossoverValues(const CrossoverNetwork& network, std::span<const bool> checked,
                                    double zb, double zt, double f);

struct CrossoverLabels {
    std::vector<std::string> components;  // in component order
    std::string frequency;                // on the marker
};
// The fields are bass impedance, tweeter impedance and crossover frequency.
// A coil's text reading "nan..." and a capacitor's reading "inf..." show
// 0.00; the frequency is shown as the field holds it.
CrossoverLabels CrossoverPageLabels(const CrossoverNetwork& network, const FieldInputs& in,
                                    std::span<const bool> checked);

// ---- Drawing -----------------------------------------------------------------

struct CrossoverDrawing {
    const char* headingSv;
    const char* headingEn;
    bool lettersFirst;                  // element letters before the language's texts
    std::span<const PageText> letters;  // "GND", "IN", "L 1" ...
    std::span<const Wire> wires;
    std::span<const Point> coils;       // 25 x 25 boxes of the coil circles
    std::span<const Point> capacitors;  // top plate of each stack
    std::span<const Wire> sketch;       // the response, the same for every input
    int markerX;
};

// The page procedure of a crossover screen: reads its buttons, computes,
// draws the backdrop with the grid shifted to the crossover frequency, then
// the page.
void RunCrossoverPage(tk::Window window, const Screen& screen, const CrossoverNetwork& network,
                      const CrossoverDrawing& drawing, const FieldInputs& in);
