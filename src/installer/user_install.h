#pragma once

#include "platform/files.h"

#include <filesystem>

namespace installer {

// Copies the layout `from` (a file or a bundle folder) into the folder `to`, creating the
// folder when missing and replacing an item of the same name. The copy keeps no extended
// attributes; the source keeps its own. Throws platform::Error.
void copyLayout(const std::filesystem::path& from, const std::filesystem::path& to,
                platform::Cloning cloning = platform::Cloning::whereSupported);

// Installs the installed item (a file or a bundle folder) again from itself, as copyLayout would
// install it: a copy without extended attributes, folders 755 and files 644, owned by the user who
// runs the program, swapped in whole, with a loose layout's icon. Throws platform::Error and
// leaves the item as it was.
void repairLayout(const std::filesystem::path& item);

}  // namespace installer
