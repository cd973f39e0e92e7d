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
#include <utility>

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
Problem notKeyboardDocument(std::string_view bytes, const pugi::xml_parse_result& parsed, const std::string& root)
{
    using Reason = Problem::Reason;
    const auto because = [](Reason reason, std::string detail = {}, long number = 0) {
        return Problem{.kind = Problem::Kind::notLayout, .reason = reason, .detail = detail, .number = number};
    };
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return because(Reason::empty);
    if (bytes.starts_with("PK\x03\x04"))
        return because(Reason::zipArchive);
    if (lowered(root) == "html" || (!parsed && looksLikeWebPage(bytes)))
        return because(Reason::webPage);
    if (!parsed && looksBinary(bytes))
        return because(Reason::binaryData);
    if (bytes.find('<') == std::string_view::npos)
        return because(Reason::notXml);
    if (parsed)
        return because(Reason::otherRoot, root);
    if (parsed.encoding != pugi::encoding_utf8)
        return because(Reason::damagedText);

    const auto failure = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(parsed.offset, 0, std::ssize(bytes)));
    const long line = std::count(bytes.begin(), bytes.begin() + failure, '\n') + 1;
    // Nothing complete follows the point of failure: the file stops in mid-element.
    return because(bytes.find('>', failure) == std::string_view::npos ? Reason::cutShort : Reason::damagedTextAtLine,
                   {}, line);
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

// The layout the file holds, or why macOS cannot load it.
struct Reading {
    KeyboardLayout layout;
    std::vector<Problem> problems;
};

// A layout that can load is handed to `visit` before its document closes.
Reading readLayout(const fs::path& file, const LoadableLayoutVisitor& visit)
{
    using Kind = Problem::Kind;
    using Reason = Problem::Reason;
    Reading reading{{file.filename().string(), "", 0, 0}, {}};
    const auto refuse = [&](Problem problem) {
        problem.item = reading.layout.file;
        reading.problems.push_back(std::move(problem));
    };

    std::string bytes;
    try {
        bytes = platform::readRegularFile(file, maximumLayoutSize);
    } catch (const platform::Error& error) {
        Problem problem{.kind = Kind::notLayout};
        switch (error.code()) {
        case EISDIR: problem.reason = Reason::folder; break;
        case EINVAL: problem.reason = Reason::notRegularFile; break;
        case EFBIG: problem.reason = Reason::tooLarge, problem.number = long(maximumLayoutSize >> 20); break;
        default: problem = {.kind = Kind::unreadable, .reason = Reason::readFailed, .number = error.code()};
        }
        refuse(problem);
        return reading;
    }

    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size());
    const pugi::xml_node keyboard = document.document_element();
    const std::string root = parsed ? keyboard.name() : "";
    if (root != "keyboard") {
        refuse(notKeyboardDocument(bytes, parsed, root));
        return reading;
    }

    const auto cannotLoad = [&](Reason reason, const std::string& detail, const std::string& value = {}) {
        refuse({.kind = Kind::cannotLoad, .reason = reason, .detail = detail, .value = value});
    };
    reading.layout.name = keyboard.attribute("name").value();
    for (const auto& [attribute, value] : {std::pair{"group", &reading.layout.group}, {"id", &reading.layout.id}}) {
        const pugi::xml_attribute found = keyboard.attribute(attribute);
        if (!found)
            cannotLoad(Reason::missingAttribute, attribute);
        else if (const auto number = wholeNumber(found.value()))
            *value = *number;
        else
            cannotLoad(Reason::notWholeNumber, attribute, found.value());
    }
    if (!keyboard.attribute("name"))
        cannotLoad(Reason::missingAttribute, "name");
    for (const char* element : {"layouts", "modifierMap", "keyMapSet"})
        if (!keyboard.child(element))
            cannotLoad(Reason::missingElement, element);
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
        const auto warn = [&](Warning::Reason reason, const KeyboardLayout* first) {
            warnings.push_back({.kind = Warning::Kind::duplicate,
                                .reason = reason,
                                .item = bundle,
                                .layout = layout,
                                .other = *first});
        };
        if (const auto [it, added] = ids.emplace(layout.id, &layout); !added)
            warn(Warning::Reason::sameIdInBundle, it->second);
        if (const auto [it, added] = names.emplace(layout.name, &layout); !added)
            warn(Warning::Reason::sameNameInBundle, it->second);
    }
}

