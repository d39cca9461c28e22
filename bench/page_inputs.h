// The pages' typical values, those of their Swedish snapshots (tests/pages.sh
// typical, read when the build is configured), typed into every page of the
// screen table before any page run is timed (screens_bench.cpp here,
// pages.cpp natively and in the browser).
#pragma once

#include "app/screens.h"
#include "calc/common/screen.h"
#include "calc/common/shell.h"
#include "toolkit/edit.h"
#include "toolkit/testing/probe.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

using namespace tk;

struct PageInput {
    int id;
    std::string name;
    std::vector<std::string> fields;  // typed into the fields in ring order
};

// Rows "ID NAME A | B".
inline constexpr const char* kTypicalValues[] = {
#include "bench_page_values.inc"
};

// Every page of the screen table with its values; empty when one has none.
inline std::vector<PageInput> Pages() {
    std::vector<PageInput> pages;
    for (const Screen* screen : AllScreens()) {
        for (const char* row : kTypicalValues) {
            std::istringstream in(row);
            PageInput page;
            in >> page.id >> page.name;
            if (page.id != screen->id) continue;
            std::string texts;
            std::getline(in >> std::ws, texts);
            for (std::size_t at = 0, bar = 0; bar != texts.npos && !texts.empty(); at = bar + 3) {
                bar = texts.find(" | ", at);
                page.fields.push_back(texts.substr(at, bar - at));
            }
            pages.push_back(page);
        }
        if (pages.empty() || pages.back().id != screen->id) {
            std::fprintf(stderr, "no typical values for page %d\n", screen->id);
            return {};
        }
    }
    return pages;
}

// Opens every page once and types its values, as a user would.
inline bool FillPages(Window app, const std::vector<PageInput>& pages) {
    for (const PageInput& page : pages) {
        const Screen& screen = *FindScreen(page.id);
        RunScreen(app, screen);
        ProbeProcessEvents();
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            FocusEditField(ControlsOf(screen).fields[i]);
            if (!ProbeTypeText(page.fields[i])) {
                std::fprintf(stderr, "page %d: field %zu takes no text\n", page.id, i);
                return false;
            }
            ProbeProcessEvents();
        }
        RunScreen(app, screen);
        ProbeProcessEvents();
    }
    return !pages.empty();
}

}  // namespace bench
