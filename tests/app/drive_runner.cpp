#include "drive_runner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string TempPath(const char* name) {
    static int serial = 0;
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/selvaquin_drive_" + std::to_string(getpid()) + "_" +
           std::to_string(serial++) + "_" + name;
}

}  // namespace

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

std::vector<std::string> LastDump(const std::string& transcript) {
    std::vector<std::string> dump;
    bool inDump = false;
    for (const std::string& line : Lines(transcript)) {
        if (line.starts_with("screen ")) dump.clear(), inDump = true;
        if (inDump) dump.push_back(line);
        if (line == "end") inDump = false;
    }
    return dump;
}

std::vector<std::string> Texts(const std::vector<std::string>& dump) {
    std::vector<std::string> texts;
    for (const std::string& line : dump) {
        if (line.rfind("text ", 0) == 0) texts.push_back(line.substr(5));
    }
    return texts;
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
            EXPECT_EQ(Texts(printed[i]), Texts(printed[i - 1]));
        }
    }
}
