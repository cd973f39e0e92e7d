#pragma once

#include "platform/files.h"

#include <filesystem>
#include <functional>

namespace installer {

// Takes the installed item at the path, and a loose layout's icon beside it, out of the folder to
// where the user can get them back. Throws platform::Error.
using SetAside = std::function<void(const std::filesystem::path& installed)>;

// Copies the layout `from` (a file or a bundle folder) into the folder `to`, creating the
// folder when missing and replacing an item of the same name: deleted, or given to `setAside`
// once the copy is complete, whose failure is thrown as it is. The
// copy keeps no extended attributes; the source keeps its own. Throws platform::Error.
void copyLayout(const std::filesystem::path& from, const std::filesystem::path& to,
                platform::Cloning cloning = platform::Cloning::whereSupported, const SetAside& setAside = nullptr);

}  // namespace installer
