#include "layout/layout_check.h"

#include "layout/file_names.h"
#include "layout/layout_reading.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>

namespace installer {
namespace {

namespace fs = std::filesystem;

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

// Why bytes that are no XML document with a <keyboard> root cannot be a layout.
std::string notKeyboardDocument(std::string_view bytes, const pugi::xml_parse_result& parsed, const std::string& root)
{
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

std::optional<long> wholeNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    // from_chars takes no "+", and after one a "-" would be a second sign.
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The layout the file holds, or the sentences saying why macOS cannot load it.
struct Reading {
    KeyboardLayout layout;
    std::vector<Problem> problems;
};

// A layout that can load is handed to `visit` before its document closes.
Reading readLayout(const fs::path& file, const LoadableLayoutVisitor& visit)
{
    Reading reading{{file.filename().string(), "", 0, 0}, {}};
    const std::string quoted = platform::inQuotes(reading.layout.file);
    const auto notALayout = [&](const std::string& why) {
        reading.problems.push_back({Problem::Kind::notLayout, quoted + " is not a keyboard layout: " + why});
    };

    std::string bytes;
    try {
        bytes = platform::readRegularFile(file, maximumLayoutSize);
    } catch (const platform::Error& error) {
        switch (error.code()) {
        case EISDIR: notALayout("it is a folder."); break;
        case EINVAL: notALayout("it is not a regular file."); break;
        case EFBIG:
            notALayout("it is larger than " + std::to_string(maximumLayoutSize >> 20)
                       + " MB, far more than any keyboard layout.");
            break;
        default:
            reading.problems.push_back({Problem::Kind::unreadable,
                                        "Couldn't read " + quoted + ": "
                                            + std::generic_category().message(static_cast<int>(error.code())) + "."});
        }
        return reading;
    }

    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size());
    const pugi::xml_node keyboard = document.document_element();
    const std::string root = parsed ? keyboard.name() : "";
    if (root != "keyboard") {
        notALayout(notKeyboardDocument(bytes, parsed, root));
        return reading;
    }

    const auto cannotLoad = [&](const std::string& why) {
        reading.problems.push_back(
            {Problem::Kind::cannotLoad, quoted + " is not a keyboard layout macOS can load: " + why});
    };
    reading.layout.name = keyboard.attribute("name").value();
    for (const auto& [attribute, value] : {std::pair{"group", &reading.layout.group}, {"id", &reading.layout.id}}) {
        const pugi::xml_attribute found = keyboard.attribute(attribute);
        if (!found)
            cannotLoad(std::string("its <keyboard> has no ") + attribute + ".");
        else if (const auto number = wholeNumber(found.value()))
            *value = *number;
        else
            cannotLoad(std::string("its ") + attribute + ", " + platform::inQuotes(found.value())
                       + ", is not a whole number.");
    }
    if (!keyboard.attribute("name"))
        cannotLoad("its <keyboard> has no name.");
    for (const char* element : {"layouts", "modifierMap", "keyMapSet"})
        if (!keyboard.child(element))
            cannotLoad(std::string("it has no <") + element + ">.");
    if (reading.problems.empty() && visit)
        visit(reading.layout, keyboard);
    return reading;
}

std::vector<fs::path> layoutFilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); it.increment(error))
        if (hasExtension(it->path(), ".keylayout"))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());  // the same findings, in the same order, on every system
    return files;
}

// Two layouts of one bundle that share an id or a name: the system shows or keeps only one.
void warnOfDuplicates(const std::string& bundle, const std::vector<KeyboardLayout>& layouts,
                      std::vector<Warning>& warnings)
{
    std::map<long, const KeyboardLayout*> ids;
    std::map<std::string, const KeyboardLayout*> names;
    for (const KeyboardLayout& layout : layouts) {
        const auto pair = [&](const KeyboardLayout* first) {
            return platform::inQuotes(first->file) + " and " + platform::inQuotes(layout.file);
        };
        if (const auto [it, added] = ids.emplace(layout.id, &layout); !added)
            warnings.push_back({Warning::Kind::duplicate,
                                bundle + " holds two layouts with the id " + std::to_string(layout.id) + ", "
                                    + pair(it->second) + "; macOS renumbers or hides one of them."});
        if (const auto [it, added] = names.emplace(layout.name, &layout); !added)
            warnings.push_back({Warning::Kind::duplicate,
                                bundle + " holds two layouts named " + platform::inQuotes(layout.name) + ", "
                                    + pair(it->second)
                                    + "; the input menu would show two entries you cannot tell apart."});
    }
}

