// The screen table: every page, in init-pass order, which is also the order
// of the items in each popup of the menu bar. A page is its files and its
// row here.

#include "app/screens.h"

#include "calc/common/commands.h"
#include "calc/electronics/air_coil.h"
#include "calc/electronics/amplifier_power.h"
#include "calc/electronics/capacitors_series.h"
#include "calc/electronics/rc_band_pass.h"
#include "calc/electronics/rc_high_pass.h"
#include "calc/electronics/rc_low_pass.h"
#include "calc/electronics/rc_notch.h"
#include "calc/electronics/rc_zobel.h"
#include "calc/electronics/resistors_parallel.h"
#include "calc/electronics/thiele.h"
#include "calc/electronics/wire_resistance.h"
#include "calc/loudspeaker/baffle_step.h"
#include "calc/loudspeaker/baffle_step_compensation.h"
#include "calc/loudspeaker/conjugate_link.h"
#include "calc/loudspeaker/crossover_12db.h"
#include "calc/loudspeaker/crossover_18db.h"
#include "calc/loudspeaker/crossover_6db.h"
#include "calc/loudspeaker/notch_filter.h"

#include <cstddef>
#include <iterator>

namespace {

// clang-format off
constexpr const Screen* kScreens[] = {
    &kConjugateLinkScreen,
    &kNotchFilterScreen,
    &kBaffleStepScreen,
    &kBaffleStepCompensationScreen,
    &kCrossover6dBScreen,
    &kCrossover12dBScreen,
    &kCrossover18dBScreen,
    &kAmplifierPowerScreen,
    &kWireResistanceScreen,
    &kResistorsParallelScreen,
    &kCapacitorsSeriesScreen,
    &kRcLowPassScreen,
    &kRcHighPassScreen,
    &kRcBandPassScreen,
    &kRcNotchScreen,
    &kRcZobelScreen,
    &kThieleScreen,
    &kAirCoilScreen,
};
// clang-format on

// Every page's id is a command of its own: above the key codes a field
// forwards (0 to 255), none of the other commands, no other page's.
consteval bool IdsAreCommandsOfTheirOwn() {
    constexpr int kOthers[] = {command::kFilterType, command::kClose, command::kHomePage,
                               command::kSwedish, command::kEnglish};
    for (std::size_t i = 0; i < std::size(kScreens); ++i) {
        if (kScreens[i]->id <= 255) return false;
        for (int other : kOthers)
            if (kScreens[i]->id == other) return false;
        for (std::size_t before = 0; before < i; ++before)
            if (kScreens[before]->id == kScreens[i]->id) return false;
    }
    return true;
}
static_assert(IdsAreCommandsOfTheirOwn(), "two commands share a number");

}  // namespace

std::span<const Screen* const> AllScreens() { return kScreens; }

const Screen* FindScreen(int id) {
    for (const Screen* screen : kScreens) {
        if (screen->id == id) return screen;
    }
    return nullptr;
}
