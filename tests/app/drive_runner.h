// Runs selvaquin-drive as its own process on a script and collects what it
// wrote.
#pragma once

#include <string>
#include <vector>

struct DriveResult {
    int status;
    std::string out, err;
};

// `environment`: assignments for the driver's environment ("NAME=value ...").
DriveResult Drive(const std::string& script, const std::string& environment = "");
std::vector<std::string> Lines(const std::string& text);
bool Has(const std::vector<std::string>& lines, const std::string& line);

// One step of a scenario: script lines, then a query of each wanted pixel
// line's pixel, then a dump. What the step printed must hold each `want`
// line; one starting with '!' is a text that none of its lines may contain.
// `unchanged`: its page texts are those of the step before.
struct Step {
    std::string script;
    std::vector<std::string> want;
    bool unchanged = false;
};
// Plays the steps in one run of the driver and checks each.
void Play(const std::vector<Step>& steps);
