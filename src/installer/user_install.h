#pragma once

#include <filesystem>

namespace installer {

// Copies the layout `from` (a file or a bundle folder) into the folder `to`, creating the
// folder when missing and replacing an item of the same name. Throws platform::Error.
void copyLayout(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace installer
