#include "drive_runner.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

#ifdef _WIN32
// The command interpreter gives the program's exit code as it is.
int ExitCode(int status) { return status; }
int ProcessId() { return _getpid(); }
#else
int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
int ProcessId() { return getpid(); }
#endif

}  // namespace

DriveResult Drive(const std::string& script, const std::string& environment) {
    static int serial = 0;
    const std::string base =
        (std::filesystem::temp_directory_path() /
         ("selvaquin_drive_" + std::to_string(ProcessId()) + "_" + std::to_string(serial++)))
            .string();
    std::ofstream(base + ".in", std::ios::binary) << script;
    // The environment, "NAME=value ...", is put before the command (a shell's
    // way; the Windows tests pass none).
    const std::string command = (environment.empty() ? "" : environment + " ") +
                                "\"" SELVAQUIN_DRIVE "\" <" + base + ".in >" + base + ".out 2>" +
                                base + ".err";
    const int status = std::system(command.c_str());
    DriveResult run{ExitCode(status), {}, {}};
    for (auto [suffix, text] : {std::pair{".out", &run.out}, {".err", &run.err}}) {
        std::ifstream in(base + suffix, std::ios::binary);
        text->assign(std::istreambuf_iterator<char>(in), {});
    }
    for (const char* suffix : {".in", ".out", ".err"}) std::remove((base + suffix).c_str());
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

void Play(const std::vector<Step>& steps) {
    std::string script;
    for (const Step& step : steps) {
        script += step.script;
        for (const std::string& want : step.want)
            if (want.starts_with("pixel ")) script += want.substr(0, want.rfind(' ')) + "\n";
        script += "dump\n";
    }
    const DriveResult run = Drive(script);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::vector<std::string>> printed(1);
    for (const std::string& line : Lines(run.out)) {
        printed.back().push_back(line);
        if (line == "end") printed.emplace_back();
    }
    ASSERT_EQ(printed.size(), steps.size() + 1) << run.out;
    auto texts = [&](std::size_t i) {
        std::vector<std::string> lines = printed[i];
        std::erase_if(lines, [](const std::string& line) { return !line.starts_with("text "); });
        return lines;
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + steps[i].script);
        for (const std::string& want : steps[i].want) {
            if (!want.starts_with('!')) {
                EXPECT_TRUE(Has(printed[i], want)) << want;
                continue;
            }
            for (const std::string& line : printed[i])
                EXPECT_TRUE(line.find(want.substr(1)) == line.npos) << want << " in " << line;
        }
        if (steps[i].unchanged) {
            EXPECT_EQ(texts(i), texts(i - 1));
        }
    }
}