// The bundle identifier of an XML property list, or nothing.
std::optional<std::string> xmlBundleIdentifier(const std::string& bytes)
{
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size()))
        return std::nullopt;
    if (const pugi::xml_node value = valueOf(document.document_element().child("dict"), "CFBundleIdentifier"))
        return value.child_value();
    return std::nullopt;
}

void warnOfMetadata(const fs::path& bundle, const std::string& name, std::vector<Warning>& warnings)
{
    using Reason = Warning::Reason;
    const auto warn = [&](Reason reason, const std::string& identifier = {}) {
        warnings.push_back(
            {.kind = Warning::Kind::bundleMetadata, .reason = reason, .item = name, .detail = identifier});
    };
    constexpr std::string_view marker = ".keyboardlayout.";
    const fs::path plist = bundle / "Contents" / "Info.plist";
    std::string bytes;
    try {
        bytes = platform::readRegularFile(plist, maximumLayoutSize);
    } catch (const platform::Error& error) {
        warn(error.code() == ENOENT ? Reason::noInfoPlist : Reason::unreadableInfoPlist);
        return;
    }
    // A binary property list keeps its ASCII strings as they are, so the marker shows in its bytes.
    if (bytes.starts_with("bplist")) {
        if (bytes.find(marker) == std::string::npos)
            warn(Reason::binaryIdentifierWithoutMarker);
        return;
    }
    const std::optional<std::string> identifier = xmlBundleIdentifier(bytes);
    if (!identifier)
        warn(Reason::noBundleIdentifier);
    else if (identifier->find(marker) == std::string::npos)
        warn(Reason::identifierWithoutMarker, *identifier);
}

LayoutReport inspectBundle(const fs::path& bundle, const std::string& name, const LoadableLayoutVisitor& visit)
{
    LayoutReport report;
    std::vector<Problem> broken;
    for (const fs::path& file : layoutFilesIn(bundle / "Contents" / "Resources")) {
        Reading reading = readLayout(file, visit);
        if (reading.problems.empty())
            report.layouts.push_back(std::move(reading.layout));
        else
            broken.push_back(reading.problems.front());
    }
    // One layout that loads makes the bundle usable; the first broken one says what went wrong.
    if (report.layouts.empty()) {
        Problem problem = broken.empty() ? Problem{} : broken.front();
        problem.kind = Problem::Kind::noLayoutInBundle;
        problem.layout = std::exchange(problem.item, name);
        report.problems.push_back(std::move(problem));
        return report;
    }
    for (Problem& problem : broken)
        report.warnings.push_back(
            {.kind = Warning::Kind::layoutCannotLoad, .item = name, .problem = std::move(problem)});
    warnOfDuplicates(name, report.layouts, report.warnings);
    warnOfMetadata(bundle, name, report.warnings);
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
    const std::string name = platform::lastPathComponent(path);
    if (!platform::itemOrLinkExists(path))
        return {{}, {{.kind = Problem::Kind::missing, .item = name}}, {}};
    if (hasExtension(path, ".bundle"))
        return inspectBundle(path, name, visit);

    Reading reading = readLayout(path, visit);
    if (!reading.problems.empty())
        return {{}, std::move(reading.problems), {}};
    LayoutReport report{{std::move(reading.layout)}, {}, {}};
    // Every icns file opens with its type, "icns", as its first four bytes. One the system will
    // not let be read is left behind when installing, which says so.
    if (const LayoutIcon icon = iconBeside(path); icon.state == LayoutIcon::State::found) {
        std::string start(4, '\0');
        std::ifstream file(icon.path, std::ios::binary);
        file.read(start.data(), 4);
        if (file.is_open() && start != "icns")
            report.warnings.push_back(
                {.kind = Warning::Kind::icon, .item = name, .otherItem = platform::lastPathComponent(icon.path)});
    }
    return report;
}

}  // namespace installer
