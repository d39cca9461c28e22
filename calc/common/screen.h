// The life cycle every calculator screen shares, and the drawing helpers the
// screens build their pages from.
//
// A screen is described by a fixed Screen record, written in its page's
// header: its id, its menu item, its input fields (place and label, in
// focus-ring order), its option buttons, how many full runs an ENTER asks
// for, and a page procedure that computes and draws.
// RunScreen does the rest: it stores the current screen, honours the recalc
// flag, makes the controls in the init pass (kept in the screen pattern's own
// table of controls), shows them, reads and parses the fields, calls the
// page procedure, names each field after its label (for screen readers),
// requests the repaint and moves the focus one step around the ring.
#pragma once

#include "calc/common/palette.h"
#include "calc/common/shell.h"
#include "toolkit/draw.h"
#include "toolkit/window.h"

#include <array>
#include <span>
#include <string>

inline constexpr int kMaxFields = 4;
inline constexpr int kMaxOptions = 3;
inline constexpr int kFieldLimit = 12;

// A field and the label a page draws 100 pixels left of it, 5 lower; a null
// English label is the Swedish one.
struct FieldPlace {
    int x, y;
    const char* labelSv;
    const char* labelEn = nullptr;
};

// The texts a run reads from its fields (after ',' became '.') and their
// parsed values.
struct FieldInputs {
    int count = 0;
    std::array<std::string, kMaxFields> text;
    std::array<double, kMaxFields> value{};
};

struct OptionPlace {
    int x, y;
    const char* text;
};

// A page's item in the menu bar: its popup, its texts (a null English text
// is the Swedish one) and whether a rule sets it apart from the items above.
// The popup lists its pages in the order of the screen table.
enum class Popup { Loudspeaker, Electronics };
enum class Rule { None, Before };
struct MenuRow {
    Popup popup;
    const char* sv;
    const char* en = nullptr;
    Rule rule = Rule::None;
};

struct Screen {
    int id;  // the command of its menu item
    MenuRow menu;
    std::span<const FieldPlace> fields = {};    // focus ring order
    std::span<const OptionPlace> options = {};  // filter-type buttons, if any
    // Steps from the calculation to the value labels (the backdrop included).
    void (*page)(tk::Window window, const FieldInputs& in) = nullptr;
    // Full runs an ENTER asks for.
    int enterRuns = 2;
    // The one-field baffle-step page: no recalc test, no focus step.
    bool alwaysFull = false;
    // The page is painted once more after the focus step.
    bool repaintAfterFocus = false;

    // A click on a filter-type button runs the pages that have them.
    bool TakesFilterType() const { return !options.empty(); }
};

// The controls a screen makes in its run of the init pass: its fields in
// ring order and its option buttons; null until then.
struct ScreenControls {
    std::array<tk::Window, kMaxFields> fields{};
    std::array<tk::Window, kMaxOptions> options{};
};
// The screen's entry in the table of controls, made on first use.
ScreenControls& ControlsOf(const Screen& screen);

// Hides every input field and option button of every screen that has made
// its controls, but those of `keep`; not the close button.
void HideAllControls(const ScreenControls* keep = nullptr);

// One run of a screen procedure. Always returns 0.
int RunScreen(tk::Window window, const Screen& screen);

// Reads the fields as a run does: preset "/0", read, ',' -> '.' among the
// first 11 characters, parse.
FieldInputs ReadFields(const Screen& screen);
// What a run makes of its field texts: ',' -> '.' among the first 11
// characters, then parsed. At most kMaxFields texts are taken.
FieldInputs InputsFromTexts(std::span<const std::string> texts);
// The comma rule on its own.
void ReplaceCommas(std::string& text);
// Value label of an input text: `fallback` when the first character, as a
// signed byte, is below '0'; then the suffix.
std::string InputLabel(const std::string& text, const char* fallback, const char* suffix);
// Value label of a result text: `fallback` when it starts with `test`
// ('n' for "nan", 'i' for "inf"); then the suffix. A null fallback keeps the
// text.
std::string ResultLabel(const std::string& text, char test, const char* fallback,
                        const char* suffix);
// The text of field `index` read again from the field, as typed: a comma
// stays a comma.
std::string FieldTextAsTyped(const Screen& screen, int index);
// A result formatted with the given decimals.
std::string Formatted(double value, int decimals);

// ---- Page drawing from tables ---------------------------------------------

// A text of the page in both languages; `en` null means the same as `sv`.
struct PageText {
    int x, y;
    FontRole font;
    const char* sv;
    const char* en;
};
struct Point {
    int x, y;
};
struct Box {
    int x, y, width, height;
};
struct Wire {
    int x1, y1, x2, y2;
};

// Draws the backdrop of the given mode (its graph moved by `graphOffset`),
// then selects "MEMORY" and the canvas for the page's own drawing.
void BeginPageDrawing(tk::Window window, BackdropMode backdropMode, int graphOffset);
// Selects "CLIENT" and requests the repaint.
void EndPageDrawing(tk::Window window);
// The heading at (20, 15) and the two key hints, in the current language.
// Three pages tell only "Move" for TAB in English; the wire page sets its
// Swedish TAB hint five pixels further right.
enum class TabHint { MoveAndCalculate, Move };
void DrawHeadingAndHints(tk::Window window, const char* headingSv, const char* headingEn,
                         TabHint tab = TabHint::MoveAndCalculate, int swedishTabX = 15);
// The fields' labels, 100 pixels left of each field and 5 lower.
void DrawFieldLabels(tk::Window window, std::span<const FieldPlace> fields);
void DrawTexts(tk::Window window, std::span<const PageText> texts, tk::Colour colour = kBlack);
void DrawBoxes(tk::Window window, std::span<const Box> boxes, tk::Colour colour = kLightGrey);
void DrawWires(tk::Window window, std::span<const Wire> wires, tk::Colour colour = kBlack);
// A value label in the result font.
void DrawValue(tk::Window window, int x, int y, const std::string& text);
// The red marker line beside the frequency the grid is shifted to.
void DrawMarker(tk::Window window, int x, int top, int bottom);
// The text of the current language.
const char* InLanguage(const char* sv, const char* en);
