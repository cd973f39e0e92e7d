#pragma once

#include "installer/privileged.h"
#include "installer/system_tools.h"
#include "layout/file_names.h"
#include "layout/layout_check.h"

#include <filesystem>
#include <string>
#include <vector>

namespace installer {

// Installs the layout into tools.systemLayouts through one privileged shell command, which an
// administrator approves in a prompt that says `prompt`. The item there is replaced only by a
// complete copy owned by root:wheel; a failed step leaves it as it was. Blocks until the command
// has ended. A loose layout's icon goes with it; returns what became of it, as copyLayout does.
// Given `replacing`, the file name of another installed item, that one goes in the same step, with
// its icon, or stays should the install fail. In the same step, `loginWindow` are added to the
// login window's input sources and its input menu shown. Throws ApprovalCancelled or
// platform::Error.
LayoutIcon::State installForAllUsers(const std::filesystem::path& item, const SystemTools& tools,
                                     Elevation elevation = Elevation::administratorPrompt,
                                     const std::string& prompt = {}, const std::string& replacing = {},
                                     const std::vector<KeyboardLayout>& loginWindow = {});

// Removes the item named `name` (a file name, no slash) from tools.systemLayouts through one
// privileged command, approved like an install. A name that is not installed is refused before
// anyone is asked. Its layouts leave the login window's input sources in the same step. Throws
// ApprovalCancelled or platform::Error.
void removeForAllUsers(const std::string& name, const SystemTools& tools,
                       Elevation elevation = Elevation::administratorPrompt, const std::string& prompt = {});

// Reinstalls the item named `name` in tools.systemLayouts from itself, as an install would: owned
// by root:wheel, folders 755 and files 644, no extended attributes; replaced only by a complete
// copy. Throws ApprovalCancelled or platform::Error.
void repairForAllUsers(const std::string& name, const SystemTools& tools,
                       Elevation elevation = Elevation::administratorPrompt, const std::string& prompt = {});

// Adds the layouts to the login window's input sources and shows its input menu, or takes them
// out, through one privileged command. Throws ApprovalCancelled or platform::Error.
void setLoginWindowSources(const std::vector<KeyboardLayout>& layouts, bool present, const SystemTools& tools,
                           Elevation elevation = Elevation::administratorPrompt, const std::string& prompt = {});

}  // namespace installer
