// The probe's observer: the texts drawn on each canvas and the commands.

#include "toolkit/testing/watch.h"

#include "toolkit/observer.h"
#include "toolkit/testing/probe.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <map>
#include <vector>

namespace tk {

namespace {

// Far more than any page draws.
constexpr std::size_t kMaxTexts = 4096;
// Some pages' worth.
constexpr std::size_t kMaxHistory = 8192;

// The texts drawn on one canvas that still show, and what was drawn lately.
class CanvasTextList {
public:
    // A text drawn at (x, y) on a canvas of the given size; one whose point
    // lies off the canvas is not on the page.
    void Drawn(int width, int height, int x, int y, Font font, Colour colour, const char* text) {
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
    // A box of width x height filled at (x, y) hides the texts whose point it
    // covers.
    void Covered(int x, int y, int width, int height) {
        if (width <= 0 || height <= 0) return;
        Remember(CanvasDrawing{true, x, y, width, height, {}});
        const long long right = static_cast<long long>(x) + width;
        const long long bottom = static_cast<long long>(y) + height;
        std::erase_if(texts_, [&](const CanvasText& t) {
            return t.x >= x && t.x < right && t.y >= y && t.y < bottom;
        });
    }
    const std::vector<CanvasText>& Texts() const { return texts_; }
    const std::deque<CanvasDrawing>& History() const { return history_; }

private:
    void Remember(CanvasDrawing drawing) {
        if (history_.size() >= kMaxHistory) history_.pop_front();
        history_.push_back(std::move(drawing));
    }

    std::vector<CanvasText> texts_;
    std::deque<CanvasDrawing> history_;
};

class Watcher final : public Observer {
public:
    void TextDrawn(MemoryDC canvas, int x, int y, Font font, Colour colour,
                   const char* text) override {
        lists[canvas].Drawn(CanvasWidth(canvas), CanvasHeight(canvas), x, y, font, colour, text);
    }
    void BoxFilled(MemoryDC canvas, int x, int y, int width, int height) override {
        lists[canvas].Covered(x, y, width, height);
    }
    void CommandPosted(WParam) override { ++pending; }
    void CommandDelivered(WParam) override { --pending; }

    std::map<MemoryDC, CanvasTextList> lists;
    int pending = 0;
};

// Made once and kept to the very end, as the canvases it watches are.
Watcher& TheWatcher() {
    static auto* watcher = new Watcher;
    return *watcher;
}

[[maybe_unused]] const bool g_installed = (g_observer = &TheWatcher(), true);

}  // namespace

int PendingCommands() { return TheWatcher().pending; }

std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc) {
    if (dc == nullptr) return {};
    return TheWatcher().lists[dc].Texts();
}

std::vector<CanvasDrawing> CanvasHistory(MemoryDC dc) {
    if (dc == nullptr) return {};
    const std::deque<CanvasDrawing>& history = TheWatcher().lists[dc].History();
    return std::vector<CanvasDrawing>(history.begin(), history.end());
}

}  // namespace tk
