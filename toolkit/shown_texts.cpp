// The texts a canvas shows, for assistive technology.

#include "toolkit/shown_texts.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

namespace {

// Far more than a page draws; past it the oldest text goes.
constexpr std::size_t kMaxTexts = 1024;
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
    std::erase_if(texts_, [&](const ShownText& t) {
        return t.x >= x && t.y >= y && t.x < x + width && t.y < y + height;
    });
}

void ShownTexts::Copied(const ShownTexts& source, long long left, long long top, long long right,
                        long long bottom, long long dx, long long dy) {
    if (this == &source) return;
    Covered(left + dx, top + dy, right - left, bottom - top);
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
    std::stable_sort(texts.begin(), texts.end(), [](const ShownText& a, const ShownText& b) {
        return a.y / kLineBand != b.y / kLineBand ? a.y < b.y : a.x < b.x;
    });
    return texts;
}

std::string Announcement(const std::vector<ShownText>& before,
                         const std::vector<ShownText>& after) {
    std::string said;
    for (std::size_t first = 0, end = 0; first < after.size(); first = end) {
        bool changed = false;
        for (end = first;
             end < after.size() && after[end].y / kLineBand == after[first].y / kLineBand; ++end)
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
