#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts the program and returns as soon as it runs, without waiting for it to end; the
// program is never left behind as a zombie. Throws Error when it could not be started.
void launchDetached(const std::string& path, const std::vector<std::string>& arguments);

struct ProcessResult {
    int terminationStatus = 0;  // the exit status, or the signal number when killed by one
    bool killedBySignal = false;
    std::string standardError;
    std::string standardOutput;

    bool succeeded() const { return !killedBySignal && terminationStatus == 0; }
};

// Runs the program to its end, reading both outputs while it runs so a chatty program can't
// fill a pipe and stall. Standard input, environment and working folder are inherited.
// Throws Error when it could not be started.
ProcessResult runToEnd(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace platform
