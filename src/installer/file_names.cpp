#include "installer/file_names.h"

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
    return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

}  // namespace installer
