#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace installer {

// The text with ASCII letters in lower case; other bytes stay as they are.
std::string lowered(std::string_view text);

// Whether the path's extension, with its dot, is `extension` in any letter case.
bool hasExtension(const std::filesystem::path& path, std::string_view extension);

// Whether the name is one the system loads layouts from: a .keylayout file or a .bundle folder.
bool isLayoutItemName(const std::filesystem::path& name);

// Whether the name is one path component that names an item inside a folder: not empty, "." or
// "..", and without a slash, which could reach outside the folder, or a NUL, which would cut it short.
bool isPlainFileName(std::string_view name);

}  // namespace installer
