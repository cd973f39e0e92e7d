#include "layout/file_names.h"

#include "platform/files.h"

#include <algorithm>

namespace installer {

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

bool hasExtension(const std::filesystem::path& path, std::string_view extension)
{
    return lowered(platform::withoutTrailingSlashes(path).extension().string()) == extension;
}

bool isLayoutItemName(const std::filesystem::path& name)
{
    return hasExtension(name, ".keylayout") || hasExtension(name, ".bundle");
}

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".."
        && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<std::filesystem::path> iconBeside(const std::filesystem::path& layoutFile)
{
    const std::filesystem::path file = platform::withoutTrailingSlashes(layoutFile);
    if (!hasExtension(file, ".keylayout"))
        return std::nullopt;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(file.parent_path().empty() ? "." : file.parent_path(), error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        if (it->path().stem() == file.stem() && hasExtension(it->path(), ".icns") && it->is_regular_file(error))
            return it->path();
    return std::nullopt;
}

std::string iconName(const std::string& layoutName)
{
    return std::filesystem::path(layoutName).stem().string() + ".icns";
}

}  // namespace installer
