// The toolkit as the application sees it: canvas and text, fonts, key
// forwarding in edit fields, focus passing, option buttons.

#include "app_fixture.h"

#include "toolkit/button.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"
#include "tools/font_roles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tk;

namespace {

// A canvas of its own, drawn through the "MEMORY" target; the application's
// target and memory DC are put back afterwards.
class CanvasTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = SetMemoryDC(nullptr);
        canvas_ = CreateCanvas(window_, 200, 100, 0xC8C8C8);
        SetDrawTarget("MEMORY");
    }
    void TearDown() override {
        SetDrawTarget("CLIENT");
        SetMemoryDC(previous_);
    }
    int CountNot(long colour) {
        int n = 0;
        for (int y = 0; y < CanvasHeight(canvas_); ++y)
            for (int x = 0; x < CanvasWidth(canvas_); ++x)
                n += CanvasPixel(canvas_, x, y) != colour;
        return n;
    }
    Window window_ = TheApp();
    MemoryDC previous_, canvas_;
};

TEST_F(CanvasTest, PrimitivesGoWhereTheTargetPoints) {
    EXPECT_EQ(CountNot(0xC8C8C8), 0);          // a new canvas is filled
    EXPECT_EQ(SetMemoryDC(canvas_), canvas_);  // and is the memory DC
    EXPECT_EQ(CreateCanvas(window_, 0, 10, 0), nullptr);
    EXPECT_EQ(SetMemoryDC(canvas_), canvas_);  // a failed one changes nothing
    FillBox(window_, 10, 10, 20, 5, 0xFFFFFF);
    EXPECT_EQ(CountNot(0xC8C8C8), 100);
    DrawLine(window_, 0, 50, 10, 50, 0x0000FF);
    EXPECT_EQ(CanvasPixel(canvas_, 9, 50), 0x0000FF);
    EXPECT_EQ(CanvasPixel(canvas_, 10, 50), 0xC8C8C8);  // the end point is left out
    SetDrawTarget("client");                            // not a keyword: still "MEMORY"
    FillBox(window_, 100, 0, 1, 1, 0x000000);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 0), 0x000000);
    SetDrawTarget("CLIENT");  // the canvas is left alone
    FillBox(window_, 101, 0, 1, 1, 0x000000);
    EXPECT_EQ(CanvasPixel(canvas_, 101, 0), 0xC8C8C8);
    EXPECT_EQ(std::vector({RepaintWindow(window_, "ERASED"), RepaintWindow(window_, "UNERASED"),
                           RepaintWindow(window_, "erased")}),
              std::vector({0, 0, 1}));
}

TEST_F(CanvasTest, TextsAreDrawnAtTheirCellAndTrackedUntilCovered) {
    const Font label = AppFont(FontRole::Label);
    DrawString(window_, 10, 10, "l  l", 0x000000, label, 0);
    // Transparent: the pixels between the letters stay as they were; drawn
    // again over itself, a text leaves the page as it was.
    const int inked = CountNot(0xC8C8C8);
    EXPECT_GT(inked, 5);
    EXPECT_EQ(CanvasPixel(canvas_, 9, 10), 0xC8C8C8);
    for (int again = 0; again < 3; ++again) DrawString(window_, 10, 10, "l  l", 0, label, 0);
    EXPECT_EQ(CountNot(0xC8C8C8), inked);
    EXPECT_EQ(CountNot(0x000000), 200 * 100 - inked);
    // Opaque: the whole cell is painted.
    DrawString(window_, 100, 50, "ab", 0x000000, label, 0xFFFFFF);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 50), 0xFFFFFF);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 50 + 13), 0xFFFFFF);
    // A white copy under a coloured one, the offset clamped to 3.
    DrawRaisedString(window_, 20, 60, 7, "x", 0x969600, label);
    DrawRaisedString(window_, 20, 80, -5, "y", 0x969600, nullptr);
    auto texts = VisibleCanvasTexts(canvas_);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(std::vector({texts[2].x, texts[3].x, texts[3].y, texts[5].x, texts[5].y}),
              std::vector({20, 23, 63, 17, 77}));
    EXPECT_EQ(texts[2].colour, 0xFFFFFFu);
    EXPECT_EQ(texts[5].font, nullptr);
    // A box over a text's point hides it; one that only overlaps its cell does not.
    FillBox(window_, 11, 11, 50, 50, 0xFFFFFF);
    FillBox(window_, 0, 0, 10, 10, 0xFFFFFF);
    EXPECT_EQ(VisibleCanvasTexts(canvas_).front().x, 10);
    FillBox(window_, 10, 10, 1, 1, 0xFFFFFF);
    EXPECT_EQ(VisibleCanvasTexts(canvas_).front().x, 100);
}

