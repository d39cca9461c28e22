// The life cycle shared by every calculator screen.

#include "calc/common/screen.h"

#include "calc/common/backdrop.h"
#include "calc/common/commands.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kFieldWidth = 100;
constexpr int kFieldHeight = 25;

int FieldCount(const Screen& screen) {
    return static_cast<int>(std::min<std::size_t>(screen.fields.size(), kMaxFields));
}

int OptionCount(const Screen& screen) {
    return static_cast<int>(std::min<std::size_t>(screen.options.size(), kMaxOptions));
}

// The controls of every screen that has run, in the order of their first
// runs (the init pass), one entry a screen. A deque: entries stay where they
// are as it grows.
std::deque<std::pair<int, ScreenControls>> g_controls;

// Made once, in the init pass, and hidden at once.
void MakeControls(tk::Window window, const Screen& screen, ScreenControls& controls) {
    const int fields = FieldCount(screen);
    for (int i = 0; i < fields; ++i) {
        controls.fields[i] = tk::CreateEditField(window, screen.fields[i].x, screen.fields[i].y,
                                                 kFieldWidth, kFieldHeight, "R", kFieldLimit);
    }
    for (int i = 0; i < fields; ++i)
        tk::SetEditFieldFont(controls.fields[i], AppFont(FontRole::Edit));
    for (int i = 0; i < fields; ++i) tk::HideEditField(controls.fields[i]);

    const int options = OptionCount(screen);
    for (int i = 0; i < options; ++i) {
        const OptionPlace& o = screen.options[i];
        controls.options[i] =
            tk::CreateOptionButton(window, o.x, o.y, "ROUND", o.text, command::kFilterType);
        tk::HideOptionButton(controls.options[i]);
        tk::SetAccessibleName(controls.options[i], o.text);
        tk::SetPushButtonFont(controls.options[i], AppFont(FontRole::Label));
    }
    if (options > 0) tk::CheckOptionButton(controls.options[0]);
}

// What a screen reader gives for a field: its label in the current
// language, the blanks that line labels up on the page read as one.
std::string SpokenLabel(const FieldPlace& field) {
    std::string label;
    for (const char* c = InLanguage(field.labelSv, field.labelEn); c != nullptr && *c != '\0';
         ++c) {
        if (*c == ' ' && (label.empty() || label.back() == ' ')) continue;
        label.push_back(*c);
    }
    if (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}
void NameFields(const Screen& screen, const ScreenControls& controls) {
    for (int i = 0; i < FieldCount(screen); ++i)
        tk::SetAccessibleName(controls.fields[i], SpokenLabel(screen.fields[i]).c_str());
}

// One step around the ring (first, second), (second, third) ... (last,
// first); at most one call moves the focus.
void FocusStep(const Screen& screen, const ScreenControls& controls) {
    const int fields = FieldCount(screen);
    if (fields < 2) return;
    for (int i = 0; i < fields; ++i)
        tk::PassFocus(controls.fields[i], controls.fields[(i + 1) % fields]);
}

}  // namespace

ScreenControls& ControlsOf(const Screen& screen) {
    for (auto& [id, controls] : g_controls)
        if (id == screen.id) return controls;
    return g_controls.emplace_back(screen.id, ScreenControls{}).second;
}

void HideAllControls(const ScreenControls* keep) {
    // Controls not made yet (the first screens of the init pass) are null
    // and skipped. The close button is not a screen's control.
    for (const auto& [id, controls] : g_controls) {
        if (&controls == keep) continue;
        for (tk::Window field : controls.fields)
            if (field != nullptr) tk::HideEditField(field);
        for (tk::Window option : controls.options)
            if (option != nullptr) tk::HideOptionButton(option);
    }
}

int RunScreen(tk::Window window, const Screen& screen) {
    g_shell.currentScreen = screen.id;
    ScreenControls& controls = ControlsOf(screen);
    const bool fullRun = screen.alwaysFull || !g_shell.recalc;
    if (fullRun) {
        // The screen's own controls stay: hidden and shown again, they would
        // go blank on the screen for a moment at each ENTER.
        HideAllControls(&controls);
        if (g_shell.initPass) MakeControls(window, screen, controls);
        // Named before the focus comes: a screen reader reads a field out
        // with its name when it gets the focus.
        NameFields(screen, controls);
        for (int i = 0; i < OptionCount(screen); ++i) tk::ShowOptionButton(controls.options[i]);
        for (int i = 0; i < FieldCount(screen); ++i) tk::ShowEditField(controls.fields[i]);
        if (FieldCount(screen) > 0) tk::FocusEditField(controls.fields[0]);
        FieldInputs in = ReadFields(screen);
        if (screen.page != nullptr) screen.page(window, in);
        tk::SetDrawTarget("CLIENT");
        tk::RepaintWindow(window, "ERASED");
    }
    if (!screen.alwaysFull) FocusStep(screen, controls);
    g_shell.recalc = false;
    if (screen.repaintAfterFocus) tk::RepaintWindow(window, "ERASED");
    return 0;
}

