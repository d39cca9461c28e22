// The toolkit as the application sees it: style keywords, canvas and text,
// fonts, key forwarding in edit fields, focus passing, option buttons.

#include "app_fixture.h"

#include "toolkit/button.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(ToolkitKeywords, StylesAreMatchedWholeAndCaseSensitively) {
    struct WindowCase {
        const char* keyword;
        std::uint32_t style, exStyle, classStyle;
    } windows[] = {
        {"MIN_MAX_CLO", 0x020B0000, 0, 0x0008},   {"TOOLWIN", 0x02000000, 0x80, 0x0008},
        {"TOOLWIN_NOCLO", 0x02080000, 0x80, 0x0208}, {"QUE_CLO", 0x02C80000, 0x400, 0x0008},
        {"NOLIST", 0x82400000, 0, 0x0008},        {"min_max_clo", 0x02000000, 0, 0x0008},
        {"MIN_MAX_CLO ", 0x02000000, 0, 0x0008},  {"", 0x02000000, 0, 0x0008},
    };
    for (const WindowCase& c : windows) {
        WindowStyle s = WindowStyleForKeyword(c.keyword);
        EXPECT_EQ(s.style, c.style) << c.keyword;
        EXPECT_EQ(s.exStyle, c.exStyle) << c.keyword;
        EXPECT_EQ(s.classStyle, c.classStyle) << c.keyword;
    }
    EXPECT_EQ(WindowClassName("Selvaquin", 42), "Selvaquin");
    EXPECT_EQ(WindowClassName("", -7), "Class-7");
    EXPECT_EQ(EditStyleForKeyword("R"), 0x0002u);
    EXPECT_EQ(EditStyleForKeyword("NC"), 0x2001u);
    EXPECT_EQ(EditStyleForKeyword("r"), 0u);
    EXPECT_EQ(PushButtonStyle("C", "SHADOW").style, 0x50001301u);   // the close button
    EXPECT_EQ(PushButtonStyle("Q", "SHADOW").style, 0x50001301u);   // unknown placement: centred
    EXPECT_EQ(PushButtonStyle("C", "shadow").style, 0x00001300u);   // neither child nor visible
    EXPECT_EQ(PushButtonStyle("LT", "EDGE_SHADOW").style, 0x50401501u);
    EXPECT_EQ(PushButtonStyle("LT", "EDGE_SHADOW").exStyle, 0x200u);
    EXPECT_EQ(OptionButtonStyle("SQUARE"), 0x50000003u);
    EXPECT_EQ(OptionButtonStyle("round"), 0u);
}

// A canvas of its own, drawn through the "MEMORY" target; the application's
// target and memory DC are put back afterwards.
class CanvasTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = TheApp();
        previous_ = SetMemoryDC(nullptr);
        canvas_ = CreateCanvas(window_, 200, 100, 0xC8C8C8);
        SetDrawTarget(window_, "MEMORY");
    }
    void TearDown() override {
        SetDrawTarget(window_, "CLIENT");
        SetMemoryDC(previous_);
    }
    int CountNot(long colour) {
        int n = 0;
        for (int y = 0; y < CanvasHeight(canvas_); ++y)
            for (int x = 0; x < CanvasWidth(canvas_); ++x) n += CanvasPixel(canvas_, x, y) != colour;
        return n;
    }
    Window window_;
    MemoryDC previous_;
    MemoryDC canvas_;
};

TEST_F(CanvasTest, PrimitivesGoWhereTheTargetPoints) {
    EXPECT_EQ(CountNot(0xC8C8C8), 0);                 // a new canvas is filled
    EXPECT_EQ(SetMemoryDC(canvas_), canvas_);         // and is the memory DC
    EXPECT_EQ(CreateCanvas(window_, 0, 10, 0), nullptr);
    EXPECT_EQ(SetMemoryDC(canvas_), canvas_);         // a failed one changes nothing
    FillBox(window_, 10, 10, 20, 5, 0xFFFFFF);
    EXPECT_EQ(CountNot(0xC8C8C8), 100);
    DrawLine(window_, 0, 50, 10, 50, 0x0000FF);
    EXPECT_EQ(CanvasPixel(canvas_, 9, 50), 0x0000FF);
    EXPECT_EQ(CanvasPixel(canvas_, 10, 50), 0xC8C8C8);   // the end point is left out
    // Lower case is not a keyword: the target stays "MEMORY".
    SetDrawTarget(window_, "client");
    FillBox(window_, 100, 0, 1, 1, 0x000000);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 0), 0x000000);
    // With "CLIENT" the canvas is left alone.
    SetDrawTarget(window_, "CLIENT");
    FillBox(window_, 101, 0, 1, 1, 0x000000);
    EXPECT_EQ(CanvasPixel(canvas_, 101, 0), 0xC8C8C8);
    EXPECT_EQ(RepaintWindow(window_, "ERASED"), 0);
    EXPECT_EQ(RepaintWindow(window_, "UNERASED"), 0);
    EXPECT_EQ(RepaintWindow(window_, "erased"), 1);
}

