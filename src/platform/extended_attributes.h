#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// Removes every extended attribute from the item and, for a folder, from everything inside it,
// symbolic links not followed. Best effort: what cannot be removed stays, and nothing is thrown.
void clearExtendedAttributes(const std::filesystem::path& item) noexcept;

// The names of the extended attributes that programs set on the item itself (a link not followed):
// on macOS all of them, elsewhere those in the user namespace. None where they cannot be read.
std::vector<std::string> extendedAttributeNames(const std::filesystem::path& path);

}  // namespace platform
