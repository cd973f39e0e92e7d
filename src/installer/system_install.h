#pragma once

#include "installer/privileged.h"
#include "installer/system_tools.h"

#include <filesystem>

namespace installer {

// Installs the layout into /Library/Keyboard Layouts through one privileged shell command,
// approved by an administrator or run by a caller that is root already. Blocks until the command
// has ended. Throws platform::Error.
void installForAllUsers(const std::filesystem::path& item, const SystemTools& tools = {},
                        Elevation elevation = Elevation::administratorPrompt);

}  // namespace installer
