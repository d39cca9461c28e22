// selvaquin-drive: runs Selvaquin on the offscreen platform and plays a
// script read from standard input, one instruction a line:
//
//   command N ...  post commands N in turn to the main window
//   menu TEXT      choose the menu item TEXT from the current menu bar
//   type TEXT      type TEXT as key presses into the focused widget
//   key NAME ...   press named keys in turn (Tab, Return, F1, Menu, Alt, ...),
//                  each with any of the prefixes Shift+, Ctrl+, Alt+ (Alt+F)
//   click TEXT     click the visible button TEXT
//   dump           print the fields, buttons and canvas texts
//   cells          print where the canvas texts show: for each text drawn
//                  that still shows in part (also one whose point a box
//                  covered), the box of what shows of its cell and letters;
//                  the platform's fonts decide, so this is apart from the dump
//   menus          print the menu bar
//   pixel X Y ...  print canvas pixels, one a line
//   png PATH       save the canvas as PNG
//   shot PATH      save the whole window as a user sees it as PNG (Linux)
//   titlerect TEXT print where the menu-bar title TEXT sits in the bar
//   itemrect TEXT  print where the menu item TEXT sits in its popup (Linux)
//   window         print the size of the window's inside and where the
//                  client area sits in it
//   families       print the font families the program can draw with (Linux)
//
// and, for the transcripts of tests/transcripts/, what a user sees and does
// in fewer words (one line of output each):
//
//   values         the texts in the result font, in drawing order, joined
//                  by " | "
//   where TEXT     where each visible canvas text TEXT stands ("nowhere")
//   fields [KEY...]  the keys pressed, if any (as key does), then the
//                  visible fields' texts in order, the focused one marked '*'
//   look           fields, then values, then the filter types showing and
//                  whether each is checked (when a page has them)
//   fill A | B     clicks the first field, then for each field empties it
//                  and types its text, TAB between (one text per field)
//   page ID A | B  opens the page of command ID, fills its fields with the
//                  texts, if any, and presses ENTER
//   enter A | B    fills the fields and presses ENTER
//   calc A | B     the same, then says "values"
//   plot TEXT | A | B  calc A | B, then where TEXT stands
//   pages          the ids of the pages in the order of the screen table
//   clipboard TEXT puts TEXT on the clipboard (none: an empty clipboard)
//   drop X TEXT    drops TEXT on the focused field X pixels from its left
//                  ("refused" when the field takes no drop)
//   rightclick [TEXT]  clicks the focused field with the right button, then
//                  chooses the entry TEXT of its popup menu, if given
//   popup          the entries of the popup menu showing, "grey" before
//                  those that cannot act, "-" for a rule
//   choose TEXT    chooses the entry TEXT of the popup menu showing
//   bar [KEY...]   the keys pressed, if any, then the menu bar's selected
//                  title and the highlighted item of its open menu
//   read           the page's texts as a screen reader is given them, in its
//                  order, joined by " | "
//   names          what a screen reader reads for the visible fields and
//                  buttons (with "radio button" and "checked", or "check box")
//   said           what a screen reader was told about the page since the
//                  last look, empty for nothing (the browser's is not read)
//   fonts          each font of the program: family, cell height, average
//                  width and weight (the platform's faces decide; Linux)
//   minimise       minimises the window and restores it (the taskbar)
//   opened         the addresses handed to the browser since the last look
//   placed         where the window's inside is on the screen, and the
//                  screen's size (Linux)
//   same PATH      the canvas against the PNG image at PATH (the page
//                  snapshots): "same", or how many pixels differ, the first
//                  of them and its colours (Linux)
//   faces          the faces of the label and result fonts as their files
//                  name them: family, style, revision, checksum (Linux)
//
// In CLIPBOARD and DROP texts \t, \n, \r and \\ stand for a TAB, a line
// feed, a carriage return and a backslash. Blank lines and lines starting
// with '#' are skipped. Each block of the transcript is flushed as soon as
// its line is done, so the driver can be run interactively. A bad line stops
// the driver with exit code 2.
//
// With --transcript the driver plays a transcript file: it skips the lines
// starting with '=' (what the file expects), echoes every line it runs and
// prints each line of output as "= " and the line, so that the file without
// its comments and blank lines is what a correct run prints.

#include "app/main_window.h"
#include "app/screens.h"
#include "calc/common/shell.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/testing/probe.h"
#include "toolkit/text.h"
#include "toolkit/utf8.h"
#include "toolkit/window.h"
#include "tools/font_roles.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace tk;