TEST(ToolkitFonts, CellHeightAndAverageWidthAreMatched) {
    TheApp();
    const struct {
        FontRole role;
        int height, width, weight;
    } cases[] = {
        {FontRole::Label, 14, 5, 400},   {FontRole::Result, 14, 5, 700},
        {FontRole::Splash, 30, 15, 400}, {FontRole::Small, 13, 4, 400},
        {FontRole::Heading, 14, 5, 700},
    };
    for (const auto& c : cases) {
        const FontInfo info = DescribeFont(AppFont(c.role));
        SCOPED_TRACE(FontRoleName(AppFont(c.role)));
        EXPECT_TRUE(info.cellHeight == c.height || info.cellHeight == c.height - 1);
        EXPECT_NEAR(info.averageWidth, c.width, 1);
        EXPECT_EQ(info.weight, c.weight);
        EXPECT_TRUE(info.family == "Verdana" || info.family == "DejaVu Sans") << info.family;
    }
    EXPECT_NE(AppFont(FontRole::Result), AppFont(FontRole::Heading));
    EXPECT_STREQ(FontRoleName(nullptr), "system");
    const FontInfo plain = DescribeFont(MakeFont(14, 5, 0, 400, 21, 0, "Verdana"));
    EXPECT_FALSE(plain.italic || plain.underline || plain.strikeOut);
    const FontInfo all = DescribeFont(MakeFont(14, 5, 0, 400, 123, 0, "Verdana"));
    EXPECT_TRUE(all.italic && all.underline && all.strikeOut);
}

// The two emptied edit fields of the running application's page 1005.
class FieldTest : public testing::Test {
protected:
    void SetUp() override {
        Command(1005);
        for (const ProbeField& f : ProbeEditFields())
            if (f.visible) fields_.push_back(f.handle);
        ASSERT_EQ(fields_.size(), 2u);
        for (Window f : fields_) {
            FocusEditField(f);
            for (int i = 0; i < 20; ++i) ProbePressKey("End"), ProbePressKey("Backspace");
        }
        FocusEditField(fields_[0]);
        ProbeProcessEvents();
        DeliveredCommands().clear();
    }
    std::string Text(int i) {
        std::string text;
        GetEditFieldText(fields_[i], text);
        return text;
    }
    bool Focused(int i) {
        for (const ProbeField& f : ProbeEditFields())
            if (f.handle == fields_[i]) return f.focused;
        return false;
    }
    std::vector<Window> fields_;
};

TEST_F(FieldTest, KeysAreForwardedTextIsWindows1252PastesTakeOneLineAndCtrlZOneChange) {
    ProbeTypeText("a5");
    for (const char* key : {"Delete", "Up", "Down", "F1", "F12", "Insert", "PageUp", "Escape"})
        ProbePressKey(key);
    // The caret keys move the caret and are not forwarded.
    for (const char* key : {"Home", "Right", "Left", "End", "Home"}) ProbePressKey(key);
    ProbeTypeText("9");
    ProbeProcessEvents();
    EXPECT_EQ(DeliveredIds(), (std::vector<WParam>{65, 53, 46, 38, 40, 112, 123, 45, 33, 27, 57}));
    EXPECT_EQ(Text(0), "9a5");  // Delete deleted nothing
    FocusEditField(fields_[1]);
    ProbeTypeText("å€→日x");
    ProbeSetClipboard("1,5\xE2\x86\x92kΩ\nsecond line");
#ifdef _WIN32
    // Windows puts a character with no Windows-1252 byte into the code page
    // on its way: as '?', or as a look-alike where it knows one.
    EXPECT_EQ(Text(1), "\xE5\x80??x");
    for (int i = 0; i < 4; ++i) ProbePressKey("Ctrl+V");
    EXPECT_EQ(Text(1), "\xE5\x80??x1,5?kO1");  // up to twelve characters
#else
    // The Linux field takes no character that Windows-1252 lacks.
    EXPECT_EQ(Text(1), "\xE5\x80x");
    for (int i = 0; i < 4; ++i) ProbePressKey("Ctrl+V");
    EXPECT_EQ(Text(1), "\xE5\x80x1,5k1,5k1");  // up to twelve characters
#endif
    FocusEditField(fields_[0]);
    ProbePressKey("End");
    ProbePressKey("Backspace");
    for (const char* shown : {"9a5", "9a", "9a5"}) {  // no history of every change
        ProbePressKey("Ctrl+Z");
        EXPECT_EQ(Text(0), shown);
    }
    ProbePressKey("Left");
    ProbeTypeText("3");  // the caret stays where the last change left it
    EXPECT_EQ(Text(0), "9a35");
}

