// The transcript format of selvaquin-drive, run as its own process on a script
// fed to its standard input.
#include "drive_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

TEST(DriveScript, BadLinesStopWithExitTwoNamingTheLine) {
    for (std::string line : {"frobnicate", "pixel 1", "pixel a b", "pixel 0 0 0", "pixel 1000 0",
                             "pixel -1 5", "key Bogus", "command x", "command -1", "command",
                             "command 1 2", "dump now", "menu No such item", "click No such button",
                             "png /nonexistent/dir/x.png", "shot /nonexistent/dir/x.png"}) {
        DriveResult run = Drive("# comment\n\nmenus\n" + line + "\ndump\n");
        EXPECT_EQ(run.status, 2) << line;
        // The message comes last; the platform may print notes of its own before it.
        EXPECT_NE(run.err.find("selvaquin-drive: line 4: "), std::string::npos) << run.err;
        EXPECT_TRUE(run.err.ends_with(": \"" + line + "\"\n")) << run.err;
        // What the lines before wrote is kept; nothing after the bad line runs.
        EXPECT_TRUE(run.out.ends_with("end\n")) << line;
        EXPECT_EQ(run.out.find("screen "), std::string::npos) << line;
    }
    EXPECT_TRUE(Drive("frobnicate\n")
                    .err.ends_with("selvaquin-drive: line 1: unknown command: \"frobnicate\"\n"));
}

TEST(DriveDump, StartUpDumpThroughCommentsBlankLinesAndCarriageReturns) {
    DriveResult run = Drive("# a comment\r\n\r\n \t \ndump   \r\n#menus\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out),
              (Strings{"screen 1130", "language 1", "focus none", "button 800 530 push \"STÄNG\"",
                       "text 380 250 splash 0xFFFFFF \"SELVAQUIN\"",
                       "text 382 252 splash 0x969600 \"SELVAQUIN\"",
                       "text 350 526 splash 0xFFFFFF \"Made by Tulke\"",
                       "text 352 528 splash 0x969696 \"Made by Tulke\"", "end"}));
    EXPECT_EQ(Drive("").out, "");
}

TEST(DriveDump, QuotesAndBackslashesAreEscaped) {
    DriveResult run = Drive("command 1005\ntype a\"b\\c\ndump\npixel 0 0\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const Strings dump = Lines(run.out);
    EXPECT_TRUE(Has(dump, "field 280 40 \"a\\\"b\\\\c\"")) << run.out;
    EXPECT_TRUE(Has(dump, "focus 280 40")) << run.out;
    EXPECT_TRUE(run.out.ends_with("end\npixel 0 0 0x000000\n")) << run.out;
}

// The window as a user sees it, menu bar included (the size is read from the
// PNG header): on Linux its inside, 1000 x 594; on Windows the whole window,
// frame and title bar included, as wide as it was asked to be.
TEST(DriveScript, ShotSavesTheWholeWindow) {
    const std::string path = ::testing::TempDir() + "selvaquin_shot.png";
    std::remove(path.c_str());
    DriveResult run = Drive("command 1005\ntype 47\nshot " + path + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(header), sizeof header)) << path;
    auto word = [&](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
#ifdef _WIN32
    EXPECT_EQ(word(16), 1006);
    EXPECT_GT(word(20), 600);
#else
    EXPECT_EQ(word(16), 1000);
    EXPECT_EQ(word(20), 594);
#endif
    std::remove(path.c_str());
}

// A block reaches the reader while the driver still waits for more input, and
// the driver ends cleanly once its input closes.
TEST(DriveScript, FlushesEachBlockAtOnce) {
#ifdef _WIN32
    GTEST_SKIP() << "played through bash, which the Windows tests cannot start";
#endif
    const std::string script = R"(coproc "$0" 2>/dev/null; pid=$COPROC_PID in=${COPROC[1]}
        out=${COPROC[0]}; echo "pixel 0 0" >&$in
        IFS= read -r -t 20 reply <&$out && [[ $reply == "pixel 0 0 0x"* ]] || exit 3
        exec {in}>&-; wait $pid)";
    EXPECT_EQ(std::system(("bash -c '" + script + "' '" SELVAQUIN_DRIVE "'").c_str()), 0);
}

