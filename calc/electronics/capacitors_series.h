// Two capacitors in series (screen 1015).
#pragma once

#include "calc/common/screen.h"

#include <string>

// 1 / (1/A + 1/B), in that order of operations.
double SeriesCapacitance(double a, double b);

struct CapacitorsSeriesLabels {
    std::string a, b, total;
};
// The value labels the page shows for what the fields hold.
CapacitorsSeriesLabels CapacitorsSeriesPage(const FieldInputs& in);

// The page: its fields, the procedure that draws it for what they hold,
// and its record.
inline constexpr FieldPlace kCapacitorsSeriesFields[] = {
    {280, 40, "Kondensator A", "Capacitor A"},
    {280, 70, "Kondensator B", "Capacitor B"},
};
void DrawCapacitorsSeries(tk::Window window, const FieldInputs& in);
inline constexpr Screen kCapacitorsSeriesScreen{
    .id = 1015,
    .menu = {Popup::Electronics, "Kondensator seriekopplat", "Capacitor connected in series"},
    .fields = kCapacitorsSeriesFields,
    .page = DrawCapacitorsSeries};