TEST_F(FieldTest, TabAndEnterInsertNothingAndRaiseTheFlagThatPassFocusUses) {
    ProbeTypeText("1");
    ProbePressKey("Tab");
    EXPECT_EQ(KeyPendingFlag(), 1);  // raised by the key, used by the run that follows
    ProbeProcessEvents();
    EXPECT_EQ(KeyPendingFlag(), 0);
    EXPECT_EQ(Text(0), "1");
    EXPECT_TRUE(Focused(1));
    EXPECT_EQ(DeliveredIds(), (std::vector<WParam>{49, 9}));
    ProbePressKey("Return");
    ProbeProcessEvents();
    EXPECT_EQ(Text(1), "");
    EXPECT_TRUE(Focused(0));            // two runs: onward, then back to the first field
    ProbePressKey("Tab");               // leaves the flag raised until the posted run
    PassFocus(fields_[1], fields_[0]);  // field 1 does not have the focus
    EXPECT_EQ(KeyPendingFlag(), 1);
    EXPECT_TRUE(Focused(0));
    PassFocus(fields_[0], fields_[1]);
    EXPECT_EQ(KeyPendingFlag(), 0);
    EXPECT_TRUE(Focused(1));
    PassFocus(fields_[1], fields_[0]);  // flag cleared: nothing moves
    ProbeProcessEvents();               // nor in the posted TAB's run
    EXPECT_TRUE(Focused(1));
    EXPECT_EQ(EditFieldControlId(fields_[1]), 1);
}

// TAB, ENTER and opening the page move the focus without touching a
// field's caret or selection: typing goes on where the user left off.
TEST_F(FieldTest, FocusMovesLeaveEachFieldsCaretAndSelectionAlone) {
    ProbeTypeText("12");
    ProbePressKey("Left");
    ProbePressKey("Tab");
    ProbeProcessEvents();
    ProbeTypeText("45");
    ProbePressKey("Shift+Home");  // selected, the caret at the start
    ProbePressKey("Tab");
    ProbeProcessEvents();
    ProbeTypeText("3");
    EXPECT_EQ(Text(0), "132");
    ProbePressKey("Return");  // onward and back again
    ProbeProcessEvents();
    ProbeTypeText("0");
    EXPECT_EQ(Text(0), "1302");
    ProbePressKey("Tab");
    ProbeProcessEvents();
    ProbeTypeText("9");  // the selection outlived three focus moves
    EXPECT_EQ(Text(1), "9");
    Command(1005);
    ProbeTypeText("7");
    EXPECT_EQ(Text(0), "13072");
}