TEST_F(CanvasTest, TextsAreDrawnAtTheirCellAndTrackedUntilCovered) {
    Font label = AppFont(FontRole::Label);
    DrawString(window_, 10, 10, "l  l", 0x000000, label, 0);
    // Transparent: the pixels between the letters stay as they were.
    int inked = CountNot(0xC8C8C8);
    EXPECT_GT(inked, 5);
    EXPECT_EQ(CanvasPixel(canvas_, 9, 10), 0xC8C8C8);
    // Drawn again over itself, a text leaves the page as it was.
    for (int again = 0; again < 3; ++again) DrawString(window_, 10, 10, "l  l", 0x000000, label, 0);
    EXPECT_EQ(CountNot(0xC8C8C8), inked);
    EXPECT_EQ(CountNot(0x000000), 200 * 100 - inked);
    // Opaque: the whole cell is painted.
    DrawString(window_, 100, 50, "ab", 0x000000, label, 0xFFFFFF);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 50), 0xFFFFFF);
    EXPECT_EQ(CanvasPixel(canvas_, 100, 50 + 13), 0xFFFFFF);
    DrawRaisedString(window_, 20, 60, 7, "x", 0x969600, label, 0);
    DrawRaisedString(window_, 20, 80, -5, "y", 0x969600, nullptr, 0);
    auto texts = VisibleCanvasTexts(canvas_);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[2].x, 20);
    EXPECT_EQ(texts[2].colour, 0xFFFFFFu);
    EXPECT_EQ(texts[3].x, 23);   // the offset is clamped to 3
    EXPECT_EQ(texts[3].y, 63);
    EXPECT_EQ(texts[5].x, 17);
    EXPECT_EQ(texts[5].y, 77);
    EXPECT_EQ(texts[5].font, nullptr);
    // A box over a text's point hides it; one that only overlaps its cell does not.
    FillBox(window_, 11, 11, 50, 50, 0xFFFFFF);
    FillBox(window_, 0, 0, 10, 10, 0xFFFFFF);
    texts = VisibleCanvasTexts(canvas_);
    EXPECT_EQ(texts.front().x, 10);
    FillBox(window_, 10, 10, 1, 1, 0xFFFFFF);
    texts = VisibleCanvasTexts(canvas_);
    EXPECT_EQ(texts.front().x, 100);
}

TEST(ToolkitFonts, CellHeightAndAverageWidthAreMatched) {
    TheApp();
    struct Case {
        FontRole role;
        int height, width, weight;
    } cases[] = {
        {FontRole::Label, 14, 5, 400}, {FontRole::Result, 14, 5, 700},
        {FontRole::Splash, 30, 15, 400}, {FontRole::Small, 13, 4, 400},
        {FontRole::Heading, 14, 5, 700},
    };
    for (const Case& c : cases) {
        FontInfo info = DescribeFont(AppFont(c.role));
        SCOPED_TRACE(FontRoleName(AppFont(c.role)));
        EXPECT_LE(info.cellHeight, c.height);
        EXPECT_GE(info.cellHeight, c.height - 1);
        EXPECT_NEAR(info.averageWidth, c.width, 1);
        EXPECT_EQ(info.weight, c.weight);
        EXPECT_TRUE(info.family == "Verdana" || info.family == "DejaVu Sans") << info.family;
    }
    EXPECT_NE(AppFont(FontRole::Result), AppFont(FontRole::Heading));
    EXPECT_STREQ(FontRoleName(nullptr), "system");
    FontInfo plain = DescribeFont(MakeFont(14, 5, 0, 400, 21, 0, "Verdana"));
    EXPECT_FALSE(plain.italic || plain.underline || plain.strikeOut);
    FontInfo all = DescribeFont(MakeFont(14, 5, 0, 400, 123, 0, "Verdana"));
    EXPECT_TRUE(all.italic && all.underline && all.strikeOut);
}