namespace {

// ---- Transcript formatting ------------------------------------------------

// A UTF-8 text in quotes, with '"' and '\' escaped.
std::string QuoteUtf8(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// A Windows-1252 text of the program, quoted for the transcript.
std::string Quote(std::string_view cp1252) { return QuoteUtf8(Cp1252ToUtf8(cp1252)); }

std::string HexColour(long colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06lX",
                  static_cast<unsigned long>(colour) & 0xFFFFFFul);
    return buffer;
}

const char* StateName(ProbeButtonState state) {
    switch (state) {
        case ProbeButtonState::Checked: return "checked";
        case ProbeButtonState::Unchecked: return "unchecked";
        case ProbeButtonState::Push: break;
    }
    return "push";
}

bool g_transcript = false;

void Emit(const std::string& block) {
    std::string out;
    if (!g_transcript) {
        out = block;
    } else {
        for (std::size_t at = 0; at < block.size();) {
            const std::size_t end = block.find('\n', at);
            const std::string_view line(block.data() + at, end - at);
            out += (line.empty() ? "=" : "= ") + std::string(line) + "\n";
            at = end + 1;
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += " | ";
        out += part;
    }
    return out;
}

// ---- Argument parsing -------------------------------------------------------

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        auto start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        auto end = text.find(' ');
        words.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return words;
}

// Digits (and for signed types a leading '-') making up the whole word.
template <typename T>
std::optional<T> ParseInteger(std::string_view word) {
    T value{};
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// ---- Verbs -------------------------------------------------------------------

struct Context {
    Window window;
};

// A handler returns an empty string when it worked, else the reason it failed.
using Handler = std::string (*)(Context&, std::string_view arg);

enum class Args { None, Text, Optional };

struct Verb {
    std::string_view name;
    Args args;
    bool action;  // run the event loop afterwards
    Handler run;
};

std::string DoCommand(Context& context, std::string_view arg) {
    const auto words = Words(arg);
    for (std::string_view word : words) {
        const std::optional<WParam> id = ParseInteger<WParam>(word);
        if (!id) return "expected command numbers";
        PostCommand(context.window, *id);
        ProbeProcessEvents();
    }
    return words.empty() ? "expected command numbers" : "";
}

std::string DoMenu(Context& context, std::string_view text) {
    if (!ProbeChooseMenuItem(context.window, Utf8ToCp1252(text))) return "no such menu item";
    return {};
}

std::string DoType(Context&, std::string_view text) {
    if (!ProbeTypeText(std::string(text))) return "no widget has the focus";
    return {};
}

std::string DoKey(Context&, std::string_view names) {
    for (std::string_view name : Words(names)) {
        const std::string key(name);
        if (!ProbeIsKeyName(key)) return "unknown key";
        if (!ProbePressKey(key)) return "no widget has the focus";
        ProbeProcessEvents();
    }
    return {};
}

std::string DoClick(Context&, std::string_view text) {
    if (!ProbeClickButton(Utf8ToCp1252(text))) return "no such button";
    return {};
}

std::string DoDump(Context&, std::string_view) {
    std::string out = "screen " + std::to_string(g_shell.currentScreen) + "\n";
    out += "language " + std::to_string(static_cast<int>(g_shell.language)) + "\n";
    std::string focus = "focus none\n";
    for (const ProbeField& field : ProbeEditFields()) {
        if (!field.visible) continue;
        std::string at = std::to_string(field.x) + " " + std::to_string(field.y);
        out += "field " + at + " " + Quote(field.text) + "\n";
        if (field.focused) focus = "focus " + at + "\n";
    }
    out += focus;
    for (const ProbeButton& button : ProbeButtons()) {
        if (!button.visible) continue;
        out += "button " + std::to_string(button.x) + " " + std::to_string(button.y) + " " +
               StateName(button.state) + " " + Quote(button.text) + "\n";
    }
    for (const CanvasText& text : VisibleCanvasTexts(g_shell.canvas)) {
        out += "text " + std::to_string(text.x) + " " + std::to_string(text.y) + " " +
               FontRoleName(text.font) + " " + HexColour(text.colour) + " " + Quote(text.text) +
               "\n";
    }
    Emit(out + "end\n");
    return {};
}

// A text's cell and letters as pixels relative to its point: the text drawn
// alone on a blank canvas, on an opaque background.
struct TextShape {
    std::vector<std::pair<int, int>> pixels;
    int left = 0, top = 0, right = -1, bottom = -1;
};

TextShape ShapeOf(Window window, Font font, const std::string& text) {
    // Room for the widest text a page draws (a result of 299 digits), and
    // for letters reaching above their point or well below it.
    constexpr int kWidth = 3072, kHeight = 128, kX = 32, kY = 32;
    static MemoryDC scratch = nullptr;
    MemoryDC page = SetMemoryDC(nullptr);
    if (scratch == nullptr) scratch = CreateCanvas(window, kWidth, kHeight, 0x000000);
    SetMemoryDC(scratch);
    SetDrawTarget("MEMORY");
    FillBox(window, 0, 0, kWidth, kHeight, 0x000000);
    DrawString(window, kX, kY, text.c_str(), 0xFFFFFF, font, 0xFFFFFF);
    SetDrawTarget("CLIENT");
    SetMemoryDC(page);
    const ProbeImage image = ProbeCanvasImage(scratch);
    TextShape shape;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (image.pixels[static_cast<std::size_t>(y) * kWidth + x] != 0)
                shape.pixels.emplace_back(x - kX, y - kY);
    for (auto [x, y] : shape.pixels) {
        if (shape.right < shape.left) shape.left = shape.right = x, shape.top = shape.bottom = y;
        shape.left = std::min(shape.left, x), shape.right = std::max(shape.right, x);
        shape.top = std::min(shape.top, y), shape.bottom = std::max(shape.bottom, y);
    }
    return shape;
}

std::string DoCells(Context& context, std::string_view) {
    const int width = CanvasWidth(g_shell.canvas), height = CanvasHeight(g_shell.canvas);
    const std::vector<CanvasDrawing> history = CanvasHistory(g_shell.canvas);
    std::map<std::pair<Font, std::string>, TextShape> shapes;
    auto inside = [](const CanvasDrawing& box, long long x, long long y) {
        return x >= box.x && y >= box.y && x < static_cast<long long>(box.x) + box.width &&
               y < static_cast<long long>(box.y) + box.height;
    };
    std::string out;
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (history[i].isBox) continue;
        const CanvasText& text = history[i].text;
        // Boxes filled later over any part of where the text's letters may be.
        auto found = shapes.find({text.font, text.text});
        if (found == shapes.end())
            found = shapes
                        .emplace(std::pair{text.font, text.text},
                                 ShapeOf(context.window, text.font, text.text))
                        .first;
        const TextShape& shape = found->second;
        const long long left = static_cast<long long>(text.x) + shape.left,
                        right = static_cast<long long>(text.x) + shape.right;
        const long long top = static_cast<long long>(text.y) + shape.top,
                        bottom = static_cast<long long>(text.y) + shape.bottom;
        if (shape.right < shape.left || right < 0 || bottom < 0 || left >= width || top >= height)
            continue;
        std::vector<const CanvasDrawing*> later;
        bool hidden = false;
        for (std::size_t j = i + 1; j < history.size() && !hidden; ++j) {
            const CanvasDrawing& box = history[j];
            if (!box.isBox || right < box.x || bottom < box.y ||
                left >= static_cast<long long>(box.x) + box.width ||
                top >= static_cast<long long>(box.y) + box.height)
                continue;
            hidden = inside(box, left, top) && inside(box, right, bottom);
            later.push_back(&box);
        }
        if (hidden) continue;
        long long showLeft = width, showTop = height, showRight = -1, showBottom = -1;
        for (auto [dx, dy] : shape.pixels) {
            const long long x = static_cast<long long>(text.x) + dx,
                            y = static_cast<long long>(text.y) + dy;
            if (x < 0 || y < 0 || x >= width || y >= height) continue;
            if (std::any_of(later.begin(), later.end(),
                            [&](const CanvasDrawing* box) { return inside(*box, x, y); }))
                continue;
            showLeft = std::min(showLeft, x), showRight = std::max(showRight, x);
            showTop = std::min(showTop, y), showBottom = std::max(showBottom, y);
        }
        if (showRight < 0) continue;
        out += "cell " + std::to_string(showLeft) + " " + std::to_string(showTop) + " " +
               std::to_string(showRight - showLeft + 1) + " " +
               std::to_string(showBottom - showTop + 1) + " " + Quote(text.text) + "\n";
    }
    Emit(out + "end\n");
    return {};
}

std::string DoMenus(Context& context, std::string_view) {
    std::string out;
    for (const ProbePopup& popup : ProbeMenuBar(context.window)) {
        out += "popup " + Quote(popup.title) + "\n";
        for (const ProbeMenuEntry& entry : popup.entries) {
            out += entry.separator
                       ? std::string("separator\n")
                       : "item " + std::to_string(entry.id) + " " + Quote(entry.text) + "\n";
        }
    }
    Emit(out + "end\n");
    return {};
}

std::string DoPixel(Context&, std::string_view arg) {
    auto words = Words(arg);
    if (words.empty() || words.size() % 2 != 0) return "expected pairs of integer coordinates";
    std::string out;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::optional<int> x = ParseInteger<int>(words[i]),
                                 y = ParseInteger<int>(words[i + 1]);
        if (!x || !y) return "expected pairs of integer coordinates";
        if (*x < 0 || *y < 0 || *x >= CanvasWidth(g_shell.canvas) ||
            *y >= CanvasHeight(g_shell.canvas)) {
            return "point outside the canvas";
        }
        out += "pixel " + std::to_string(*x) + " " + std::to_string(*y) + " " +
               HexColour(CanvasPixel(g_shell.canvas, *x, *y)) + "\n";
    }
    Emit(out);
    return {};
}

