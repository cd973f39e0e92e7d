#pragma once

#include <filesystem>

namespace installer {

// Restarts the services that list input sources, so newly installed layouts show up. Throws
// platform::Error when the program cannot be started; the services then pick up the change at
// the next sign-in.
void refreshInputSources(const std::filesystem::path& killall);

}  // namespace installer
