// Every page with bad input in each of its fields in turn (the other fields
// holding a worked value): the page draws, and its result-font texts are the
// ones its pure function gives for what the fields hold.

#include "app_fixture.h"
#include "page_labels.h"

#include "app/screens.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string FieldText(Window field) {
    for (const ProbeField& f : ProbeEditFields())
        if (f.handle == field) return f.text;
    return "?";
}

void Fill(Window field, const std::string& utf8) {
    FocusEditField(field);
    ProbePressKey("End");
    for (int i = 0; i < kFieldLimit; ++i) ProbePressKey("Backspace");
    ProbeTypeText(utf8);
}

std::set<std::string> ResultTexts() {
    std::set<std::string> texts;
    for (const CanvasText& t : VisibleCanvasTexts(g_shell.canvas))
        if (t.font == AppFont(FontRole::Result)) texts.insert(t.text);
    return texts;
}

TEST(BadInput, EveryFieldOfEveryPageDrawsWhatItsRulesGive) {
    const struct {
        int id;
        Strings worked;
    } pages[] = {
        {500, {"6,4", "0,5"}},      {507, {"1000", "0.5"}},         {505, {"300"}},
        {506, {"300", "8"}},        {501, {"8", "6", "3000"}},      {502, {"8", "6", "2700"}},
        {503, {"8", "6", "2700"}},  {1001, {"8", "20"}},            {1003, {"1", "1000"}},
        {1005, {"100", "100"}},     {1015, {"4.7", "2.2"}},         {1017, {"1000", "0,1"}},
        {1022, {"1000", "0,1"}},    {1027, {"1000", "1", "1000", "0,01"}},
        {1035, {"1000", "0,1"}},    {1043, {"10", "4,7"}},          {1048, {"8", "1"}},
        {1130, {"10", "25.4", "1"}},
    };
    const char* const bad[] = {"",    "-",    ".",    ",",    "1e308", "-1e308",       "1e-320",
                               "nan", "inf",  "-inf", "0x1p3", "123456789012", "å"};
    TheApp();
    for (const auto& page : pages) {
        const Screen& screen = *FindScreen(page.id)->screen;
        ASSERT_EQ(screen.fields.size(), page.worked.size()) << page.id;
        Command(WParam(page.id));
        for (std::size_t field = 0; field < page.worked.size(); ++field) {
            for (const char* text : bad) {
                Strings typed = page.worked;
                typed[field] = text;
                for (std::size_t i = 0; i < typed.size(); ++i)
                    Fill(screen.fieldHandles[i], typed[i]);
                Command(WParam(page.id));
                ASSERT_EQ(g_shell.currentScreen, page.id);
                Strings held;
                for (std::size_t i = 0; i < typed.size(); ++i)
                    held.push_back(FieldText(screen.fieldHandles[i]));
                bool checked[kMaxOptions] = {};
                for (std::size_t i = 0; i < screen.options.size(); ++i)
                    checked[i] = IsOptionChecked(screen.optionHandles[i]) == 1;
                const Strings labels =
                    PageValueLabels(page.id, held, std::span(checked, screen.options.size()));
                EXPECT_EQ(held[field], Utf8ToCp1252(text)) << page.id;
                EXPECT_EQ(ResultTexts(), std::set<std::string>(labels.begin(), labels.end()))
                    << page.id << " field " << field << " holding \"" << text << "\"";
            }
        }
    }
}

}  // namespace
