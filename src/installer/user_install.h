#pragma once

#include "layout/file_names.h"
#include "platform/files.h"

#include <filesystem>
#include <functional>

namespace installer {

// Copies the icon beside the loose layout to `to`, where nothing may exist yet. Refused where the
// system would not let it be read: nothing is then left at `to`. Throws platform::Error for any
// other failure.
LayoutIcon::State copyIconBeside(const std::filesystem::path& layout, const std::filesystem::path& to,
                                 platform::Cloning cloning = platform::Cloning::whereSupported);

// Takes the installed item at the path, and a loose layout's icon beside it, out of the folder to
// where the user can get them back. Throws platform::Error.
using SetAside = std::function<void(const std::filesystem::path& installed)>;

// Copies the layout `from` (a file or a bundle folder) into the folder `to`, creating the
// folder when missing and replacing an item of the same name: deleted, or given to `setAside`
// once the copy is complete, whose failure is thrown as it is; a loose layout's icon goes with
// it. The copy keeps no extended attributes; the source keeps its own. Returns what became of
// the icon: where it was refused, the layout is installed without it. Throws platform::Error.
LayoutIcon::State copyLayout(const std::filesystem::path& from, const std::filesystem::path& to,
                             platform::Cloning cloning = platform::Cloning::whereSupported,
                             const SetAside& setAside = nullptr);

// Installs the installed item (a file or a bundle folder) again from itself, as copyLayout would
// install it: a copy without extended attributes, folders 755 and files 644, owned by the user who
// runs the program, swapped in whole, with a loose layout's icon. Throws platform::Error and
// leaves the item as it was.
void repairLayout(const std::filesystem::path& item);

}  // namespace installer