// Shift+Insert, a drop, the context menu's Paste and an assistive technology
// put in what typing would: the first line, Windows-1252, no controls, no
// more than the limit.
TEST_F(FieldTest, EveryWayInTakesWhatTypingWould) {
    ProbeSetClipboard(
        "1\t2\xE2\x86\x92"
        "3\r\n4");
#ifdef _WIN32
    // Windows' edit control takes the first line of a paste as it is, TAB
    // and all, up to the limit; it takes no drop; a text set from outside,
    // as a screen reader sets it, it takes whole, past the limit.
    ProbePressKey("Shift+Insert");
    EXPECT_EQ(Text(0), "1\t2?3");
    EXPECT_FALSE(ProbeDropText(fields_[0], 0, "a\x01\xE2\x82\xAC\nb"));
    ProbePressKey("Alt+F");  // Alt types nothing
    EXPECT_EQ(Text(0), "1\t2?3");
    ProbeRightClick(fields_[0]);
    const ProbeShownMenu menu = ProbeShowingMenu();
    ASSERT_GE(menu.entries.size(), 5u);
    ASSERT_TRUE(ProbeChooseShownItem(menu.entries[4].text));  // Paste, at the caret
    EXPECT_EQ(Text(0), "1\t2?31\t2?3");
    for (int i = 0; i < 3; ++i) ProbePressKey("Shift+Insert");
    EXPECT_EQ(Text(0), "1\t2?31\t2?31\t");  // twelve
    EXPECT_TRUE(ProbeSetTextAccessibly(fields_[1],
                                       "9\t8\xE2\x86\x92"
                                       "7 6 5 4 3 2 1"));
    EXPECT_EQ(Text(1), "9\t8?7 6 5 4 3 2 1");
#else
    ProbePressKey("Shift+Insert");
    EXPECT_EQ(Text(0), "123");
    EXPECT_TRUE(ProbeDropText(fields_[0], 0, "a\x01\xE2\x82\xAC\nb"));  // dropped before the text
    EXPECT_EQ(Text(0),
              "a\x80"
              "123");
    ProbePressKey("Alt+F");  // Alt types nothing
    ProbeRightClick(fields_[0]);
    ASSERT_TRUE(ProbeChooseShownItem("Klistra in"));  // at the caret
    EXPECT_EQ(Text(0),
              "a\x80"
              "123123");
    for (int i = 0; i < 3; ++i) ProbePressKey("Shift+Insert");
    EXPECT_EQ(Text(0),
              "a\x80"
              "1231231123");  // twelve
    EXPECT_TRUE(ProbeSetTextAccessibly(fields_[1],
                                       "9\t8\xE2\x86\x92"
                                       "7 6 5 4 3 2 1"));
    EXPECT_EQ(Text(1), "987 6 5 4 3 ");
#endif
    ProbeProcessEvents();
}

#ifndef _WIN32
// The menu Windows gives an edit field, in the program's language, each
// entry greyed when it cannot act, and with the one level of undo. (On
// Windows the field has the platform's own: tests/windows/.)
TEST(ToolkitFields, ContextMenuInTheProgramsLanguageWithWindowsGreyingAndOneUndo) {
    Command(2101);
    const Window field = CreateEditField(TheApp(), 600, 300, 100, 25, "R", 12);
    auto text = [&] {
        std::string t;
        GetEditFieldText(field, t);
        return t;
    };
    auto menu = [] {
        std::vector<std::string> lines;
        for (const ProbeMenuEntry& e : ProbeShowingMenu().entries)
            lines.push_back(e.separator ? "-" : (e.enabled ? "" : "grey ") + e.text);
        return lines;
    };
    using Lines = std::vector<std::string>;
    ProbeSetClipboard("");
    ProbeRightClick(field);  // nothing to undo, act on or paste
    EXPECT_EQ(menu(), (Lines{"grey Ångra"_cp, "-", "grey Klipp ut", "grey Kopiera",
                             "grey Klistra in", "grey Ta bort", "-", "grey Markera allt"}));
    ProbePressKey("Escape");
    ProbeTypeText("12");
    ProbeProcessEvents();
    DeliveredCommands().clear();
    ProbePressKey("Menu");
    EXPECT_EQ(menu(), (Lines{"Ångra"_cp, "-", "grey Klipp ut", "grey Kopiera", "grey Klistra in",
                             "grey Ta bort", "-", "Markera allt"}));
    ProbeChooseShownItem("Markera allt");
    ProbePressKey("Shift+F10");
    EXPECT_EQ(menu(), (Lines{"Ångra"_cp, "-", "Klipp ut", "Kopiera", "grey Klistra in", "Ta bort",
                             "-", "grey Markera allt"}));
    ProbeChooseShownItem("Klipp ut");
    EXPECT_EQ(text(), "");
    for (const char* shown : {"12", "", "12"}) {  // undo, then redo, then undo again
        ProbeRightClick(field);
        ProbeChooseShownItem("Ångra"_cp);
        EXPECT_EQ(text(), shown);
    }
    ProbeRightClick(field);
    ProbeChooseShownItem("Klistra in");  // the cut text, at the caret
    EXPECT_EQ(text(), "1212");
    ProbePressKey("Shift+Home");
    ProbeRightClick(field);
    ProbeChooseShownItem("Ta bort");
    EXPECT_EQ(text(), "");
    ProbePressKey("Ctrl+Z");
    EXPECT_EQ(text(), "1212");
    ProbeProcessEvents();  // the Menu key and F10 went to the page as keys too
    EXPECT_EQ(std::vector<WParam>(DeliveredCommands().begin(), DeliveredCommands().begin() + 3),
              (std::vector<WParam>{93, 16, 121}));
    Command(2102);
    ShowEditField(field);
    ProbeRightClick(field);
    EXPECT_EQ(menu(), (Lines{"Undo", "-", "grey Cut", "grey Copy", "Paste", "grey Delete", "-",
                             "Select All"}));
    ProbePressKey("Escape");
    HideEditField(field);
    Command(2101);
}
#endif

