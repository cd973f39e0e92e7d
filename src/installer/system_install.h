#pragma once

#include "installer/privileged.h"
#include "installer/system_tools.h"

#include <filesystem>

namespace installer {

// Installs the layout into tools.systemLayouts through one privileged shell command. The item
// there is replaced only by a complete copy owned by root:wheel; a failed step leaves it as it
// was. Blocks until the command has ended. Throws platform::Error.
void installForAllUsers(const std::filesystem::path& item, const SystemTools& tools = {},
                        Elevation elevation = Elevation::administratorPrompt);

}  // namespace installer
