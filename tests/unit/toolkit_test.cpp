// What every platform's toolkit shares: an edit field's keys, room and rules, the menu
// bar's keys, and the RGB canvas of toolkit/rgb_canvas.cpp on plain memory images.
#include "toolkit/controls.h"
#include "toolkit/draw_target.h"
#include "toolkit/field_edit.h"
#include "toolkit/menu_keys.h"
#include "toolkit/rgb_canvas.h"
#include "toolkit/shown_texts.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <vector>

namespace tk {

// Rows padded by 5 bytes, as an image's rows may be.
struct CanvasImpl {
    int width, height;
    std::vector<std::uint8_t> bytes;
    ShownTexts texts;
};
struct FontImpl : FontRequest {};

CanvasImpl* TargetCanvas(Window) { return CurrentMemoryDC(); }
RasterImage Raster(CanvasImpl* c) {
    return {c->bytes.data(), c->width, c->height, 3 * c->width + 5};
}
ShownTexts& TextsOn(CanvasImpl* c) { return c->texts; }
CanvasImpl* NewCanvas(int width, int height) {
    static std::deque<CanvasImpl> canvases;
    return &canvases.emplace_back(width, height,
                                  std::vector<std::uint8_t>((3 * width + 5) * height));
}
Font NewFont(FontRequest) { return nullptr; }
double ScreenDpi() { return 96.0; }
void PaintText(CanvasImpl*, int, int, const char*, Colour, Font, Colour) {}
void AfterDrawing(Window) {}

}  // namespace tk

using namespace tk;

TEST(FieldKeys, CaretKeysStayTabAndEnterArmAltTypesNothingAltBackspaceUndoes) {
    using enum FieldKey;
    const std::tuple<int, bool, bool, FieldKey> keys[] = {
        {35, 0, 0, Caret},  {36, 0, 0, Caret},  {37, 1, 0, Caret},   {39, 0, 1, Caret},
        {38, 0, 0, Field},  {40, 0, 0, Field},  {9, 0, 0, Pending},  {13, 1, 1, Pending},
        {8, 1, 0, Undo},    {8, 0, 0, Field},   {8, 1, 1, Field},    {'A', 1, 0, Nothing},
        {'A', 1, 1, Field}, {'Z', 0, 1, Field}, {121, 1, 0, Nothing}};
    for (const auto& [vk, alt, ctrl, action] : keys)
        EXPECT_EQ(FieldKeyAction(vk, alt, ctrl), action) << vk;
    EXPECT_TRUE(Forwarded(1) && Forwarded(255) && !Forwarded(0) && !Forwarded(256));
    // A limit of 5: 3 held, 2 of them replaced, all replaced; 7 held.
    EXPECT_EQ(RoomLeft(5, 3, 0) * 1000 + RoomLeft(5, 3, 2) * 100 + RoomLeft(5, 3, 9) * 10 +
                  RoomLeft(5, 7, 1),
              2450u);
    EXPECT_EQ(Limited("123456", 5) + Limited("12345", 5) + Limited("", 5), "1234512345");
}

// What an assistive technology or an input method sets is held to the field's
// rules as a whole, and left alone when it keeps to them.
TEST(FieldEdit, ATextSetFromOutsideKeepsToTheRules) {
    const FieldEdit field(0, 4), digits(kEditDigits, 4);
    EXPECT_EQ(field.Revalidate(u"€ü7"), std::nullopt);
    EXPECT_EQ(field.Revalidate(u"€\t7\n8"), "€7"_cp);
    EXPECT_EQ(digits.Revalidate(u"1234a5"), "1234");
}

TEST(PushButtons, TheLabelPlacedByTheStyleBitsAsWindowsHasThem) {
    // BS_LEFT, BS_RIGHT | BS_BOTTOM, BS_CENTER (left and right) | BS_TOP, none.
    const std::tuple<std::uint32_t, Place, Place> labels[] = {{0x0100, Place::Start, Place::Centre},
                                                              {0x0A00, Place::End, Place::End},
                                                              {0x0700, Place::Centre, Place::Start},
                                                              {0, Place::Centre, Place::Centre}};
    for (const auto& [style, across, down] : labels)
        EXPECT_TRUE(LabelPlace(style, false) == across && LabelPlace(style, true) == down) << style;
}

