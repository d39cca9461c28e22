// Runs selvaquin-drive as its own process on a script and collects what it
// wrote.
#pragma once

#include <string>
#include <vector>

struct DriveResult {
    int status;
    std::string out, err;
};

DriveResult Drive(const std::string& script);
std::vector<std::string> Lines(const std::string& text);
bool Has(const std::vector<std::string>& lines, const std::string& line);
// The `dump` blocks of a transcript, each as its lines.
std::vector<std::vector<std::string>> Dumps(const std::string& transcript);
// The lines of the last `dump` block in a transcript.
std::vector<std::string> LastDump(const std::string& transcript);
// The `text X Y ...` lines of a dump block, without the `text ` prefix.
std::vector<std::string> Texts(const std::vector<std::string>& dump);