// Where the texts show: a cell for every text of the dump, around its point,
// and one for what shows of a text whose point a box covered (the grid's
// "20k" right of the margin box at x 974..993 on a shifted grid); none for
// the splash, which the page covers whole.
TEST(DriveScript, CellsShowWhereTheTextsShowAlsoWhereABoxCoveredTheirPoint) {
    const DriveResult run = Drive(
        "dump\ncommand 502\ntype 8\nkey Tab\ntype 6\nkey Tab\ntype 2700\nkey Return\n"
        "dump\ncells\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Strings lines = Lines(run.out);
    auto quoted = [](const std::string& line) { return line.substr(line.find('"')); };
    std::vector<std::string> texts, cells;
    for (std::size_t i = 0, blocks = 0; i < lines.size(); ++i) {
        if (lines[i] == "end") ++blocks;
        if (blocks == 1 && lines[i].starts_with("text ")) texts.push_back(lines[i]);
        if (lines[i].starts_with("cell ")) cells.push_back(lines[i]);
    }
    for (const std::string& text : texts) {
        int x = 0, y = 0;
        std::sscanf(text.c_str(), "text %d %d", &x, &y);
        EXPECT_TRUE(std::any_of(cells.begin(), cells.end(), [&](const std::string& cell) {
            int left = 0, top = 0, width = 0, height = 0;
            std::sscanf(cell.c_str(), "cell %d %d %d %d", &left, &top, &width, &height);
            return quoted(cell) == quoted(text) && left <= x && x < left + width && top <= y &&
                   y < top + height;
        })) << text;
    }
    EXPECT_FALSE(std::any_of(texts.begin(), texts.end(),
                             [&](const std::string& t) { return quoted(t) == "\"20k\""; }));
    EXPECT_TRUE(std::any_of(cells.begin(), cells.end(), [&](const std::string& c) {
        return c.starts_with("cell 994 ") && quoted(c) == "\"20k\"";
    })) << run.out;
    EXPECT_FALSE(std::any_of(cells.begin(), cells.end(),
                             [&](const std::string& c) { return quoted(c) == "\"SELVAQUIN\""; }));
}

// Keys with modifiers, and keys that go to the menu bar or a popup menu
// rather than to the field.
TEST(DriveScript, KeysWithModifiersMenusAndPopups) {
    DriveResult run = Drive(
        "command 1005\ntype 5\nkey Alt+F\nkey F10\nkey Right\nkey Down\nkey Escape\n"
        "key Escape\nkey Shift+F10\nkey Escape\nkey Menu\nkey Escape\ntype 6\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> dump = Lines(run.out);
    EXPECT_TRUE(Has(dump, "field 280 40 \"56\"")) << run.out;
    EXPECT_TRUE(Has(dump, "focus 280 40")) << run.out;
}

// The size of the window's inside, menu bar included, and where the client
// area sits in it: on Linux the inside is 1000 x 594, on Windows the client
// area under the bar is (the frame took its share of the 600).
TEST(DriveScript, WindowTellsTheInsideAndWhereTheClientAreaIs) {
    const DriveResult run = Drive("window\n");
    EXPECT_EQ(run.status, 0) << run.err;
    int width = 0, height = 0, x = -1, y = -1, clientWidth = 0, clientHeight = 0;
    ASSERT_EQ(std::sscanf(run.out.c_str(), "window %d %d client %d %d %d %d\n", &width, &height, &x,
                          &y, &clientWidth, &clientHeight),
              6)
        << run.out;
    EXPECT_EQ(std::vector({width, x, clientWidth, y + clientHeight}),
              std::vector({1000, 0, 1000, height}));
    EXPECT_GT(y, 10);  // the menu bar
#ifdef _WIN32
    EXPECT_EQ(clientHeight, 594);
#else
    EXPECT_EQ(height, 594);
#endif
}

#ifdef _WIN32
// The font families as Windows lists them, each once, among them the pages'
// Verdana (under Wine the face standing in for it under its name).
TEST(DriveScript, FamiliesAreThePlatformsEachOnce) {
    const DriveResult run = Drive("families\n");
    EXPECT_EQ(run.status, 0) << run.err;
    Strings families = Lines(run.out);
    ASSERT_FALSE(families.empty());
    EXPECT_EQ(families.back(), "end");
    families.pop_back();
    EXPECT_TRUE(Has(families, "family \"Verdana\"")) << run.out;
    Strings sorted = families;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << run.out;
}
#endif
