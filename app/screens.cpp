// The screen table: init-pass order and ENTER run counts.

#include "screens.h"

#include "app/shell.h"
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

const ScreenEntry kScreens[] = {
    {500, 1, &g_conjugateLink},    {507, 1, &g_notchFilter},
    {505, 1, &g_baffleStep},       {506, 1, &g_baffleStepCompensation},
    {501, 2, &g_crossover6dB},     {502, 2, &g_crossover12dB},
    {503, 2, &g_crossover18dB},    {1001, 2, &g_amplifierPower},
    {1003, 2, &g_wireResistance},  {1005, 2, &g_resistorsParallel},
    {1015, 2, &g_capacitorsSeries}, {1017, 2, &g_rcLowPass},
    {1022, 2, &g_rcHighPass},      {1027, 2, &g_rcBandPass},
    {1035, 4, &g_rcNotch},         {1043, 2, &g_rcZobel},
    {1048, 2, &g_thiele},          {1130, 2, &g_airCoil},
};

}  // namespace

std::span<const ScreenEntry> AllScreens() { return kScreens; }

const ScreenEntry* FindScreen(int id) {
    for (const ScreenEntry& entry : kScreens) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

bool RunScreenById(Window window, int id) {
    const ScreenEntry* entry = FindScreen(id);
    if (entry == nullptr) return false;
    RunScreen(window, *entry->screen);
    return true;
}
