#pragma once

#include "installer/install_scope.h"
#include "installer/privileged.h"
#include "installer/system_tools.h"

#include <filesystem>

namespace installer {

// Installs the layout for the scope, into the user's folder or for all users, then registers it
// with the system so it can be chosen without signing out. Returns where it now stands. Throws
// platform::Error; registering never fails the install.
std::filesystem::path installLayout(const std::filesystem::path& item, InstallScope scope, const SystemTools& tools,
                                    Elevation elevation = Elevation::administratorPrompt);

}  // namespace installer