std::string DoPng(Context&, std::string_view path) {
    if (path.empty()) return "expected a file name";
    if (SaveCanvasPng(g_shell.canvas, std::string(path).c_str()) != 0) {
        return "cannot write the image";
    }
    return {};
}

std::string Rect(const char* verb, std::string_view text, const ProbeRect& r) {
    return std::string(verb) + " " + QuoteUtf8(text) + " " + std::to_string(r.x) + " " +
           std::to_string(r.y) + " " + std::to_string(r.width) + " " + std::to_string(r.height) +
           "\n";
}

std::string DoTitleRect(Context& context, std::string_view text) {
    ProbeRect r{};
    if (!ProbeMenuTitleRect(context.window, Utf8ToCp1252(text), r)) return "no such menu title";
    Emit(Rect("titlerect", text, r));
    return {};
}

std::string DoWindow(Context& context, std::string_view) {
    const ProbeRect inside = ProbeWindowRect(context.window);
    const ProbeRect client = ProbeClientRect(context.window);
    Emit("window " + std::to_string(inside.width) + " " + std::to_string(inside.height) +
         " client " + std::to_string(client.x - inside.x) + " " +
         std::to_string(client.y - inside.y) + " " + std::to_string(client.width) + " " +
         std::to_string(client.height) + "\n");
    return {};
}

