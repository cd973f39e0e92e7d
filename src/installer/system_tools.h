#pragma once

#include "platform/input_sources.h"

#include <filesystem>

namespace installer {

// The system programs, the all-users folder and the input-source registry that installing relies on. Every way in takes
// them from here; tests put stand-ins and temporary folders in their place.
struct SystemTools {
    std::filesystem::path osascript = "/usr/bin/osascript";
    std::filesystem::path killall = "/usr/bin/killall";
    // Runs the privileged program as root, asked by osascript or by a caller that is root already.
    std::filesystem::path shell = "/bin/sh";
    std::filesystem::path systemLayouts = "/Library/Keyboard Layouts";
    platform::InputSourceRegistry inputSources = platform::systemInputSources();
    // Reads and writes the preferences of the login window, which go through the system's daemon.
    std::filesystem::path defaults = "/usr/bin/defaults";
};

}  // namespace installer
