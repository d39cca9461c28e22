// Command identifiers: the whole wParam of a tk::kWmCommand that a menu item, a
// button or a field's key brings to the main window. A page's id is the
// command of its menu item.
#pragma once

namespace command {

// Keys a field forwards (Windows virtual-key codes) that the shell acts on.
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;

// Loudspeaker pages.
inline constexpr int kConjugateLink = 500;
inline constexpr int kCrossover6dB = 501;
inline constexpr int kCrossover12dB = 502;
inline constexpr int kCrossover18dB = 503;
inline constexpr int kBaffleStep = 505;
inline constexpr int kBaffleStepCompensation = 506;
inline constexpr int kNotchFilter = 507;

// Electronics pages.
inline constexpr int kAmplifierPower = 1001;
inline constexpr int kWireResistance = 1003;
inline constexpr int kResistorsParallel = 1005;
inline constexpr int kCapacitorsSeries = 1015;
inline constexpr int kRcLowPass = 1017;
inline constexpr int kRcHighPass = 1022;
inline constexpr int kRcBandPass = 1027;
inline constexpr int kRcNotch = 1035;
inline constexpr int kRcZobel = 1043;
inline constexpr int kThiele = 1048;
inline constexpr int kAirCoil = 1130;

// The crossovers' filter-type buttons, the close button, the About menu's
// web address and the language menu.
inline constexpr int kFilterType = 504;
inline constexpr int kClose = 1000;
inline constexpr int kHomePage = 1050;
inline constexpr int kSwedish = 2101;
inline constexpr int kEnglish = 2102;

}  // namespace command
