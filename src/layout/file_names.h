#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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

// A loose layout's icon, which the input menu shows beside the layout.
struct LayoutIcon {
    enum class State {
        none,  // a bundle, or a layout without one
        found,
        refused,  // the system would not let it be looked for or read, as macOS does in Downloads,
                  // Desktop and Documents until the user agrees
    };
    State state = State::none;
    std::filesystem::path path;  // where found
};

// The file beside the layout with its base name and ".icns" in any letter case. Each spelling is
// looked up by name: listing the folder would bring up macOS's prompt for a protected folder.
LayoutIcon iconBeside(const std::filesystem::path& layoutFile);

// Whether the error is the system refusing access, not a fault of the file.
bool isRefusal(const std::error_code& error);

// The name an installed layout's icon goes by: "Colemak.keylayout" gives "Colemak.icns".
std::string iconName(const std::string& layoutName);

}  // namespace installer
