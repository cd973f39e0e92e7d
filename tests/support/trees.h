#pragma once

#include "support/temporary_folder.h"

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

// Relative path -> content: "->x" makes a link to x, a path ending in "/" an empty folder.
using Entries = std::map<std::string, std::string>;

// Every item under `root` with its mode and its content, or a link's target (its mode means
// nothing, and follows the umask on macOS); a file alone as "".
inline Entries tree(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    if (!fs::is_directory(fs::symlink_status(root)))
        return {{"", readFile(root)}};
    Entries entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries[entry.path().lexically_relative(root).string()] = entry.is_symlink()
            ? "->" + fs::read_symlink(entry).string()
            : std::to_string(unsigned(entry.symlink_status().permissions()))
                + (entry.is_regular_file()    ? " " + readFile(entry)
                       : entry.is_directory() ? "/"
                                              : " special");
    return entries;
}

// Makes the entries under `base`, files owner-only.
inline void plant(const std::filesystem::path& base, const Entries& entries)
{
    namespace fs = std::filesystem;
    for (const auto& [path, content] : entries) {
        fs::create_directories((base / path).parent_path());
        if (content.starts_with("->"))
            fs::create_symlink(content.substr(2), base / path);
        else if (!path.ends_with('/'))
            writeFile(base / path, content, 0600);
    }
}

}  // namespace testing_support