// ---- Verbs of the transcripts ----------------------------------------------

std::vector<ProbeField> VisibleFields() {
    std::vector<ProbeField> fields = ProbeEditFields();
    std::erase_if(fields, [](const ProbeField& field) { return !field.visible; });
    return fields;
}

// A text with \t, \n, \r and \\ turned into what they stand for.
std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::string DoValues(Context&, std::string_view) {
    std::vector<std::string> values;
    for (const CanvasText& text : VisibleCanvasTexts(g_shell.canvas))
        if (text.font == AppFont(FontRole::Result)) values.push_back(Cp1252ToUtf8(text.text));
    Emit(Joined(values) + "\n");
    return {};
}

std::string DoWhere(Context&, std::string_view text) {
    std::vector<std::string> points;
    for (const CanvasText& shown : VisibleCanvasTexts(g_shell.canvas))
        if (Cp1252ToUtf8(shown.text) == text)
            points.push_back(std::to_string(shown.x) + " " + std::to_string(shown.y));
    Emit((points.empty() ? "nowhere" : Joined(points)) + "\n");
    return {};
}

std::string DoRead(Context&, std::string_view) {
    std::vector<std::string> texts = ProbePageTexts();
    for (std::string& text : texts) text = Cp1252ToUtf8(text);
    Emit(Joined(texts) + "\n");
    return {};
}

std::string DoNames(Context&, std::string_view) {
    std::vector<std::string> names;
    for (const ProbeField& field : VisibleFields())
        names.push_back(Cp1252ToUtf8(ProbeAccessibleName(field.handle)));
    for (const ProbeButton& button : ProbeButtons()) {
        const std::string kind = ProbeAccessibleKind(button.handle);
        if (button.visible)
            names.push_back(Cp1252ToUtf8(ProbeAccessibleName(button.handle)) +
                            (kind.empty() ? "" : " (" + kind + ")"));
    }
    Emit(Joined(names) + "\n");
    return {};
}

