// The transcript format of selvaquin-drive: the driver runs as its own
// process, fed a script on standard input.

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct DriveResult {
    int status;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/drive_test_" + std::to_string(getpid()) + "_" + name;
}

DriveResult Drive(const std::string& script) {
    std::string in = TempPath("in"), out = TempPath("out"), err = TempPath("err");
    std::ofstream(in, std::ios::binary) << script;
    std::string command = std::string(SELVAQUIN_DRIVE) + " <" + in + " >" + out + " 2>" + err;
    int status = std::system(command.c_str());
    DriveResult run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DriveScript, BadLinesStopWithExitTwoNamingTheLine) {
    const char* bad[] = {"frobnicate",   "pixel 1",        "pixel a b",      "pixel 0 0 0",
                         "pixel 1000 0", "pixel -1 5",     "key Bogus",      "command x",
                         "command -1",   "command",        "command 1 2",    "dump now",
                         "menu No such item", "click No such button", "png /nonexistent/dir/x.png"};
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        DriveResult run = Drive(std::string("# comment\n\nmenus\n") + line + "\ndump\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("selvaquin-drive: line 4: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
        // Output of the lines before is kept; nothing after the bad line runs.
        EXPECT_EQ(Lines(run.out).back(), "end");
        EXPECT_EQ(run.out.find("screen "), std::string::npos);
    }
    // The platform may print notes of its own before the message.
    EXPECT_EQ(Lines(Drive("frobnicate\n").err).back(),
              "selvaquin-drive: line 1: unknown command: \"frobnicate\"");
}

TEST(DriveScript, CommentsBlankLinesAndCarriageReturnsAreSkipped) {
    DriveResult plain = Drive("menus\ndump\n");
    DriveResult noisy = Drive("# a comment\r\n\r\n   \nmenus\r\n#dump\ndump   \r\n");
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(noisy.status, 0);
    EXPECT_EQ(noisy.out, plain.out);
    DriveResult empty = Drive("");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(DriveDump, AfterStartShowsTheSplashAndCloseButton) {
    auto lines = Lines(Drive("dump\n").out);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "screen 1130");
    EXPECT_EQ(lines[1], "language 1");
    EXPECT_EQ(lines[2], "focus none");   // no fields before it
    EXPECT_TRUE(Has(lines, "button 800 530 push \"STÄNG\""));
    EXPECT_EQ(lines.back(), "end");
    std::vector<std::string> splash;
    for (const auto& line : lines) {
        if (line.rfind("text ", 0) == 0 && line.find(" splash ") != std::string::npos) {
            splash.push_back(line.substr(line.find(" splash ")));
        }
    }
    ASSERT_EQ(splash.size(), 4u);
    EXPECT_EQ(splash[0], " splash 0xFFFFFF \"SELVAQUIN\"");
    EXPECT_EQ(splash[1], " splash 0x969600 \"SELVAQUIN\"");
    EXPECT_NE(splash[2].find("\"Made by Tulke\""), std::string::npos);
    EXPECT_NE(splash[3].find("\"Made by Tulke\""), std::string::npos);
}

TEST(DriveDump, FieldTextsAreEscapedAndPagesHaveABlackTopEdge) {
    std::string png = TempPath("canvas.png");
    DriveResult run = Drive("command 1005\ntype a\"b\\c\ndump\npixel 0 0\npng " + png + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    auto lines = Lines(run.out);
    EXPECT_TRUE(Has(lines, "field 280 40 \"a\\\"b\\\\c\"")) << run.out;
    EXPECT_EQ(lines.back(), "pixel 0 0 0x000000");
    EXPECT_EQ(ReadFile(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    std::remove(png.c_str());
}

TEST(DriveMenus, ListsThePopupsOfTheBar) {
    auto lines = Lines(Drive("menus\n").out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "popup \"Svenska\"");
    EXPECT_EQ(lines[1], "item 2101 \"Svenska\"");
    EXPECT_EQ(lines.back(), "end");
    int popups = 0;
    for (const auto& line : lines) {
        popups += line.rfind("popup \"", 0) == 0;
        bool known = line.rfind("popup \"", 0) == 0 || line.rfind("item ", 0) == 0 ||
                     line == "separator" || line == "end";
        EXPECT_TRUE(known) << line;
    }
    EXPECT_EQ(popups, 4);
}

// Each block reaches the reader while the driver still waits for input.
TEST(DriveScript, FlushesEachBlockAtOnce) {
    int toDriver[2], fromDriver[2];
    ASSERT_EQ(pipe(toDriver), 0);
    ASSERT_EQ(pipe(fromDriver), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(toDriver[0], 0);
        dup2(fromDriver[1], 1);
        close(toDriver[1]);
        close(fromDriver[0]);
        execl(SELVAQUIN_DRIVE, SELVAQUIN_DRIVE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toDriver[0]);
    close(fromDriver[1]);
    ASSERT_EQ(write(toDriver[1], "pixel 0 0\n", 10), 10);
    std::string received;
    pollfd ready{fromDriver[0], POLLIN, 0};
    while (received.find('\n') == std::string::npos && poll(&ready, 1, 20000) > 0) {
        char buffer[256];
        ssize_t n = read(fromDriver[0], buffer, sizeof buffer);
        if (n <= 0) break;
        received.append(buffer, static_cast<size_t>(n));
    }
    close(toDriver[1]);
    close(fromDriver[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(received.rfind("pixel 0 0 0x", 0), 0u) << received;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
