#include "page_labels.h"

#include "calc/loudspeaker/crossover_12db.h"
#include "calc/loudspeaker/crossover_18db.h"
#include "calc/loudspeaker/crossover_6db.h"

Strings ValueLabels(const ResistorsParallelLabels& l) { return {l.a, l.b, l.total}; }
Strings ValueLabels(const CapacitorsSeriesLabels& l) { return {l.a, l.b, l.total}; }
Strings ValueLabels(const AmplifierPowerLabels& l) {
    return {l.power, l.resistance, l.current, l.voltage};
}
Strings ValueLabels(const WireResistanceLabels& l) {
    return {l.diameter, l.section, l.length, l.resistance};
}
Strings ValueLabels(const AirCoilLabels& l) {
    return {l.inductance, l.coilDiameter, l.wireDiameter, l.turns, l.length};
}
Strings ValueLabels(const RcFilterLabels& l) { return {l.r, l.c, l.corner}; }
Strings ValueLabels(const RcBandPassLabels& l) {
    return {l.r1, l.c1, l.r2, l.c2, l.highPass, l.lowPass};
}
Strings ValueLabels(const RcNotchLabels& l) { return {l.r, l.c, l.r3, l.c23, l.f}; }
Strings ValueLabels(const RcZobelLabels& l) { return {l.r, l.c, l.f}; }
Strings ValueLabels(const ThieleLabels& l) { return {l.r, l.l, l.f}; }
Strings ValueLabels(const ConjugateLinkLabels& l) { return {l.r1, l.c1}; }
Strings ValueLabels(const NotchFilterLabels& l) { return {l.frequency, l.c1, l.l1, l.resistor}; }
Strings ValueLabels(const BaffleStepCompensationLabels& l) {
    return {l.frequency, l.coil, l.resistor};
}
Strings ValueLabels(const CrossoverLabels& l) {
    Strings labels = l.components;
    labels.push_back(l.frequency);
    return labels;
}

Strings PageValueLabels(int id, const Strings& typed, std::span<const bool> checked) {
    const FieldInputs in = InputsFromTexts(typed);
    switch (id) {
        case 500: return ValueLabels(ConjugateLinkPage(in));
        case 501: return ValueLabels(Crossover6dBPage(in, checked));
        case 502: return ValueLabels(Crossover12dBPage(in, checked));
        case 503: return ValueLabels(Crossover18dBPage(in, checked));
        case 505: {   // the frequency only where the curve is drawn
            const BaffleStepView view = BaffleStepPage(in);
            return view.curve ? Strings{view.frequency} : Strings{};
        }
        case 506: return ValueLabels(BaffleStepCompensationPage(in));
        case 507: return ValueLabels(NotchFilterPage(in));
        case 1001: return ValueLabels(AmplifierPowerPage(in, typed.at(1)));
        case 1003: return ValueLabels(WireResistancePage(in, typed.at(1)));
        case 1005: return ValueLabels(ResistorsParallelPage(in));
        case 1015: return ValueLabels(CapacitorsSeriesPage(in));
        case 1017: case 1022: return ValueLabels(RcFilterPage(in));
        case 1027: return ValueLabels(RcBandPassPage(in));
        case 1035: return ValueLabels(RcNotchPage(in));
        case 1043: return ValueLabels(RcZobelPage(in));
        case 1048: return ValueLabels(ThielePage(in));
        case 1130: return ValueLabels(AirCoilPage(in));
        default: return {};
    }
}
