#include "drive_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

DriveResult Drive(const std::string& script, const std::string& environment) {
    static int serial = 0;
    const std::string base =
        (std::filesystem::temp_directory_path() /
         ("selvaquin_drive_" + std::to_string(getpid()) + "_" + std::to_string(serial++)))
            .string();
    std::ofstream(base + ".in", std::ios::binary) << script;
    const std::string command = environment + " \"" SELVAQUIN_DRIVE "\" <" + base + ".in >" + base +
                                ".out 2>" + base + ".err";
    const int status = std::system(command.c_str());
    DriveResult run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, {}};
    for (auto [suffix, text] : {std::pair{".out", &run.out}, {".err", &run.err}}) {
        std::ifstream in(base + suffix, std::ios::binary);
        text->assign(std::istreambuf_iterator<char>(in), {});
    }
    for (const char* suffix : {".in", ".out", ".err"}) std::remove((base + suffix).c_str());
    return run;
}
