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

LayoutIcon iconBeside(const std::filesystem::path& layoutFile)
{
    const std::filesystem::path file = platform::withoutTrailingSlashes(layoutFile);
    if (!hasExtension(file, ".keylayout"))
        return {};
    // All sixteen spellings of "icns", the common ones first; a case-insensitive file system,
    // macOS's default, answers the first.
    for (const unsigned upper : {0u, 15u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u}) {
        std::string extension = ".icns";
        for (std::size_t letter = 0; letter < 4; ++letter)
            if (upper & (1u << letter))
                extension[letter + 1] = static_cast<char>(extension[letter + 1] - 'a' + 'A');
        std::filesystem::path icon = file;
        icon.replace_extension(extension);
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(icon, error);
        if (isRefusal(error))
            return {LayoutIcon::State::refused, icon};
        if (std::filesystem::is_regular_file(status))
            return {LayoutIcon::State::found, icon};
    }
    return {};
}

bool isRefusal(const std::error_code& error)
{
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

std::string iconName(const std::string& layoutName)
{
    return std::filesystem::path(layoutName).stem().string() + ".icns";
}

}  // namespace installer
