// The colours the pages are drawn in, each once (0x00BBGGRR); a colour with
// several uses names them.
#pragma once

#include "toolkit/window.h"

inline constexpr tk::Colour kBlack = 0x000000;  // texts, wires, the grid's frame
inline constexpr tk::Colour kWhite = 0xFFFFFF;  // the lower panel, the graph, raised texts
inline constexpr tk::Colour kRed = 0x0000FF;    // the marker beside a graph's frequency
// The window round the panels, and the graph's fine rules.
inline constexpr tk::Colour kWindowGrey = 0xF0F0F0;
inline constexpr tk::Colour kPanelGrey = 0xEBEBEB;  // the left and the upper panel
// The left panel where the baffle-step page paints it again over its curve.
inline constexpr tk::Colour kRepaintedPanelGrey = 0xEAEAEA;
// Parts of a schematic, the frames' light edges, the graph's frequency lines,
// and the canvas before anything is drawn on it.
inline constexpr tk::Colour kLightGrey = 0xC8C8C8;
inline constexpr tk::Colour kStepGrey = 0xC0C0C0;   // the uncompensated baffle step
inline constexpr tk::Colour kLevelGrey = 0xAAAAAA;  // the graph's level lines
// The left panel's title rule and the maker line.
inline constexpr tk::Colour kRuleGrey = 0x969696;
inline constexpr tk::Colour kPointerGrey = 0x808080;  // the band-pass sketch's pointers
// The frames' dark edges, outer and inner; the baffle-step page draws the
// left panel's inner top edge again in a grey of its own.
inline constexpr tk::Colour kFrameOuter = 0x7D7D7D;
inline constexpr tk::Colour kFrameInner = 0x7A7A7A;
inline constexpr tk::Colour kRepaintedFrameInner = 0x7A7A7D;
inline constexpr tk::Colour kSplashTeal = 0x969600;  // the program's name on the start page