// Edit fields of the running application's page 1005.
class FieldTest : public testing::Test {
protected:
    void SetUp() override {
        Command(1005);
        fields_.clear();
        for (const ProbeField& f : ProbeEditFields())
            if (f.visible) fields_.push_back(f.handle);
        ASSERT_EQ(fields_.size(), 2u);
        Clear();
        DeliveredCommands().clear();
    }
    void Clear() {
        for (Window f : fields_) {
            FocusEditField(f);
            for (int i = 0; i < 20; ++i) ProbePressKey("End"), ProbePressKey("Backspace");
        }
        FocusEditField(fields_[0]);
        ProbeProcessEvents();
    }
    std::string Text(int i) {
        std::string text;
        GetEditFieldText(fields_[static_cast<std::size_t>(i)], text);
        return text;
    }
    bool Focused(int i) {
        for (const ProbeField& f : ProbeEditFields())
            if (f.handle == fields_[static_cast<std::size_t>(i)]) return f.focused;
        return false;
    }
    std::vector<Window> fields_;
};

TEST_F(FieldTest, KeysAreForwardedWithTheirVirtualKeyCodes) {
    ProbeTypeText("a5");
    for (const char* key : {"Delete", "Up", "Down", "F1", "F12", "Insert", "PageUp", "Escape"})
        ProbePressKey(key);
    ProbeProcessEvents();
    const std::vector<WParam> expected = {65, 53, 46, 38, 40, 112, 123, 45, 33, 27};
    EXPECT_EQ(DeliveredCommands(), expected);
    EXPECT_EQ(Text(0), "a5");   // Delete deleted nothing
    DeliveredCommands().clear();
    // The caret keys move the caret and are not forwarded.
    ProbePressKey("Home");
    ProbePressKey("Right");
    ProbePressKey("Left");
    ProbePressKey("End");
    ProbeProcessEvents();
    EXPECT_TRUE(DeliveredCommands().empty());
    ProbePressKey("Home");
    ProbeTypeText("9");
    EXPECT_EQ(Text(0), "9a5");
}

TEST_F(FieldTest, TextIsWindows1252AndLimitedToTwelveCharacters) {
    ProbeTypeText("å€→日x");
    EXPECT_EQ(Text(0), "\xE5\x80x");
    ProbeTypeText("1234567890123");
    EXPECT_EQ(Text(0).size(), 12u);
    // The clipboard pastes its first line, without what Windows-1252 lacks.
    FocusEditField(fields_[1]);
    ProbeSetClipboard("1,5\xE2\x86\x92kΩ\nsecond line");
    ProbePressKey("Ctrl+V");
    EXPECT_EQ(Text(1), "1,5k");
    ProbePressKey("Ctrl+V");
    ProbePressKey("Ctrl+V");
    ProbePressKey("Ctrl+V");
    EXPECT_EQ(Text(1), "1,5k1,5k1,5k");
}

TEST_F(FieldTest, TabAndEnterInsertNothingAndMoveTheFocusOnce) {
    ProbeTypeText("1");
    ProbePressKey("Tab");
    EXPECT_EQ(KeyPendingFlag(), 1);   // raised by the key, used by the run that follows
    ProbeProcessEvents();
    EXPECT_EQ(KeyPendingFlag(), 0);
    EXPECT_EQ(Text(0), "1");
    EXPECT_TRUE(Focused(1));
    EXPECT_EQ(DeliveredCommands(), (std::vector<WParam>{49, 9}));
    ProbePressKey("Return");
    ProbeProcessEvents();
    EXPECT_EQ(Text(1), "");
    EXPECT_TRUE(Focused(0));   // two runs: onward, then back to the first field
}

