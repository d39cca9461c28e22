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

// Far more texts than any page draws, and some pages' worth of drawings.
constexpr std::size_t kMaxTexts = 4096, kMaxHistory = 8192;

// What was drawn on one canvas: the texts that still show, and the latest
// texts and boxes.
struct Drawn {
    std::vector<CanvasText> texts;
    std::deque<CanvasDrawing> history;

    void Remember(CanvasDrawing drawing) {
        if (history.size() >= kMaxHistory) history.pop_front();
        history.push_back(std::move(drawing));
    }
};

class Watcher final : public Observer {
public:
    // A text whose point lies off the canvas is not on the page; the same
    // text drawn again on the same spot is the same text.
    void TextDrawn(MemoryDC canvas, int x, int y, Font font, Colour colour,
                   const char* text) override {
        if (text == nullptr) return;
        Drawn& drawn = canvases[canvas];
        const CanvasText added{x, y, font, colour, text};
        drawn.Remember(CanvasDrawing{false, 0, 0, 0, 0, added});
        if (x < 0 || y < 0 || x >= CanvasWidth(canvas) || y >= CanvasHeight(canvas)) return;
        std::erase_if(drawn.texts, [&](const CanvasText& t) {
            return t.x == x && t.y == y && t.font == font && t.colour == colour && t.text == text;
        });
        if (drawn.texts.size() >= kMaxTexts) drawn.texts.erase(drawn.texts.begin());
        drawn.texts.push_back(added);
    }
    // A box hides the texts whose point it covers.
    void BoxFilled(MemoryDC canvas, int x, int y, int width, int height) override {
        if (width <= 0 || height <= 0) return;
        Drawn& drawn = canvases[canvas];
        drawn.Remember(CanvasDrawing{true, x, y, width, height, {}});
        const long long right = static_cast<long long>(x) + width;
        const long long bottom = static_cast<long long>(y) + height;
        std::erase_if(drawn.texts, [&](const CanvasText& t) {
            return t.x >= x && t.x < right && t.y >= y && t.y < bottom;
        });
    }
    void CommandPosted(WParam) override { ++pending; }
    void CommandDelivered(WParam) override { --pending; }
    void ClipboardRead() override { ++clipboardReads; }

    std::map<MemoryDC, Drawn> canvases;
    int pending = 0;
    long clipboardReads = 0;
};

// Made once and kept to the very end, as the canvases it watches are.
Watcher& TheWatcher() {
    static auto* watcher = new Watcher;
    return *watcher;
}

[[maybe_unused]] const bool g_installed = (g_observer = &TheWatcher(), true);

}  // namespace

int PendingCommands() { return TheWatcher().pending; }

long ProbeClipboardReads() { return TheWatcher().clipboardReads; }

std::vector<CanvasText> VisibleCanvasTexts(MemoryDC dc) {
    return dc != nullptr ? TheWatcher().canvases[dc].texts : std::vector<CanvasText>{};
}

std::vector<CanvasDrawing> CanvasHistory(MemoryDC dc) {
    if (dc == nullptr) return {};
    const std::deque<CanvasDrawing>& history = TheWatcher().canvases[dc].history;
    return std::vector<CanvasDrawing>(history.begin(), history.end());
}

}  // namespace tk
