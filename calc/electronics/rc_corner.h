// The -3 dB corner of a first-order RC section, shared by the RC low-pass,
// high-pass and band-pass pages, and the page the low-pass and high-pass
// filters draw from their own tables.
#pragma once

#include "calc/common/screen.h"
#include "toolkit/text.h"

#include <span>
#include <string>

// 1 / ((R x 6.28 x C) / 1 000 000), in this order: R in ohm, C in microfarad.
double RcCornerFrequency(double ohm, double microfarad);

// A frequency of the RC pages as they show it, with no decimals, and as they
// graph it: an infinite one (a part of zero) reads "0" and is graphed at
// 0 Hz; "-inf" and "nan" keep their texts.
struct ShownFrequency {
    double hertz;
    std::string text;
};
ShownFrequency FrequencyAsShown(double hertz);

struct RcCorner {
    double hertz;       // as graphed
    std::string label;  // as shown, then " Hz -3dB"
};
RcCorner RcCornerOf(double ohm, double microfarad);

// What the low-pass and high-pass pages show for what their fields hold.
struct RcFilterLabels {
    std::string r, c, corner;
    int graphOffset;
};
RcFilterLabels RcFilterPage(const FieldInputs& in);

// The parts in which the low-pass and high-pass pages differ.
struct RcFilterDrawing {
    const char* headingSv;
    const char* headingEn;
    std::span<const PageText> letters;
    std::span<const Box> parts;
    std::span<const Wire> wires;
    std::span<const Wire> sketch;
    Point rValue, cValue;
};
// Backdrop with the grid shifted to the corner, texts, schematic, response
// sketch, values and the red marker.
void DrawRcFilterPage(tk::Window window, const FieldInputs& in, const RcFilterDrawing& drawing);

// The R and C fields of both pages.
inline constexpr FieldPlace kRcFilterFields[] = {
    {280, 40, "Motstånd"_cp, "Resistance"},
    {280, 70, "Kondensator", "Capacitor"},
};
