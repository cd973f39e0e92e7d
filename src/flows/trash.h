#pragma once

#include <filesystem>

namespace installer {

// Moves the item into the user's Trash, or where `trash` names a folder, into that folder under a
// name not taken there yet. On macOS, Finder offers no Put Back for it: Qt does not record where it
// came from. Throws Error.
void moveToTrash(const std::filesystem::path& item, const std::filesystem::path& trash);

}  // namespace installer
