#include "drive_runner.h"

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

std::vector<std::vector<std::string>> Dumps(const std::string& transcript) {
    std::vector<std::vector<std::string>> dumps;
    bool inDump = false;
    for (const std::string& line : Lines(transcript)) {
        if (line.rfind("screen ", 0) == 0) {
            dumps.emplace_back();
            inDump = true;
        }
        if (inDump) dumps.back().push_back(line);
        if (line == "end") inDump = false;
    }
    return dumps;
}

std::vector<std::string> LastDump(const std::string& transcript) {
    auto dumps = Dumps(transcript);
    return dumps.empty() ? std::vector<std::string>{} : dumps.back();
}

std::vector<std::string> Texts(const std::vector<std::string>& dump) {
    std::vector<std::string> texts;
    for (const std::string& line : dump) {
        if (line.rfind("text ", 0) == 0) texts.push_back(line.substr(5));
    }
    return texts;
}
