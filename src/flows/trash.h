#pragma once

#include <filesystem>

namespace installer {

// Moves the item into the user's Trash, from where it can be put back. Throws Error.
void moveToTrash(const std::filesystem::path& item);

}  // namespace installer
