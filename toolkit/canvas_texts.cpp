// The texts drawn into a canvas.

#include "toolkit/canvas_texts.h"

#include <algorithm>
#include <cstddef>

namespace tk {

namespace {

// Far more than any page draws.
constexpr std::size_t kMaxTexts = 4096;
// Some pages' worth.
constexpr std::size_t kMaxHistory = 8192;

}  // namespace

void CanvasTextList::Remember(CanvasDrawing drawing) {
    if (history_.size() >= kMaxHistory) history_.pop_front();
    history_.push_back(std::move(drawing));
}

void CanvasTextList::Drawn(int width, int height, int x, int y, FontImpl* font, Colour colour,
                           const char* text) {
    if (text == nullptr) return;
    Remember(CanvasDrawing{false, 0, 0, 0, 0, CanvasText{x, y, font, colour, text}});
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    // The same text drawn again on the same spot is the same text.
    std::erase_if(texts_, [&](const CanvasText& t) {
        return t.x == x && t.y == y && t.font == font && t.colour == colour && t.text == text;
    });
    if (texts_.size() >= kMaxTexts) texts_.erase(texts_.begin());
    texts_.push_back(CanvasText{x, y, font, colour, text});
}

void CanvasTextList::Covered(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    Remember(CanvasDrawing{true, x, y, width, height, {}});
    const long long right = static_cast<long long>(x) + width;
    const long long bottom = static_cast<long long>(y) + height;
    std::erase_if(texts_, [&](const CanvasText& t) {
        return t.x >= x && t.x < right && t.y >= y && t.y < bottom;
    });
}

}  // namespace tk
