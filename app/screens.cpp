// The screen table: every page in init-pass order.

#include "app/screens.h"

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

namespace {

const Screen* const kScreens[] = {
    &kConjugateLinkScreen,    &kNotchFilterScreen,
    &kBaffleStepScreen,       &kBaffleStepCompensationScreen,
    &kCrossover6dBScreen,     &kCrossover12dBScreen,
    &kCrossover18dBScreen,    &kAmplifierPowerScreen,
    &kWireResistanceScreen,   &kResistorsParallelScreen,
    &kCapacitorsSeriesScreen, &kRcLowPassScreen,
    &kRcHighPassScreen,       &kRcBandPassScreen,
    &kRcNotchScreen,          &kRcZobelScreen,
    &kThieleScreen,           &kAirCoilScreen,
};

}  // namespace

std::span<const Screen* const> AllScreens() { return kScreens; }

const Screen* FindScreen(int id) {
    for (const Screen* screen : kScreens) {
        if (screen->id == id) return screen;
    }
    return nullptr;
}
