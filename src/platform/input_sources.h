#pragma once

#include <filesystem>

namespace platform {

// Tells macOS about a keyboard layout just put into a Keyboard Layouts folder, so that it can be
// chosen in the input menu without signing out. Returns whether the system took it. Other
// systems have no such registry: there it does nothing and returns false.
bool registerInputSource(const std::filesystem::path& installedItem);

}  // namespace platform