// The bundle identifier of an XML property list, or nothing.
std::optional<std::string> xmlBundleIdentifier(const std::string& bytes)
{
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size()))
        return std::nullopt;
    for (pugi::xml_node key : document.document_element().child("dict").children("key"))
        if (std::string_view(key.child_value()) == "CFBundleIdentifier")
            return key.next_sibling().child_value();
    return std::nullopt;
}

void warnOfMetadata(const fs::path& bundle, const std::string& quotedBundle, std::vector<Warning>& warnings)
{
    const auto warn = [&](const std::string& message) { warnings.push_back({Warning::Kind::bundleMetadata, message}); };
    constexpr std::string_view marker = ".keyboardlayout.";
    const fs::path plist = bundle / "Contents" / "Info.plist";
    std::string bytes;
    try {
        bytes = platform::readRegularFile(plist, maximumLayoutSize);
    } catch (const platform::Error& error) {
        warn(quotedBundle
             + (error.code() == ENOENT ? " has no Contents/Info.plist"
                                       : " has a Contents/Info.plist that cannot be read")
             + ", which the system reads to register its layouts.");
        return;
    }
    // A binary property list keeps its ASCII strings as they are, so the marker shows in its bytes.
    if (bytes.starts_with("bplist")) {
        if (bytes.find(marker) == std::string::npos)
            warn(quotedBundle + " has a bundle identifier without \"" + std::string(marker)
                 + "\", which the system expects of keyboard layout bundles.");
        return;
    }
    const std::optional<std::string> identifier = xmlBundleIdentifier(bytes);
    if (!identifier)
        warn(quotedBundle
             + " has no CFBundleIdentifier in Contents/Info.plist, which the system reads to register its layouts.");
    else if (identifier->find(marker) == std::string::npos)
        warn(quotedBundle + " has the bundle identifier " + platform::inQuotes(*identifier) + ", without \""
             + std::string(marker) + "\", which the system expects of keyboard layout bundles.");
}

LayoutReport inspectBundle(const fs::path& bundle, const std::string& quotedBundle, const LoadableLayoutVisitor& visit)
{
    LayoutReport report;
    std::vector<std::string> broken;
    for (const fs::path& file : layoutFilesIn(bundle / "Contents" / "Resources")) {
        Reading reading = readLayout(file, visit);
        if (reading.problems.empty())
            report.layouts.push_back(std::move(reading.layout));
        else
            broken.push_back(reading.problems.front().message);
    }
    // One layout that loads makes the bundle usable; the first broken one says what went wrong.
    if (report.layouts.empty()) {
        std::string problem = quotedBundle + " holds no keyboard layout in Contents/Resources.";
        if (!broken.empty())
            problem.append(" ").append(broken.front());
        report.problems.push_back({Problem::Kind::noLayoutInBundle, problem});
        return report;
    }
    for (const std::string& problem : broken)
        report.warnings.push_back({Warning::Kind::layoutCannotLoad, "In " + quotedBundle + ", " + problem});
    warnOfDuplicates(quotedBundle, report.layouts, report.warnings);
    warnOfMetadata(bundle, quotedBundle, report.warnings);
    report.advice = adviceOnBundle(bundle, report.layouts);
    return report;
}

}  // namespace

LayoutReport inspectLayoutItem(const fs::path& item)
{
    return inspectLayoutItem(item, nullptr);
}

LayoutReport inspectLayoutItem(const fs::path& item, const LoadableLayoutVisitor& visit)
{
    const fs::path path = platform::withoutTrailingSlashes(item);
    const std::string name = platform::inQuotes(platform::lastPathComponent(path));
    if (!platform::itemOrLinkExists(path))
        return {{}, {{Problem::Kind::missing, name + " could not be found; it may have been moved or deleted."}}, {}};
    if (hasExtension(path, ".bundle"))
        return inspectBundle(path, name, visit);

    Reading reading = readLayout(path, visit);
    if (!reading.problems.empty())
        return {{}, std::move(reading.problems), {}};
    LayoutReport report{{std::move(reading.layout)}, {}, {}};
    if (const std::optional<fs::path> icon = iconBeside(path)) {
        // Every icns file opens with its type, "icns", as its first four bytes.
        std::string start(4, '\0');
        std::ifstream(*icon, std::ios::binary).read(start.data(), 4);
        if (start != "icns")
            report.warnings.push_back(
                {Warning::Kind::icon,
                 platform::inQuotes(platform::lastPathComponent(*icon)) + " beside " + name
                     + " is not an icon file (.icns); the input menu would show a generic icon."});
    }
    return report;
}

}  // namespace installer
