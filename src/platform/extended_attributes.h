#pragma once

#include <filesystem>

namespace platform {

// Removes every extended attribute from the item and, for a folder, from everything inside it,
// symbolic links not followed. Best effort: what cannot be removed stays, and nothing is thrown.
void clearExtendedAttributes(const std::filesystem::path& item) noexcept;

}  // namespace platform
