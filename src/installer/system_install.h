#pragma once

#include <filesystem>

namespace installer {

// Installs the layout into /Library/Keyboard Layouts through one privileged shell command
// that an administrator approves. Blocks until osascript has ended. Throws platform::Error.
inline constexpr const char* systemOsascript = "/usr/bin/osascript";
void installForAllUsers(const std::filesystem::path& item, const std::filesystem::path& osascript = systemOsascript);

}  // namespace installer