TEST(MenuKeys, TheBarFromTheKeyboardAsWindowsHasIt) {
    // Three titles; the second's menu: an item, a rule, two items, a rule.
    const MenuShape bar = {{true}, {true, false, true, true, false}, {true, true}};
    using enum MenuStep;
    // Each key from the state the one before left, then the state it leaves.
    const std::tuple<int, bool, MenuStep, int, bool, int> keys[] = {
        {kKeyRight, 0, NotMine, -1, 0, -1}, {kKeyF10, 1, NotMine, -1, 0, -1},
        {kKeyF10, 0, Moved, 0, 0, -1},      {kKeyLeft, 0, Moved, 2, 0, -1},
        {kKeyRight, 0, Moved, 0, 0, -1},    {kKeyRight, 0, Moved, 1, 0, -1},
        {'X', 0, Moved, 1, 0, -1},          {kKeyUp, 0, Moved, 1, 1, 0},
        {kKeyDown, 0, Moved, 1, 1, 2},      {kKeyDown, 0, Moved, 1, 1, 3},
        {kKeyDown, 0, Moved, 1, 1, 0},      {kKeyUp, 0, Moved, 1, 1, 3},
        {kKeySpace, 0, Choose, 1, 1, 3},    {kKeyLeft, 0, Moved, 0, 1, 0},
        {kKeyEscape, 0, Moved, 0, 0, -1},   {kKeyReturn, 0, Moved, 0, 1, 0},
        {kKeyReturn, 0, Choose, 0, 1, 0},   {kKeyEscape, 0, Moved, 0, 0, -1},
        {kKeyEscape, 0, Leave, 0, 0, -1},   {kKeyF10, 0, Moved, 0, 0, -1},
        {kKeyDown, 0, Moved, 0, 1, 0},      {kKeyF10, 0, Leave, 0, 1, 0}};
    MenuBarState s;
    for (const auto& [vk, modified, step, title, open, item] : keys) {
        EXPECT_EQ(MenuBarKey(s, bar, vk, modified), step) << vk;
        EXPECT_EQ(std::tuple(s.title, s.open, s.item), std::tuple(title, open, item)) << vk;
        if (step == Leave) s = {};
    }
    EXPECT_EQ(MenuBarKey(s, {}, kKeyF10, false), NotMine);
    // Alt alone, pressed and released, is a tap; with a key between or Shift it is not.
    AltTap alt;
    alt.Down(kKeyAlt, false);
    const bool tap = alt.Up(kKeyAlt);
    alt.Down(kKeyAlt, false), alt.Down('F', false);
    const bool typed = alt.Up(kKeyAlt);
    alt.Down(kKeyAlt, true);
    EXPECT_TRUE(tap && !typed && !alt.Up(kKeyAlt));
}

TEST(RgbCanvas, ACopyLandsEachPixelInsideBothCanvasesAndTheTextsWithIt) {
    SetDrawTarget("MEMORY");
    MemoryDC source = CreateCanvas(nullptr, 4, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) FillBox(nullptr, x, y, 1, 1, 0x10000 + 16 * y + x);
    DrawString(nullptr, 1, 2, "t", 0, nullptr, 0);
    const int copies[][4] = {{0, 0, 4, 3}, {2, 1, 4, 3}, {-2, -1, 4, 3}, {1, 0, 2, 9},
                             {1, 1, 9, 9}, {6, 0, 4, 3}, {0, 2, 4, 3},   {-1, 1, 3, 1}};
    for (const auto& [x, y, width, height] : copies) {
        MemoryDC target = CreateCanvas(nullptr, 6, 4, 0xC8C8C8);
        EXPECT_EQ(CopyCanvas(nullptr, source, x, y, width, height), 0);
        const RasterImage r = Raster(target);
        bool textLands = false;
        for (int ty = 0; ty < 4; ++ty)
            for (int tx = 0; tx < 6; ++tx) {
                const int sx = tx - x, sy = ty - y;
                const bool copied =
                    sx >= 0 && sy >= 0 && sx < std::min(width, 4) && sy < std::min(height, 3);
                if (sx == 1 && sy == 2) textLands = copied;
                const std::uint8_t* p = r.bits + ty * r.stride + 3 * tx;
                EXPECT_EQ(p[0] | p[1] << 8 | p[2] << 16, copied ? 0x10000 + 16 * sy + sx : 0xC8C8C8)
                    << x << "," << y << " " << width << "x" << height << " at " << tx << "," << ty;
            }
        const auto texts = TextsOn(target).InReadingOrder();
        ASSERT_EQ(texts.size(), textLands ? 1u : 0u) << x << "," << y;
        EXPECT_TRUE(!textLands || (texts[0].x == 1 + x && texts[0].y == 2 + y)) << x << "," << y;
    }
    SetDrawTarget("CLIENT");
}