std::string DoSaid(Context&, std::string_view) {
    static std::string last;
    std::string said = Cp1252ToUtf8(ProbeAnnouncement());
    Emit((said != last ? said : std::string()) + "\n");
    last = said;
    return {};
}

std::string DoFields(Context& context, std::string_view keys) {
    if (std::string failure = DoKey(context, keys); !failure.empty()) return failure;
    std::string out;
    for (const ProbeField& field : VisibleFields()) {
        if (!out.empty()) out += ' ';
        out += Quote(field.text);
        if (field.focused) out += '*';
    }
    Emit(out + "\n");
    return {};
}

std::string DoLook(Context& context, std::string_view) {
    DoFields(context, {});
    DoValues(context, {});
    std::vector<std::string> options;
    for (const ProbeButton& button : ProbeButtons())
        if (button.visible && button.state != ProbeButtonState::Push)
            options.push_back(std::string(StateName(button.state)) + " " + Quote(button.text));
    if (!options.empty()) Emit(Joined(options) + "\n");
    return {};
}

// "A | B | C": the texts between the bars, a blank on either side of a bar
// taken as part of it.
std::string DoFill(Context&, std::string_view arg) {
    std::vector<std::string> texts;
    for (std::size_t at = 0;;) {
        const std::size_t bar = arg.find('|', at);
        std::string_view text = arg.substr(at, bar == arg.npos ? arg.npos : bar - at);
        if (at > 0 && text.starts_with(' ')) text.remove_prefix(1);
        if (bar != arg.npos && text.ends_with(' ')) text.remove_suffix(1);
        texts.emplace_back(text);
        if (bar == arg.npos) break;
        at = bar + 1;
    }
    const std::vector<ProbeField> fields = VisibleFields();
    if (fields.empty() || texts.size() != fields.size()) return "expected one text per field";
    FocusEditField(fields.front().handle);
    ProbeProcessEvents();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) ProbePressKey("Tab"), ProbeProcessEvents();
        for (const ProbeField& field : VisibleFields()) {
            if (!field.focused) continue;
            ProbePressKey("End");
            for (std::size_t n = 0; n < field.text.size(); ++n) ProbePressKey("Backspace");
        }
        ProbeTypeText(texts[i]);
        ProbeProcessEvents();
    }
    return {};
}

std::string DoEnter(Context& context, std::string_view arg) {
    std::string failure = DoFill(context, arg);
    if (failure.empty()) ProbePressKey("Return");
    return failure;
}

std::string DoCalc(Context& context, std::string_view arg) {
    std::string failure = DoEnter(context, arg);
    if (!failure.empty()) return failure;
    ProbeProcessEvents();
    return DoValues(context, {});
}

std::string DoPlot(Context& context, std::string_view arg) {
    const std::size_t bar = arg.find(" |");
    if (bar == std::string_view::npos) return "expected a text, then the fields' texts";
    std::string_view texts = arg.substr(bar + 2);
    if (texts.starts_with(' ')) texts.remove_prefix(1);
    std::string failure = DoCalc(context, texts);
    return failure.empty() ? DoWhere(context, arg.substr(0, bar)) : failure;
}

std::string DoPage(Context& context, std::string_view arg) {
    const std::size_t blank = arg.find(' ');
    const std::optional<int> id = ParseInteger<int>(arg.substr(0, blank));
    if (!id || FindScreen(*id) == nullptr) return "expected a page's id";
    PostCommand(context.window, static_cast<WParam>(*id));
    ProbeProcessEvents();
    if (blank == arg.npos) return {};
    return DoEnter(context, arg.substr(blank + 1));
}

std::string DoPages(Context&, std::string_view) {
    std::string ids;
    for (const Screen* screen : AllScreens()) {
        if (!ids.empty()) ids += ' ';
        ids += std::to_string(screen->id);
    }
    Emit(ids + "\n");
    return {};
}

std::string DoClipboard(Context&, std::string_view text) {
    ProbeSetClipboard(Unescape(text));
    return {};
}

const ProbeField* Focused(const std::vector<ProbeField>& fields) {
    for (const ProbeField& field : fields)
        if (field.focused) return &field;
    return nullptr;
}

