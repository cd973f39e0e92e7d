#include "installer/layout_check.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace installer {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

bool hasExtension(const fs::path& path, std::string_view extension)
{
    return lowered(path.extension().string()) == extension;
}

[[noreturn]] void refuse(int code, const std::string& message)
{
    throw platform::Error(platform::posixDomain, code, message);
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        refuse(EIO, "Couldn't read " + platform::inQuotes(platform::lastPathComponent(file)) + ".");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool looksLikeWebPage(std::string_view bytes)
{
    const std::string start = lowered(bytes.substr(0, 4096));
    return start.find("<!doctype html") != std::string::npos || start.find("<html") != std::string::npos;
}

bool looksBinary(std::string_view bytes)
{
    const std::string_view start = bytes.substr(0, 4096);
    const bool byteOrderMark = start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
    return !byteOrderMark && std::any_of(start.begin(), start.end(), [](unsigned char c) {
        return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
    });
}

// Why the bytes cannot be a keyboard layout, or nothing when they can.
std::optional<std::string> layoutProblem(std::string_view bytes)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size());
    const std::string root = parsed ? document.document_element().name() : "";
    if (root == "keyboard")
        return std::nullopt;

    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return "the file is empty.";
    if (bytes.starts_with("PK\x03\x04"))
        return "it is a zip archive. Open it and drop the layout inside.";
    if (lowered(root) == "html" || (!parsed && looksLikeWebPage(bytes)))
        return "it is a web page. Download the raw file instead.";
    if (!parsed && looksBinary(bytes))
        return "it holds binary data, not text.";
    if (parsed)
        return "its root element is <" + root + ">, not <keyboard>.";
    if (parsed.encoding != pugi::encoding_utf8)
        return "its text is damaged.";

    const auto failure = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(parsed.offset, 0, std::ssize(bytes)));
    const std::string line = std::to_string(std::count(bytes.begin(), bytes.begin() + failure, '\n') + 1);
    // Nothing complete follows the point of failure: the file stops in mid-element.
    if (bytes.find('>', failure) == std::string_view::npos)
        return "it ends before line " + line + " is complete; the download may have been cut short.";
    return "its text is damaged at line " + line + ".";
}

std::string notALayout(const std::string& quotedName, const std::string& problem)
{
    return quotedName + " is not a keyboard layout: " + problem;
}

std::optional<std::string> fileProblem(const fs::path& file)
{
    std::error_code error;
    if (fs::is_directory(file, error))
        return "it is a folder.";
    return layoutProblem(readAll(file));
}

}  // namespace

void requireKeyboardLayout(const fs::path& item)
{
    const fs::path path = platform::withoutTrailingSlashes(item);
    const std::string name = platform::inQuotes(platform::lastPathComponent(path));
    std::error_code error;
    if (!fs::exists(path, error))
        refuse(ENOENT, name + " could not be found; it may have been moved or deleted.");

    if (!hasExtension(path, ".bundle")) {
        if (const auto problem = fileProblem(path))
            refuse(EINVAL, notALayout(name, *problem));
        return;
    }

    // One good layout makes the bundle usable; the first broken one says what went wrong.
    std::string firstProblem;
    for (const auto& entry : fs::directory_iterator(path / "Contents" / "Resources", error)) {
        if (!hasExtension(entry.path(), ".keylayout"))
            continue;
        const auto problem = fileProblem(entry.path());
        if (!problem)
            return;
        if (firstProblem.empty())
            firstProblem = notALayout(platform::inQuotes(entry.path().filename().string()), *problem);
    }
    std::string message = name + " holds no keyboard layout in Contents/Resources.";
    if (!firstProblem.empty())
        message.append(" ").append(firstProblem);
    refuse(EINVAL, message);
}

}  // namespace installer
