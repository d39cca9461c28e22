// Inside the toolkit: the texts a canvas shows, kept as they are drawn, for
// assistive technology to read (a screen reader cannot read pixels). A text
// shows until a box is filled or a canvas copied over its point; the same
// text drawn again on its point is kept once. The filled boxes are kept too,
// as the parts of the page a reader takes one after the other. The record is
// bounded, however long the program runs.
#pragma once

#include "toolkit/draw.h"

#include <string>
#include <vector>

namespace tk {

struct ShownText {
    int x, y;
    std::string text;  // Windows-1252
    TextKind kind = TextKind::Caption;
    int part = 0;  // in reading order: which part of the page it is read in
};

struct ShownBox {
    long long x, y, width, height;
    bool Holds(long long px, long long py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

class ShownTexts {
public:
    // A text drawn, of the kind SetTextKind set last.
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
    // as their top-left corners do. A panel split into boxes as tall as it
    // is, side by side (a schematic beside a graph), is read box by box, a
    // text in the last filled of them that holds it. The white copy under a
    // raised text and empty texts are left out.
    std::vector<ShownText> InReadingOrder() const;

private:
    void Add(int x, int y, const std::string& text, TextKind kind);

    std::vector<ShownText> texts_;
    std::vector<ShownBox> boxes_;
};

// The texts of the main window's client area in reading order: what a screen
// reader is given to read the page by. Empty before the window is open.
std::vector<ShownText> PageTexts();

// What a screen reader is told as the page changes, from the page's texts
// in reading order each time it shows: after the page was opened
// (PageOpened), all of it; otherwise each text not shown before at its
// point. A value is said after the caption that names it: the text just
// left of it on its line, or else the nearest one a little above or below
// it (a part's label over its value); the caption then is not said on its
// own. Names of what changed are captions that did not change. Figures are
// never said. The texts are said in reading order, the captions of a line
// together, blank runs as one blank, the pieces joined by ". ". Nothing is
// said the first time, nor when nothing new shows.
class Announcer {
public:
    void PageOpened() { whole_ = true; }
    std::string Said(std::vector<ShownText> texts);

private:
    std::vector<ShownText> shown_;
    bool started_ = false;
    bool whole_ = false;
};

// The announcer of the main window's page.
Announcer& PageAnnouncer();

}  // namespace tk
