// RC low-pass filter (screen 1017).
#pragma once

#include "calc/electronics/rc_corner.h"
#include "toolkit/text.h"

// The page: the procedure that draws it for what the fields hold, and its
// record.
void DrawRcLowPass(tk::Window window, const FieldInputs& in);
inline constexpr Screen kRcLowPassScreen{
    .id = 1017,
    .menu = {Popup::Electronics, "Filter Lågpass RC"_cp, "Filter Lowpass RC", Rule::Before},
    .fields = kRcFilterFields,
    .page = DrawRcLowPass};
