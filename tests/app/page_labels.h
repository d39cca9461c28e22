// What each calculator page draws in the result font for the texts its fields
// hold: the pages' pure functions behind one signature.
#pragma once

#include "calc/electronics/air_coil.h"
#include "calc/electronics/amplifier_power.h"
#include "calc/electronics/capacitors_series.h"
#include "calc/electronics/rc_band_pass.h"
#include "calc/electronics/rc_corner.h"
#include "calc/electronics/rc_notch.h"
#include "calc/electronics/rc_zobel.h"
#include "calc/electronics/resistors_parallel.h"
#include "calc/electronics/thiele.h"
#include "calc/electronics/wire_resistance.h"
#include "calc/loudspeaker/baffle_step.h"
#include "calc/loudspeaker/baffle_step_compensation.h"
#include "calc/loudspeaker/conjugate_link.h"
#include "calc/loudspeaker/crossover.h"
#include "calc/loudspeaker/notch_filter.h"

#include <span>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// The value labels of each page's label record, in its field order.
Strings ValueLabels(const ResistorsParallelLabels& l);
Strings ValueLabels(const CapacitorsSeriesLabels& l);
Strings ValueLabels(const AmplifierPowerLabels& l);
Strings ValueLabels(const WireResistanceLabels& l);
Strings ValueLabels(const AirCoilLabels& l);
Strings ValueLabels(const RcFilterLabels& l);
Strings ValueLabels(const RcBandPassLabels& l);
Strings ValueLabels(const RcNotchLabels& l);
Strings ValueLabels(const RcZobelLabels& l);
Strings ValueLabels(const ThieleLabels& l);
Strings ValueLabels(const ConjugateLinkLabels& l);
Strings ValueLabels(const NotchFilterLabels& l);
Strings ValueLabels(const BaffleStepCompensationLabels& l);
Strings ValueLabels(const CrossoverLabels& l);

// The value labels screen `id` draws for the texts its fields hold
// (Windows-1252, as typed: a comma still a comma) and, on the crossover pages,
// the filter-type buttons checked. Empty for an id that names no screen.
Strings PageValueLabels(int id, const Strings& typed, std::span<const bool> checked = {});
