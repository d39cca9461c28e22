// The texts a canvas shows, for assistive technology.

#include "toolkit/shown_texts.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <tuple>
#include <utility>

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
// A box whose top and bottom are this close to its panel's is as tall.
constexpr int kColumnSlack = 5;
// A caption this far above or below a value, or less, and this far to
// either side, can name it (their top-left corners).
constexpr int kNameRise = 25;
constexpr int kNameShift = 35;

TextKind g_textKind = TextKind::Caption;

}  // namespace

void SetTextKind(TextKind kind) { g_textKind = kind; }

void ShownTexts::Drawn(int x, int y, const char* text) {
    if (text != nullptr) Add(x, y, text, g_textKind);
}

void ShownTexts::Add(int x, int y, const std::string& text, TextKind kind) {
    std::erase_if(texts_,
                  [&](const ShownText& t) { return t.x == x && t.y == y && t.text == text; });
    if (texts_.size() >= kMaxTexts) texts_.erase(texts_.begin());
    texts_.push_back({x, y, text, kind});
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
            Add(static_cast<int>(t.x + dx), static_cast<int>(t.y + dy), t.text, t.kind);
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
    // Each text with where its part and its column start: the largest part
    // that holds it, and the last filled box that holds it, as tall as the
    // part and narrower (a column of a panel split side by side); for a
    // text outside every part its line's start.
    struct Placed {
        long long band, left, column;
        ShownText text;
    };
    std::vector<Placed> placed;
    for (ShownText& t : texts) {
        const ShownBox* part = nullptr;
        for (const ShownBox* b : parts)
            if (b->Holds(t.x, t.y) &&
                (part == nullptr || b->width * b->height > part->width * part->height))
                part = b;
        if (part == nullptr) {
            placed.push_back({t.y / kLineBand, -1, -1, std::move(t)});
            continue;
        }
        const ShownBox* column = part;
        for (const ShownBox* b : parts)
            if (b->Holds(t.x, t.y) && b->width < part->width &&
                std::abs(b->y - part->y) <= kColumnSlack &&
                std::abs(b->y + b->height - part->y - part->height) <= kColumnSlack)
                column = b;
        placed.push_back({part->y / kLineBand, part->x, column->x, std::move(t)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        const int aLine = a.text.y / kLineBand, bLine = b.text.y / kLineBand;
        return std::tie(a.band, a.left, a.column, aLine, a.text.x) <
               std::tie(b.band, b.left, b.column, bLine, b.text.x);
    });
    texts.clear();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const bool same = i > 0 && placed[i].band == placed[i - 1].band &&
                          placed[i].left == placed[i - 1].left &&
                          placed[i].column == placed[i - 1].column;
        placed[i].text.part = i == 0 ? 0 : texts.back().part + (same ? 0 : 1);
        texts.push_back(std::move(placed[i].text));
    }
    return texts;
}

namespace {

bool SameLine(const ShownText& a, const ShownText& b) {
    return a.part == b.part && a.y / kLineBand == b.y / kLineBand;
}

// A text as it is said: blank runs as one blank, none at the ends.
std::string Spoken(const std::string& text) {
    std::string said;
    for (char c : text)
        if (c != ' ' || (!said.empty() && said.back() != ' ')) said.push_back(c);
    if (!said.empty() && said.back() == ' ') said.pop_back();
    return said;
}

// The caption among `texts` that names `value`, of those `usable` lets be
// one; null when none does.
template <typename Usable>
const ShownText* NameOf(const std::vector<ShownText>& texts, const ShownText& value,
                        Usable usable) {
    const ShownText* left = nullptr;
    for (const ShownText& t : texts)
        if (SameLine(t, value) && t.x < value.x && (left == nullptr || t.x > left->x)) left = &t;
    const ShownText* name =
        left != nullptr && left->kind == TextKind::Caption && usable(*left) ? left : nullptr;
    long long nearest =
        name != nullptr ? 1LL * (value.x - name->x) * (value.x - name->x) : LLONG_MAX;
    for (const ShownText& t : texts) {
        const long long dx = t.x - value.x, dy = t.y - value.y;
        if (t.part != value.part || SameLine(t, value) || t.kind != TextKind::Caption ||
            std::abs(dy) > kNameRise || std::abs(dx) > kNameShift || !usable(t) ||
            dx * dx + dy * dy >= nearest)
            continue;
        nearest = dx * dx + dy * dy;
        name = &t;
    }
    return name;
}

std::string Telling(const std::vector<ShownText>& before, const std::vector<ShownText>& after,
                    bool whole) {
    const auto isNew = [&](const ShownText& t) {
        return whole || std::none_of(before.begin(), before.end(), [&](const ShownText& o) {
                   return o.x == t.x && o.y == t.y && o.text == t.text;
               });
    };
    std::vector<const ShownText*> names(after.size(), nullptr);
    std::vector<bool> naming(after.size(), false);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i].kind != TextKind::Value || !isNew(after[i])) continue;
        names[i] = NameOf(after, after[i], [&](const ShownText& t) { return whole || !isNew(t); });
        if (names[i] != nullptr) naming[static_cast<std::size_t>(names[i] - after.data())] = true;
    }
    std::vector<std::string> pieces;
    const ShownText* line = nullptr;  // where the captions of the last piece stand
    for (std::size_t i = 0; i < after.size(); ++i) {
        const ShownText& t = after[i];
        const std::string text = Spoken(t.text);
        if (t.kind == TextKind::Figure || naming[i] || text.empty() || !isNew(t)) continue;
        if (t.kind == TextKind::Value) {
            pieces.push_back(names[i] != nullptr ? Spoken(names[i]->text) + " " + text : text);
            line = nullptr;
        } else if (line != nullptr && SameLine(*line, t)) {
            pieces.back() += " " + text;
        } else {
            pieces.push_back(text);
            line = &t;
        }
    }
    std::string said;
    for (const std::string& piece : pieces) said += (said.empty() ? "" : ". ") + piece;
    return said;
}

}  // namespace

std::string Announcer::Said(std::vector<ShownText> texts) {
    const bool whole = std::exchange(whole_, false);
    std::string said = started_ || whole ? Telling(shown_, texts, whole) : std::string();
    started_ = true;
    shown_ = std::move(texts);
    return said;
}

Announcer& PageAnnouncer() {
    static auto* announcer = new Announcer;
    return *announcer;
}

void PageOpened(Window) { PageAnnouncer().PageOpened(); }

}  // namespace tk
