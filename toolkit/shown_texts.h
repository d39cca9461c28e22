// Inside the toolkit: the texts a canvas shows, kept as they are drawn, for
// assistive technology to read (a screen reader cannot read pixels). A text
// shows until a box is filled or a canvas copied over its point; the same
// text drawn again on its point is kept once. The record is bounded, however
// long the program runs.
#pragma once

#include <string>
#include <vector>

namespace tk {

struct ShownText {
    int x, y;
    std::string text;  // Windows-1252
};

class ShownTexts {
public:
    void Drawn(int x, int y, const char* text);
    void Covered(long long x, long long y, long long width, long long height);
    // The texts of `source` inside its columns left..right-1 and rows
    // top..bottom-1, copied with their point moved by (dx, dy), over what
    // the copy covers.
    void Copied(const ShownTexts& source, long long left, long long top, long long right,
                long long bottom, long long dx, long long dy);
    // In reading order: line by line from the top (points within a few rows
    // of each other share a line), left to right; the white copy under a
    // raised text and empty texts left out.
    std::vector<ShownText> InReadingOrder() const;

private:
    std::vector<ShownText> texts_;
};

// The texts of the main window's client area in reading order: what a screen
// reader is given to read the page by. Empty before the window is open.
std::vector<ShownText> PageTexts();

// What to announce when the page's texts went from `before` to `after` (both
// in reading order): each line of `after` that holds a text not shown before
// at its point, its texts joined by blanks, the lines by line feeds. Empty
// when nothing changed.
std::string Announcement(const std::vector<ShownText>& before, const std::vector<ShownText>& after);

}  // namespace tk
