// The pages' typical values, typed into every page before any page run is
// timed (screens_bench.cpp here, pages.cpp natively and in the browser).
#pragma once

#include "app/screens.h"
#include "calc/common/screen.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/testing/probe.h"

#include <cstdio>
#include <vector>

namespace bench {

using namespace tk;

struct PageInput {
    int id;
    const char* name;
    std::vector<const char*> fields;  // typed into the fields in ring order
    const char* option = nullptr;     // filter type clicked afterwards
};

inline const PageInput kPages[] = {
    {500, "conjugate_link", {"6,4", "0.5"}},
    {507, "notch_filter", {"2500", "4"}},
    {505, "baffle_step", {"300"}},
    {506, "baffle_step_compensation", {"250", "8"}},
    {501, "crossover_6db", {"8", "6", "2500,5"}},
    {502, "crossover_12db", {"8", "6", "3000"}, "Linkwitz-Riley"},
    {503, "crossover_18db", {"8", "6", "2000"}, "Bessel"},
    {1001, "amplifier_power", {"8", "20"}},
    {1003, "wire_resistance", {"0,5", "10000"}},
    {1005, "resistors_parallel", {"4,7", "2.2"}},
    {1015, "capacitors_series", {"10", "10"}},
    {1017, "rc_low_pass", {"1000", "0,1"}},
    {1022, "rc_high_pass", {"4700", "0.047"}},
    {1027, "rc_band_pass", {"1000", "1", "1000", "0,01"}},
    {1035, "rc_twin_t", {"1000", "0.1"}},
    {1043, "rc_zobel", {"10", "1"}},
    {1048, "thiele", {"8", "1"}},
    {1130, "air_coil", {"100", "20", "0,8"}},
};

// Opens every page once and types its values, as a user would.
inline bool FillPages(Window app) {
    for (const PageInput& page : kPages) {
        const Screen* entry = FindScreen(page.id);
        if (entry == nullptr) {
            std::fprintf(stderr, "no screen %d\n", page.id);
            return false;
        }
        RunScreen(app, *FindScreen(page.id));
        ProbeProcessEvents();
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            FocusEditField(ControlsOf(*entry).fields[i]);
            if (!ProbeTypeText(page.fields[i])) {
                std::fprintf(stderr, "page %d: field %zu takes no text\n", page.id, i);
                return false;
            }
            ProbeProcessEvents();
        }
        RunScreen(app, *FindScreen(page.id));
        ProbeProcessEvents();
        if (page.option != nullptr && !ProbeClickButton(page.option)) {
            std::fprintf(stderr, "page %d: no button %s\n", page.id, page.option);
            return false;
        }
        ProbeProcessEvents();
    }
    return true;
}

}  // namespace bench