TEST(ToolkitFields, DigitsOnlyFieldsRefuseOtherCharacters) {
    Window digits = CreateEditField(TheApp(), 600, 300, 100, 25, "NR", 5);
    Window any = CreateEditField(TheApp(), 600, 340, 100, 25, "R", 0);
    std::string d, a;
    ProbeSetClipboard("7x\n8");
    for (auto [field, text] : {std::pair{digits, &d}, {any, &a}}) {
        FocusEditField(field);
        ProbePressKey("Ctrl+V");
        ProbeTypeText("1a,2.3456");
        GetEditFieldText(field, *text);
    }
#ifdef _WIN32
    // A Windows digits-only field refuses typed characters only: a paste
    // comes in as the other fields take it.
    EXPECT_EQ(d, "7x123");
#else
    EXPECT_EQ(d, "71234");
#endif
    EXPECT_EQ(a, "7x1a,2.3456");
    EXPECT_EQ(std::vector({HideEditField(digits), HideEditField(digits), ShowEditField(digits),
                           ShowEditField(digits), HideEditField(digits), HideEditField(any)}),
              std::vector({0, 1, 0, 1, 0, 0}));
    ProbeProcessEvents();
}

TEST(ToolkitButtons, RoundButtonsCheckThemselvesAndClearTheVisibleOthers) {
    Window app = TheApp();
    Command(1005);
    Window a = CreateOptionButton(app, 20, 400, "ROUND", "Alpha", 504);
    Window b = CreateOptionButton(app, 20, 420, "ROUND", "Beta", 504);
    Window hidden = CreateOptionButton(app, 20, 440, "ROUND", "Gamma", 504);
    HideOptionButton(hidden);
    CheckOptionButton(hidden);
    CheckOptionButton(a);
    EXPECT_EQ(std::vector({IsOptionChecked(a), IsOptionChecked(b), IsOptionChecked(hidden)}),
              std::vector({1, 0, 1}));
    DeliveredCommands().clear();
    for (int click = 0; click < 2; ++click) {  // a second click keeps it checked
        ASSERT_TRUE(ProbeClickButton("Beta"));
        ProbeProcessEvents();
        EXPECT_EQ(std::vector({IsOptionChecked(a), IsOptionChecked(b), IsOptionChecked(hidden)}),
                  std::vector({0, 1, 1}));  // hidden buttons keep their state
    }
    EXPECT_EQ(DeliveredIds(), (std::vector<WParam>{504, 504}));  // 1005 ignores them
    EXPECT_FALSE(ProbeClickButton("Gamma"));                     // hidden buttons cannot be clicked
    EXPECT_GE(GetControlGeometry(a).height, 16);
    // Sized to the text: its width and 20 for the mark.
    Window blank = CreateOptionButton(app, 20, 500, "ROUND", "", 504);
    EXPECT_EQ(GetControlGeometry(blank).width, 20);
    HideOptionButton(blank);
    Window square = CreateOptionButton(app, 20, 460, "SQUARE", "Check", 77);
    EXPECT_EQ(HideOptionButton(CreateOptionButton(app, 20, 480, "OVAL", "Push", 78)), 1);
    ASSERT_TRUE(ProbeClickButton("Check"));
    ProbeClickButton("Check");
    ProbeProcessEvents();
    EXPECT_EQ(IsOptionChecked(square), 0);  // a check box flips
    for (Window w : {a, b, square}) HideOptionButton(w);
    ProbeProcessEvents();
}

}  // namespace