TEST_F(FieldTest, PassFocusMovesOnlyFromTheFocusedFieldWhileAKeyIsPending) {
    ProbePressKey("Tab");   // leaves the flag raised until the posted run
    EXPECT_EQ(KeyPendingFlag(), 1);
    PassFocus(fields_[1], fields_[0]);   // field 1 does not have the focus
    EXPECT_EQ(KeyPendingFlag(), 1);
    EXPECT_TRUE(Focused(0));
    PassFocus(fields_[0], fields_[1]);
    EXPECT_EQ(KeyPendingFlag(), 0);
    EXPECT_TRUE(Focused(1));
    PassFocus(fields_[1], fields_[0]);   // flag cleared: nothing moves
    EXPECT_TRUE(Focused(1));
    ProbeProcessEvents();                // the posted TAB's run finds no flag
    EXPECT_TRUE(Focused(1));
    EXPECT_EQ(EditFieldControlId(fields_[0]), 1);
    EXPECT_EQ(EditFieldControlId(fields_[1]), 1);
}

TEST(ToolkitFields, DigitsOnlyFieldsRefuseOtherCharacters) {
    Window app = TheApp();
    Window digits = CreateEditField(app, 600, 300, 100, 25, "NR", 5);
    Window any = CreateEditField(app, 600, 340, 100, 25, "R", 0);
    FocusEditField(digits);
    ProbeTypeText("1a,2.3456");
    FocusEditField(any);
    ProbeTypeText("1a,2.3456");
    std::string d, a;
    GetEditFieldText(digits, d);
    GetEditFieldText(any, a);
    EXPECT_EQ(d, "12345");
    EXPECT_EQ(a, "1a,2.3456");
    EXPECT_EQ(HideEditField(digits), 0);
    EXPECT_EQ(HideEditField(digits), 1);
    EXPECT_EQ(ShowEditField(digits), 0);
    EXPECT_EQ(ShowEditField(digits), 1);
    HideEditField(digits);
    HideEditField(any);
    ProbeProcessEvents();
}

TEST(ToolkitButtons, RoundButtonsCheckThemselvesAndClearTheVisibleOthers) {
    Window app = TheApp();
    Command(1005);
    Window a = CreateOptionButton(app, 20, 400, "ROUND", "Alpha", 504);
    Window b = CreateOptionButton(app, 20, 420, "ROUND", "Beta", 504);
    Window hidden = CreateOptionButton(app, 20, 440, "ROUND", "Gamma", 504);
    for (Window w : {a, b, hidden}) SetPushButtonFont(w, AppFont(FontRole::Label));
    CheckOptionButton(a);
    CheckOptionButton(hidden);
    HideOptionButton(hidden);
    EXPECT_EQ(IsOptionChecked(a), 1);   // checking one clears nothing
    EXPECT_EQ(IsOptionChecked(hidden), 1);
    DeliveredCommands().clear();
    ASSERT_TRUE(ProbeClickButton("Beta"));
    ProbeProcessEvents();
    EXPECT_EQ(IsOptionChecked(b), 1);
    EXPECT_EQ(IsOptionChecked(a), 0);
    EXPECT_EQ(IsOptionChecked(hidden), 1);   // hidden buttons keep their state
    ASSERT_TRUE(ProbeClickButton("Beta"));   // a second click keeps it checked
    ProbeProcessEvents();
    EXPECT_EQ(IsOptionChecked(b), 1);
    EXPECT_EQ(DeliveredCommands(), (std::vector<WParam>{504, 504}));   // 1005 ignores them
    EXPECT_FALSE(ProbeClickButton("Gamma"));   // hidden buttons cannot be clicked

    ControlGeometry g = GetControlGeometry(a);
    EXPECT_GE(g.height, 16);
    EXPECT_EQ(GetControlGeometry(b).x, 20);
    Window square = CreateOptionButton(app, 20, 460, "SQUARE", "Check", 77);
    Window neither = CreateOptionButton(app, 20, 480, "OVAL", "Push", 78);
    EXPECT_EQ(HideOptionButton(neither), 1);   // made neither child nor visible
    ASSERT_TRUE(ProbeClickButton("Check"));
    ProbeClickButton("Check");
    ProbeProcessEvents();
    EXPECT_EQ(IsOptionChecked(square), 0);     // a check box flips
    for (Window w : {a, b, square}) HideOptionButton(w);
    ProbeProcessEvents();
}

}  // namespace
