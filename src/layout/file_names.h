#pragma once

#include <filesystem>
#include <optional>
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

// A loose layout's icon: the file beside it with its base name and ".icns" in any letter case,
// which the input menu shows beside the layout. Nothing for a bundle, or where there is none.
std::optional<std::filesystem::path> iconBeside(const std::filesystem::path& layoutFile);

// The name an installed layout's icon goes by: "Colemak.keylayout" gives "Colemak.icns".
std::string iconName(const std::string& layoutName);

}  // namespace installer