std::string DoDrop(Context&, std::string_view arg) {
    const auto blank = arg.find(' ');
    const std::optional<int> x = ParseInteger<int>(arg.substr(0, blank));
    if (!x || blank == arg.npos) return "expected a place and a text";
    const std::vector<ProbeField> fields = VisibleFields();
    const ProbeField* field = Focused(fields);
    if (field == nullptr) return "no field has the focus";
    if (!ProbeDropText(field->handle, *x, Unescape(arg.substr(blank + 1)))) Emit("refused\n");
    return {};
}

std::string DoChoose(Context&, std::string_view text) {
    if (!ProbeChooseShownItem(Utf8ToCp1252(text))) return "no such entry that can act";
    return {};
}

std::string DoRightClick(Context& context, std::string_view entry) {
    const std::vector<ProbeField> fields = VisibleFields();
    const ProbeField* field = Focused(fields);
    if (field == nullptr || !ProbeRightClick(field->handle)) return "no field has the focus";
    if (entry.empty()) return {};
    ProbeProcessEvents();
    return DoChoose(context, entry);
}

std::string DoPopup(Context&, std::string_view) {
    const ProbeShownMenu menu = ProbeShowingMenu();
    std::vector<std::string> entries;
    for (const ProbeMenuEntry& entry : menu.entries) {
        std::string shown = entry.separator ? "-" : Cp1252ToUtf8(entry.text);
        if (!entry.separator && !entry.enabled) shown.insert(0, "grey ");
        entries.push_back(shown);
    }
    Emit((menu.open ? Joined(entries) : "no menu") + "\n");
    return {};
}

std::string DoBar(Context& context, std::string_view keys) {
    if (std::string failure = DoKey(context, keys); !failure.empty()) return failure;
    std::string state = ProbeMenuBarSelection(context.window);
    const ProbeShownMenu menu = ProbeShowingMenu();
    if (menu.open) state += " > " + menu.active;
    Emit(Cp1252ToUtf8(state) + "\n");
    return {};
}

std::vector<std::string> g_opened;

std::string DoOpened(Context&, std::string_view) {
    Emit(Joined(g_opened) + "\n");
    g_opened.clear();
    return {};
}

std::string DoMinimise(Context& context, std::string_view) {
    ProbeMinimiseAndRestore(context.window);
    return {};
}

#ifndef _WIN32
std::string DoItemRect(Context& context, std::string_view text) {
    ProbeRect r{};
    if (!ProbeMenuItemRect(context.window, Utf8ToCp1252(text), r))
        return "no such menu item, or no place known for it";
    Emit(Rect("itemrect", text, r));
    return {};
}

std::string DoShot(Context& context, std::string_view path) {
    if (path.empty()) return "expected a file name";
    if (!ProbeSaveWindowPng(context.window, std::string(path))) return "cannot write the image";
    return {};
}

std::string DoFamilies(Context&, std::string_view) {
    std::string out;
    for (const std::string& family : ProbeFontFamilies())
        out += "family " + QuoteUtf8(family) + "\n";
    Emit(out + "end\n");
    return {};
}

std::string DoFonts(Context&, std::string_view) {
    std::string out;
    for (int role = 0; role < kFontRoleCount; ++role) {
        const Font font = AppFont(static_cast<FontRole>(role));
        const FontInfo info = DescribeFont(font);
        out += std::string(FontRoleName(font)) + " " + QuoteUtf8(info.family) + " " +
               std::to_string(info.cellHeight) + " " + std::to_string(info.averageWidth) + " " +
               std::to_string(info.weight) + "\n";
    }
    Emit(out);
    return {};
}

std::string DoPlaced(Context& context, std::string_view) {
    const ProbeRect inside = ProbeWindowRect(context.window);
    const ProbeRect screen = ProbeScreenRect(context.window);
    Emit("inside at " + std::to_string(inside.x - screen.x) + " " +
         std::to_string(inside.y - screen.y) + " on a screen of " + std::to_string(screen.width) +
         " x " + std::to_string(screen.height) + "\n");
    return {};
}

