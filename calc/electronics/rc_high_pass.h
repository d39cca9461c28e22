// RC high-pass filter (screen 1022).
#pragma once

#include "calc/electronics/rc_corner.h"
#include "toolkit/text.h"

// The page: the procedure that draws it for what the fields hold, and its
// record.
void DrawRcHighPass(tk::Window window, const FieldInputs& in);
inline constexpr Screen kRcHighPassScreen{
    .id = 1022,
    .menu = {Popup::Electronics, "Filter Högpass RC"_cp, "Filter Highpass RC"},
    .fields = kRcFilterFields,
    .page = DrawRcHighPass};
