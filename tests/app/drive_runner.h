// Runs selvaquin-drive as its own process on a script and collects what it
// wrote.
#pragma once

#include <string>

struct DriveResult {
    int status;
    std::string out, err;
};

// `environment`: assignments for the driver's environment ("NAME=value ...").
DriveResult Drive(const std::string& script, const std::string& environment = "");
