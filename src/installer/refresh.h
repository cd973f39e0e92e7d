#pragma once

#include "installer/system_tools.h"

#include <filesystem>
#include <string>
#include <vector>

namespace installer {

// Starts the program and returns at once; a failed launch is dropped silently.
void runProcess(const std::string& path, const std::vector<std::string>& arguments);

// Restarts the services that list input sources, so newly installed layouts show up.
void refreshInputSources(const std::filesystem::path& killall = SystemTools().killall);

}  // namespace installer