std::string DoSame(Context&, std::string_view path) {
    ProbeImage want;
    if (!ProbeReadPng(std::string(path), want)) return "cannot read the image";
    const ProbeImage got = ProbeCanvasImage(g_shell.canvas);
    std::size_t differing = 0, first = 0;
    for (std::size_t i = got.pixels.size(); i-- > 0;)
        if (want.width != got.width || got.pixels[i] != want.pixels[i]) ++differing, first = i;
    if (differing == 0) {
        Emit("same\n");
    } else {
        const std::size_t width = static_cast<std::size_t>(got.width);
        Emit(std::to_string(differing) + " pixels differ, the first at " +
             std::to_string(first % width) + " " + std::to_string(first / width) + ": " +
             HexColour(got.pixels[first]) + " where the image has " +
             HexColour(first < want.pixels.size() ? want.pixels[first] : 0) + "\n");
    }
    return {};
}

std::string DoFaces(Context&, std::string_view) {
    Emit(ProbeFaceIdentity(AppFont(FontRole::Label)) + "\n" +
         ProbeFaceIdentity(AppFont(FontRole::Result)) + "\n");
    return {};
}
#endif

constexpr Verb kVerbs[] = {
    {"command", Args::Text, true, DoCommand},
    {"menu", Args::Text, true, DoMenu},
    {"type", Args::Text, true, DoType},
    {"key", Args::Text, true, DoKey},
    {"click", Args::Text, true, DoClick},
    {"dump", Args::None, false, DoDump},
    {"menus", Args::None, false, DoMenus},
    {"pixel", Args::Text, false, DoPixel},
    {"cells", Args::None, false, DoCells},
    {"png", Args::Text, false, DoPng},
    {"titlerect", Args::Text, false, DoTitleRect},
    {"window", Args::None, false, DoWindow},
    {"values", Args::None, false, DoValues},
    {"where", Args::Text, false, DoWhere},
    {"read", Args::None, false, DoRead},
    {"names", Args::None, false, DoNames},
    {"said", Args::None, false, DoSaid},
    {"fields", Args::Optional, false, DoFields},
    {"look", Args::None, false, DoLook},
    {"fill", Args::Optional, true, DoFill},
    {"page", Args::Text, true, DoPage},
    {"enter", Args::Optional, true, DoEnter},
    {"calc", Args::Optional, true, DoCalc},
    {"plot", Args::Text, true, DoPlot},
    {"pages", Args::None, false, DoPages},
    {"clipboard", Args::Optional, false, DoClipboard},
    {"drop", Args::Text, true, DoDrop},
    {"rightclick", Args::Optional, true, DoRightClick},
    {"popup", Args::None, false, DoPopup},
    {"choose", Args::Text, true, DoChoose},
    {"bar", Args::Optional, false, DoBar},
    {"opened", Args::None, false, DoOpened},
    {"minimise", Args::None, true, DoMinimise},
#ifndef _WIN32
    {"itemrect", Args::Text, false, DoItemRect},
    {"shot", Args::Text, false, DoShot},
    {"families", Args::None, false, DoFamilies},
    {"fonts", Args::None, false, DoFonts},
    {"placed", Args::None, false, DoPlaced},
    {"same", Args::Text, false, DoSame},
    {"faces", Args::None, false, DoFaces},
#endif
};

// Runs one script line; returns the reason when the line is bad.
std::string RunLine(Context& context, std::string_view line) {
    auto blank = line.find(' ');
    std::string_view name = line.substr(0, blank);
    for (const Verb& verb : kVerbs) {
        if (verb.name != name) continue;
        std::string_view arg;
        if (verb.args != Args::None && blank != std::string_view::npos) {
            arg = line.substr(blank + 1);
        } else if (verb.args == Args::Text) {
            return "missing argument";
        } else if (line.find_first_not_of(' ', name.size()) != std::string_view::npos) {
            return "unexpected argument";
        }
        std::string failure = verb.run(context, arg);
        if (failure.empty() && verb.action) ProbeProcessEvents();
        return failure;
    }
    return "unknown command";
}

}  // namespace

int main(int argc, char** argv) {
    g_transcript = argc > 1 && std::string_view(argv[1]) == "--transcript";
    if (InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    // The browser stands aside: what the program would open, "opened" tells.
    ProbeRecordShellOpens(&g_opened);
    Context context{StartSelvaquin()};
    ProbeProcessEvents();

    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        if (g_transcript) {
            if (line[0] == '=') continue;
            std::printf("%s\n", line.c_str());
        }
        std::string failure = RunLine(context, line);
        std::fflush(stdout);
        if (!failure.empty()) {
            std::fprintf(stderr, "selvaquin-drive: line %d: %s: %s\n", number, failure.c_str(),
                         QuoteUtf8(line).c_str());
            return 2;
        }
    }
    return 0;
}
