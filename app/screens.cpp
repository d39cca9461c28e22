// The screen table: every page in init-pass order, and the hiding of all
// their controls, which every page change begins with.

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
#include "toolkit/button.h"
#include "toolkit/edit.h"

namespace {

Screen* const kScreens[] = {
    &g_conjugateLink,  &g_notchFilter,       &g_baffleStep,       &g_baffleStepCompensation,
    &g_crossover6dB,   &g_crossover12dB,     &g_crossover18dB,    &g_amplifierPower,
    &g_wireResistance, &g_resistorsParallel, &g_capacitorsSeries, &g_rcLowPass,
    &g_rcHighPass,     &g_rcBandPass,        &g_rcNotch,          &g_rcZobel,
    &g_thiele,         &g_airCoil,
};

}  // namespace

std::span<Screen* const> AllScreens() { return kScreens; }

Screen* FindScreen(int id) {
    for (Screen* screen : kScreens) {
        if (screen->id == id) return screen;
    }
    return nullptr;
}

void HideAllControls(tk::Window /*window*/) {
    // Controls not made yet (the first screens of the init pass) are null
    // and skipped. The close button is not a screen's control.
    for (const Screen* screen : kScreens) {
        for (tk::Window field : screen->fieldHandles)
            if (field != nullptr) tk::HideEditField(field);
        for (tk::Window option : screen->optionHandles)
            if (option != nullptr) tk::HideOptionButton(option);
    }
}
