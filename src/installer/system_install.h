#pragma once

#include "installer/system_tools.h"

#include <filesystem>

namespace installer {

// Installs the layout into /Library/Keyboard Layouts through one privileged shell command
// that an administrator approves. Blocks until osascript has ended. Throws platform::Error.
void installForAllUsers(const std::filesystem::path& item, const SystemTools& tools = {});

}  // namespace installer
