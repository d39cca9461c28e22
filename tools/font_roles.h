// The name of the application font a text is drawn in, for the driver's
// transcripts and the tests.
#pragma once

#include "calc/common/shell.h"

// "label", "result", "edit", "splash", "small", "heading"; "system" for the
// null font and for fonts the application did not make.
inline const char* FontRoleName(tk::Font font) {
    constexpr const char* kNames[kFontRoleCount] = {"label",  "result", "edit",
                                                    "splash", "small",  "heading"};
    for (int role = 0; font != nullptr && role < kFontRoleCount; ++role)
        if (AppFont(static_cast<FontRole>(role)) == font) return kNames[role];
    return "system";
}
