// The life cycle shared by every calculator screen.

#include "screen.h"

#include "app/backdrop.h"
#include "app/commands.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <string>
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

// Made once, in the init pass, and hidden at once.
void MakeControls(Window window, Screen& screen) {
    const int fields = FieldCount(screen);
    for (int i = 0; i < fields; ++i) {
        screen.fieldHandles[i] = CreateEditField(window, screen.fields[i].x, screen.fields[i].y,
                                                 kFieldWidth, kFieldHeight, "R", kFieldLimit);
    }
    for (int i = 0; i < fields; ++i)
        SetEditFieldFont(screen.fieldHandles[i], AppFont(FontRole::Edit));
    for (int i = 0; i < fields; ++i) HideEditField(screen.fieldHandles[i]);

    const int options = OptionCount(screen);
    for (int i = 0; i < options; ++i) {
        const OptionPlace& o = screen.options[i];
        screen.optionHandles[i] =
            CreateOptionButton(window, o.x, o.y, "ROUND", o.text, command::kFilterType);
        HideOptionButton(screen.optionHandles[i]);
        SetAccessibleName(screen.optionHandles[i], o.text);
        SetPushButtonFont(screen.optionHandles[i], AppFont(FontRole::Label));
    }
    if (options > 0) CheckOptionButton(screen.optionHandles[0]);
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

void NameFields(const Screen& screen) {
    for (int i = 0; i < FieldCount(screen); ++i)
        SetAccessibleName(screen.fieldHandles[i], SpokenLabel(screen.fields[i]).c_str());
}

// One step around the ring (first, second), (second, third) ... (last,
// first); at most one call moves the focus.
void FocusStep(const Screen& screen) {
    const int fields = FieldCount(screen);
    if (fields < 2) return;
    for (int i = 0; i < fields; ++i)
        PassFocus(screen.fieldHandles[i], screen.fieldHandles[(i + 1) % fields]);
}

}  // namespace

int RunScreen(Window window, Screen& screen) {
    g_shell.currentScreen = screen.id;
    const bool fullRun = screen.alwaysFull || g_shell.recalc != 1;
    if (fullRun) {
        HideAllControls(window);
        if (g_shell.initPass == 1) MakeControls(window, screen);
        for (int i = 0; i < OptionCount(screen); ++i) ShowOptionButton(screen.optionHandles[i]);
        for (int i = 0; i < FieldCount(screen); ++i) ShowEditField(screen.fieldHandles[i]);
        if (FieldCount(screen) > 0) FocusEditField(screen.fieldHandles[0]);
        FieldInputs in = ReadFields(screen);
        if (screen.page != nullptr) screen.page(window, in);
        NameFields(screen);
        SetDrawTarget(window, "CLIENT");
        RepaintWindow(window, "ERASED");
    }
    if (!screen.alwaysFull) FocusStep(screen);
    g_shell.recalc = 0;
    if (screen.afterFocus != nullptr) screen.afterFocus(window);
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
        in.value[i] = ParseNumber(in.text[i].c_str());
    }
    return in;
}

FieldInputs ReadFields(const Screen& screen) {
    std::array<std::string, kMaxFields> texts;
    const int count = FieldCount(screen);
    for (int i = 0; i < count; ++i) {
        // A read that yields nothing leaves a text below '0'.
        texts[i] = "/0";
        GetEditFieldText(screen.fieldHandles[i], texts[i]);
    }
    return InputsFromTexts(std::span(texts.data(), static_cast<std::size_t>(count)));
}

std::string FieldTextAsTyped(const Screen& screen, int index) {
    std::string text = "/0";
    if (index >= 0 && index < FieldCount(screen))
        GetEditFieldText(screen.fieldHandles[index], text);
    return text;
}

std::string InputLabel(const std::string& text, const char* fallback, const char* suffix) {
    // Tested as a signed byte: empty, blank, sign, point and every byte from
    // 128 up count as below '0'.
    const signed char first = text.empty() ? 0 : static_cast<signed char>(text[0]);
    std::string label;
    if (first < '0' && fallback != nullptr)
        CopyText(label, fallback, 0);
    else
        CopyText(label, text.c_str(), 0);
    AppendText(label, suffix);
    return label;
}

std::string ResultLabel(const std::string& text, char test, const char* fallback,
                        const char* suffix) {
    std::string label;
    if (fallback != nullptr && !text.empty() && text[0] == test)
        CopyText(label, fallback, 0);
    else
        CopyText(label, text.c_str(), 0);
    AppendText(label, suffix);
    return label;
}

std::string Formatted(double value, int decimals) {
    std::string text = "/0";
    FormatNumber(text, value, decimals);
    return text;
}

void DrawMarker(Window window, int x, int top, int bottom) {
    DrawLine(window, x, top, x, bottom, kRed);
}

const char* InLanguage(const char* sv, const char* en) {
    if (g_shell.language == 2) return en != nullptr ? en : sv;
    return sv;
}

void BeginPageDrawing(Window window, int backdropMode, double graphOffset) {
    g_shell.backdropMode = backdropMode;
    DrawBackdrop(window, graphOffset);
    SetDrawTarget(window, "MEMORY");
    SetMemoryDC(g_shell.canvas);
}

void EndPageDrawing(Window window) {
    SetDrawTarget(window, "CLIENT");
    RepaintWindow(window, "ERASED");
}

void DrawHeadingAndHints(Window window, const char* headingSv, const char* headingEn, TabHint tab,
                         int swedishTabX) {
    const PageText texts[] = {
        {20, 15, FontRole::Heading, headingSv, headingEn},
        {g_shell.language == 1 ? swedishTabX : 15, 40, FontRole::Label, "TAB    = Flytta",
         tab == TabHint::Move ? "TAB    = Move" : "TAB    = Move and calculate"},
        {15, 55, FontRole::Label, "ENTER = Räkna"_cp, "ENTER = Calculate"},
    };
    DrawTexts(window, texts);
}

void DrawFieldLabels(Window window, std::span<const FieldPlace> fields) {
    for (const FieldPlace& f : fields) {
        const PageText label{f.x - 100, f.y + 5, FontRole::Label, f.labelSv, f.labelEn};
        DrawTexts(window, std::span(&label, 1));
    }
}

void DrawTexts(Window window, std::span<const PageText> texts, Colour colour) {
    // Each language is tested on its own: a language other than 1 or 2
    // draws neither set.
    for (const PageText& t : texts) {
        const char* text = nullptr;
        if (g_shell.language == 1) text = t.sv;
        if (g_shell.language == 2) text = t.en != nullptr ? t.en : t.sv;
        if (text != nullptr) DrawString(window, t.x, t.y, text, colour, AppFont(t.font), 0);
    }
}

void DrawBoxes(Window window, std::span<const Box> boxes, Colour colour) {
    for (const Box& b : boxes) FillBox(window, b.x, b.y, b.width, b.height, colour);
}

void DrawWires(Window window, std::span<const Wire> wires, Colour colour) {
    for (const Wire& w : wires) DrawLine(window, w.x1, w.y1, w.x2, w.y2, colour);
}

void DrawValue(Window window, int x, int y, const std::string& text) {
    DrawString(window, x, y, text.c_str(), kBlack, AppFont(FontRole::Result), 0);
}
