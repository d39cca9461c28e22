// The transcript format of selvaquin-drive, run as its own process on a script
// fed to its standard input.
#include "drive_runner.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(Drive("frobnicate\n").err.ends_with(
        "selvaquin-drive: line 1: unknown command: \"frobnicate\"\n"));
}

TEST(DriveDump, StartUpDumpThroughCommentsBlankLinesAndCarriageReturns) {
    DriveResult run = Drive("# a comment\r\n\r\n \t \ndump   \r\n#menus\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out), (Strings{"screen 1130", "language 1", "focus none",
                                       "button 800 530 push \"STÄNG\"",
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

// The window as a user sees it, menu bar included: its inside, 1000 x 594
// (the size is read from the PNG header).
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
    EXPECT_EQ(word(16), 1000);
    EXPECT_EQ(word(20), 594);
    std::remove(path.c_str());
}

// A block reaches the reader while the driver still waits for more input, and
// the driver ends cleanly once its input closes.
TEST(DriveScript, FlushesEachBlockAtOnce) {
    const std::string script = R"(coproc "$0" 2>/dev/null; pid=$COPROC_PID in=${COPROC[1]}
        out=${COPROC[0]}; echo "pixel 0 0" >&$in
        IFS= read -r -t 20 reply <&$out && [[ $reply == "pixel 0 0 0x"* ]] || exit 3
        exec {in}>&-; wait $pid)";
    EXPECT_EQ(std::system(("bash -c '" + script + "' '" SELVAQUIN_DRIVE "'").c_str()), 0);
}

// Keys with modifiers, and keys that go to the menu bar or a popup menu
// rather than to the field.
TEST(DriveScript, KeysWithModifiersMenusAndPopups) {
    DriveResult run = Drive("command 1005\ntype 5\nkey Alt+F\nkey F10\nkey Right\nkey Down\nkey Escape\n"
                            "key Escape\nkey Shift+F10\nkey Escape\nkey Menu\nkey Escape\ntype 6\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> dump = Lines(run.out);
    EXPECT_TRUE(Has(dump, "field 280 40 \"56\"")) << run.out;
    EXPECT_TRUE(Has(dump, "focus 280 40")) << run.out;
}