void ReplaceCommas(std::string& text) {
    const std::size_t n = std::min<std::size_t>(text.size(), kFieldLimit - 1);
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] == ',') text[i] = '.';
    }
}

FieldInputs InputsFromTexts(std::span<const std::string> texts) {
    FieldInputs in;
    in.count = static_cast<int>(std::min<std::size_t>(texts.size(), kMaxFields));
    for (int i = 0; i < in.count; ++i) {
        in.text[i] = texts[i];
        ReplaceCommas(in.text[i]);
        in.value[i] = tk::ParseNumber(in.text[i].c_str());
    }
    return in;
}

FieldInputs ReadFields(const Screen& screen) {
    std::array<std::string, kMaxFields> texts;
    const int count = FieldCount(screen);
    for (int i = 0; i < count; ++i) {
        // A read that yields nothing leaves a text below '0'.
        texts[i] = "/0";
        tk::GetEditFieldText(ControlsOf(screen).fields[i], texts[i]);
    }
    return InputsFromTexts(std::span(texts.data(), static_cast<std::size_t>(count)));
}

std::string FieldTextAsTyped(const Screen& screen, int index) {
    std::string text = "/0";
    if (index >= 0 && index < FieldCount(screen))
        tk::GetEditFieldText(ControlsOf(screen).fields[index], text);
    return text;
}

std::string InputLabel(const std::string& text, const char* fallback, const char* suffix) {
    // Tested as a signed byte: empty, blank, sign, point and every byte from
    // 128 up count as below '0'.
    const signed char first = text.empty() ? 0 : static_cast<signed char>(text[0]);
    std::string label;
    if (first < '0' && fallback != nullptr)
        tk::CopyText(label, fallback, 0);
    else
        tk::CopyText(label, text.c_str(), 0);
    tk::AppendText(label, suffix);
    return label;
}

std::string ResultLabel(const std::string& text, char test, const char* fallback,
                        const char* suffix) {
    std::string label;
    if (fallback != nullptr && !text.empty() && text[0] == test)
        tk::CopyText(label, fallback, 0);
    else
        tk::CopyText(label, text.c_str(), 0);
    tk::AppendText(label, suffix);
    return label;
}

std::string Formatted(double value, int decimals) {
    std::string text = "/0";
    tk::FormatNumber(text, value, decimals);
    return text;
}

void DrawMarker(tk::Window window, int x, int top, int bottom) {
    tk::DrawLine(window, x, top, x, bottom, kRed);
}

const char* InLanguage(const char* sv, const char* en) {
    if (g_shell.language == Language::English) return en != nullptr ? en : sv;
    return sv;
}

void BeginPageDrawing(tk::Window window, BackdropMode backdropMode, int graphOffset) {
    g_shell.backdropMode = backdropMode;
    DrawBackdrop(window, graphOffset);
    tk::SetDrawTarget("MEMORY");
    tk::SetMemoryDC(g_shell.canvas);
}

void EndPageDrawing(tk::Window window) {
    tk::SetDrawTarget("CLIENT");
    tk::RepaintWindow(window, "ERASED");
}

void DrawHeadingAndHints(tk::Window window, const char* headingSv, const char* headingEn,
                         TabHint tab, int swedishTabX) {
    const PageText texts[] = {
        {20, 15, FontRole::Heading, headingSv, headingEn},
        {g_shell.language == Language::Swedish ? swedishTabX : 15, 40, FontRole::Label,
         "TAB    = Flytta", tab == TabHint::Move ? "TAB    = Move" : "TAB    = Move and calculate"},
        {15, 55, FontRole::Label, "ENTER = Räkna"_cp, "ENTER = Calculate"},
    };
    DrawTexts(window, texts);
}

void DrawFieldLabels(tk::Window window, std::span<const FieldPlace> fields) {
    for (const FieldPlace& f : fields) {
        const PageText label{f.x - 100, f.y + 5, FontRole::Label, f.labelSv, f.labelEn};
        DrawTexts(window, std::span(&label, 1));
    }
}

void DrawTexts(tk::Window window, std::span<const PageText> texts, tk::Colour colour) {
    for (const PageText& t : texts) {
        const char* text = InLanguage(t.sv, t.en);
        if (text != nullptr) tk::DrawString(window, t.x, t.y, text, colour, AppFont(t.font), 0);
    }
}

void DrawBoxes(tk::Window window, std::span<const Box> boxes, tk::Colour colour) {
    for (const Box& b : boxes) tk::FillBox(window, b.x, b.y, b.width, b.height, colour);
}

void DrawWires(tk::Window window, std::span<const Wire> wires, tk::Colour colour) {
    for (const Wire& w : wires) tk::DrawLine(window, w.x1, w.y1, w.x2, w.y2, colour);
}

void DrawValue(tk::Window window, int x, int y, const std::string& text) {
    tk::SetTextKind(tk::TextKind::Value);
    tk::DrawString(window, x, y, text.c_str(), kBlack, AppFont(FontRole::Result), 0);
    tk::SetTextKind(tk::TextKind::Caption);
}
