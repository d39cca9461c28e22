// The texts a canvas shows, for assistive technology.

#include "toolkit/shown_texts.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tk {

namespace {

// Far more than a page draws; past them the oldest text or box goes.
constexpr std::size_t kMaxTexts = 1024;
constexpr std::size_t kMaxBoxes = 256;
// A raised text's coloured copy lies at most this far from its white one.
constexpr int kRaise = 3;
// Points this many rows apart or fewer, counted in bands from the top, read
// as one line: a label and the value beside it.
constexpr int kLineBand = 10;

}  // namespace

void ShownTexts::Drawn(int x, int y, const char* text) {
    if (text == nullptr) return;
    std::erase_if(texts_,
                  [&](const ShownText& t) { return t.x == x && t.y == y && t.text == text; });
    if (texts_.size() >= kMaxTexts) texts_.erase(texts_.begin());
    texts_.push_back({x, y, text});
}

void ShownTexts::Covered(long long x, long long y, long long width, long long height) {
    const ShownBox box{x, y, width, height};
    std::erase_if(texts_, [&](const ShownText& t) { return box.Holds(t.x, t.y); });
    if (width <= 0 || height <= 0) return;
    std::erase_if(boxes_, [&](const ShownBox& b) {
        return b.x >= x && b.y >= y && b.x + b.width <= x + width && b.y + b.height <= y + height;
    });
    if (boxes_.size() >= kMaxBoxes) boxes_.erase(boxes_.begin());
    boxes_.push_back(box);
}

void ShownTexts::Copied(const ShownTexts& source, long long left, long long top, long long right,
                        long long bottom, long long dx, long long dy) {
    if (this == &source) return;
    Covered(left + dx, top + dy, right - left, bottom - top);
    for (const ShownBox& b : source.boxes_) {
        const long long x = std::max(b.x, left), y = std::max(b.y, top);
        const long long width = std::min(b.x + b.width, right) - x,
                        height = std::min(b.y + b.height, bottom) - y;
        if (width > 0 && height > 0) Covered(x + dx, y + dy, width, height);
    }
    for (const ShownText& t : source.texts_)
        if (t.x >= left && t.y >= top && t.x < right && t.y < bottom)
            Drawn(static_cast<int>(t.x + dx), static_cast<int>(t.y + dy), t.text.c_str());
}

std::vector<ShownText> ShownTexts::InReadingOrder() const {
    std::vector<ShownText> texts;
    for (const ShownText& t : texts_) {
        const bool copy = std::any_of(texts.begin(), texts.end(), [&](const ShownText& o) {
            return o.text == t.text && std::abs(o.x - t.x) <= kRaise &&
                   std::abs(o.y - t.y) <= kRaise;
        });
        if (!copy && !t.text.empty()) texts.push_back(t);
    }
    std::vector<const ShownBox*> parts;
    for (const ShownBox& b : boxes_)
        if (!std::all_of(texts.begin(), texts.end(),
                         [&](const ShownText& t) { return b.Holds(t.x, t.y); }))
            parts.push_back(&b);
    // Each text with where its part starts: the largest part that holds it,
    // or for a text outside every part its line's start.
    struct Placed {
        long long band, left;
        ShownText text;
    };
    std::vector<Placed> placed;
    for (ShownText& t : texts) {
        const ShownBox* part = nullptr;
        for (const ShownBox* b : parts)
            if (b->Holds(t.x, t.y) &&
                (part == nullptr || b->width * b->height > part->width * part->height))
                part = b;
        placed.push_back(part != nullptr ? Placed{part->y / kLineBand, part->x, std::move(t)}
                                         : Placed{t.y / kLineBand, -1, std::move(t)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        const int aLine = a.text.y / kLineBand, bLine = b.text.y / kLineBand;
        return std::tie(a.band, a.left, aLine, a.text.x) <
               std::tie(b.band, b.left, bLine, b.text.x);
    });
    texts.clear();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const bool same = i > 0 && placed[i].band == placed[i - 1].band &&
                          placed[i].left == placed[i - 1].left;
        placed[i].text.part = i == 0 ? 0 : texts.back().part + (same ? 0 : 1);
        texts.push_back(std::move(placed[i].text));
    }
    return texts;
}

std::string Announcement(const std::vector<ShownText>& before,
                         const std::vector<ShownText>& after) {
    std::string said;
    for (std::size_t first = 0, end = 0; first < after.size(); first = end) {
        bool changed = false;
        for (end = first; end < after.size() && after[end].part == after[first].part &&
                          after[end].y / kLineBand == after[first].y / kLineBand;
             ++end)
            changed =
                changed || std::none_of(before.begin(), before.end(), [&](const ShownText& t) {
                    return t.x == after[end].x && t.y == after[end].y && t.text == after[end].text;
                });
        if (!changed) continue;
        if (!said.empty()) said += '\n';
        for (std::size_t i = first; i < end; ++i) said += (i > first ? " " : "") + after[i].text;
    }
    return said;
}

}  // namespace tk
