// Inside the toolkit: the texts a canvas shows, kept as they are drawn, for
// assistive technology to read (a screen reader cannot read pixels). A text
// shows until a box is filled or a canvas copied over its point; the same
// text drawn again on its point is kept once. The filled boxes are kept too,
// as the parts of the page a reader takes one after the other. The record is
// bounded, however long the program runs.
#pragma once

#include <string>
#include <vector>

namespace tk {

struct ShownText {
    int x, y;
    std::string text;  // Windows-1252
    int part = 0;      // in reading order: which part of the page it is read in
};

struct ShownBox {
    long long x, y, width, height;
    bool Holds(long long px, long long py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

class ShownTexts {
public:
    void Drawn(int x, int y, const char* text);
    // A box filled or a canvas copied: the texts under it go, and it is a
    // part of the page from now on.
    void Covered(long long x, long long y, long long width, long long height);
    // The texts of `source` inside its columns left..right-1 and rows
    // top..bottom-1, copied with their point moved by (dx, dy), over what
    // the copy covers.
    void Copied(const ShownTexts& source, long long left, long long top, long long right,
                long long bottom, long long dx, long long dy);
    // In reading order: part by part, each part line by line from the top
    // (points within a few rows of each other share a line), left to right.
    // A text's part is the largest box that holds its point and not every
    // text (a panel: the heading and hints are read before the fields'
    // labels beside them); parts, and texts outside any, follow one another
    // as their top-left corners do. The white copy under a raised text and
    // empty texts are left out.
    std::vector<ShownText> InReadingOrder() const;

private:
    std::vector<ShownText> texts_;
    std::vector<ShownBox> boxes_;
};

// The texts of the main window's client area in reading order: what a screen
// reader is given to read the page by. Empty before the window is open.
std::vector<ShownText> PageTexts();

// What to announce when the page's texts went from `before` to `after` (both
// in reading order): each line of a part of `after` that holds a text not
// shown before at its point, its texts joined by blanks, the lines by line
// feeds. Empty when nothing changed.
std::string Announcement(const std::vector<ShownText>& before, const std::vector<ShownText>& after);

}  // namespace tk
