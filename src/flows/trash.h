#pragma once

#include <filesystem>

namespace installer {

// Moves the item into the user's Trash. On macOS, Finder offers no Put Back for it: Qt does not
// record where it came from. Throws Error.
void moveToTrash(const std::filesystem::path& item);

}  // namespace installer
