// What a screen reader reads for the controls of a page: each field the
// label drawn left of it, in the language the page was opened in; each
// filter-type button its text.

#include "app_fixture.h"

#include "app/screens.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> VisibleFieldNames() {
    std::vector<std::string> names;
    for (const ProbeField& f : ProbeEditFields())
        if (f.visible) names.push_back(ProbeAccessibleName(f.handle));
    return names;
}

using Names = std::vector<std::string>;

TEST(AccessibleNames, FieldsCarryTheirLabelInTheLanguageThePageWasOpenedIn) {
    TheApp();
    const struct {
        int id;
        Names swedish, english;
    } pages[] = {
        {1005, {"Motstånd A"_cp, "Motstånd B"_cp}, {"Resistance A", "Resistance B"}},
        // Labels lined up with runs of blanks are read with one.
        {1027,
         {"Motstånd R 1"_cp, "Kondensator C 1", "Motstånd R 2"_cp, "Kondensator C 2"},
         {"Resistance R 1", "Capacitor C 1", "Resistance R 2", "Capacitor C 2"}},
        {505, {"Högtalarens bredd"_cp}, {"Speaker width"}},
        {502, {"Bas Imp", "Diskant Imp", "Delningsfrekvens"},
         {"Bass Imp", "Tweeter Imp", "Crossover freque."}},
    };
    for (const auto& page : pages) {
        Command(page.id);
        EXPECT_EQ(VisibleFieldNames(), page.swedish) << page.id;
    }
    // The switch alone renames nothing; opening a page again does.
    Command(2102);
    for (const auto& page : pages) {
        Command(page.id);
        EXPECT_EQ(VisibleFieldNames(), page.english) << page.id;
    }
    Command(2101);
    Command(1005);
    EXPECT_EQ(VisibleFieldNames(), pages[0].swedish);
}

TEST(AccessibleNames, EveryFieldOfEveryPageIsNamedAndEveryButtonByItsText) {
    TheApp();
    for (int language : {2102, 2101}) {
        Command(language);
        for (const ScreenEntry& entry : AllScreens()) {
            Command(static_cast<WParam>(entry.id));
            const Names names = VisibleFieldNames();
            EXPECT_EQ(names.size(), entry.screen->fields.size()) << entry.id;
            for (const std::string& name : names) {
                EXPECT_FALSE(name.empty() || name.front() == ' ' || name.back() == ' ')
                    << entry.id << " in language " << language << ": \"" << name << "\"";
            }
            for (const ProbeButton& b : ProbeButtons()) {
                if (!b.visible) continue;
                EXPECT_EQ(ProbeAccessibleName(b.handle), b.text) << entry.id;
            }
        }
    }
}

}  // namespace
