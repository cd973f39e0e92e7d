#pragma once

#include "platform/files.h"

#include <filesystem>

namespace installer {

// Copies the layout `from` (a file or a bundle folder) into the folder `to`, creating the
// folder when missing and replacing an item of the same name. The copy keeps no extended
// attributes; the source keeps its own. Throws platform::Error.
void copyLayout(const std::filesystem::path& from, const std::filesystem::path& to,
                platform::Cloning cloning = platform::Cloning::whereSupported);

}  // namespace installer
