#pragma once

#include <filesystem>
#include <string>

namespace installer {

// The name under which the item is installed: its last path component, a trailing slash not
// counted. Throws platform::Error for a path without a usable name ("", "/", "." or ".."),
// which would otherwise make the destination the Keyboard Layouts folder itself or its parent.
std::string installableName(const std::filesystem::path& item);

// Throws platform::Error saying that `given` does not name a keyboard layout file or bundle.
[[noreturn]] void throwNotAnItemName(const std::filesystem::path& given);

}  // namespace installer
