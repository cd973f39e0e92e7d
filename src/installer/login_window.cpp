#include "installer/login_window.h"

#include "layout/layout_reading.h"
#include "platform/error.h"
#include "platform/process.h"
#include "platform/text.h"

#include <cerrno>
#include <sstream>

namespace fs = std::filesystem;

namespace installer {
namespace {

constexpr const char* sourcesKey = "AppleEnabledInputSources";
constexpr const char* emptyList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict/></plist>\n";

pugi::xml_document parsed(const std::string& preferences)
{
    pugi::xml_document document;
    if (!document.load_string(preferences.c_str(), pugi::parse_default | pugi::parse_doctype)
        || !document.child("plist").child("dict"))
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't read the login window's preferences: they are no property list.");
    return document;
}

// A key of the dictionary with its value, the value added when missing.
pugi::xml_node valueFor(pugi::xml_node dict, const char* key, const char* type)
{
    if (pugi::xml_node value = valueOf(dict, key))
        return value;
    dict.append_child("key").text().set(key);
    return dict.append_child(type);
}

bool isEntryOf(pugi::xml_node entry, const KeyboardLayout& layout)
{
    const pugi::xml_node id = valueOf(entry, "KeyboardLayout ID");
    return std::string_view(valueOf(entry, "InputSourceKind").child_value()) == "Keyboard Layout" && id
        && id.text().as_llong() == layout.id && valueOf(entry, "KeyboardLayout Name").child_value() == layout.name;
}

bool hasEntry(pugi::xml_node sources, const KeyboardLayout& layout)
{
    for (pugi::xml_node entry : sources.children("dict"))
        if (isEntryOf(entry, layout))
            return true;
    return false;
}

std::string text(const pugi::xml_document& document)
{
    std::ostringstream out;
    document.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

}  // namespace

fs::path inputSourcesDomain(const SystemTools& tools)
{
    return tools.systemLayouts.parent_path() / "Preferences" / "com.apple.HIToolbox";
}

fs::path loginWindowDomain(const SystemTools& tools)
{
    return tools.systemLayouts.parent_path() / "Preferences" / "com.apple.loginwindow";
}

std::string exportedPreferences(const fs::path& domain, const SystemTools& tools)
{
    // Only a system without the program has nothing to read; one standing in a folder that is not
    // there, as in a build for tests, fails to start below.
    if (!fs::exists(tools.defaults) && fs::is_directory(tools.defaults.parent_path()))
        return emptyList;
    const platform::ProcessResult result =
        platform::runToEnd(tools.defaults.string(), {"export", domain.string(), "-"});
    if (result.succeeded())
        return result.standardOutput;
    if (result.standardError.find("does not exist") != std::string::npos)
        return emptyList;
    throw platform::Error(platform::posixDomain, EIO,
                          "Couldn't read the login window's preferences: "
                              + platform::trimmedWhitespaceAndNewlines(result.standardError));
}

bool atLoginWindow(const std::string& preferences, const std::vector<KeyboardLayout>& layouts)
{
    const pugi::xml_document document = parsed(preferences);
    const pugi::xml_node sources = valueOf(document.child("plist").child("dict"), sourcesKey);
    for (const KeyboardLayout& layout : layouts)
        if (!hasEntry(sources, layout))
            return false;
    return !layouts.empty();
}

std::string withLoginWindowSources(const std::string& preferences, const std::vector<KeyboardLayout>& layouts,
                                   bool present)
{
    pugi::xml_document document = parsed(preferences);
    pugi::xml_node sources = valueFor(document.child("plist").child("dict"), sourcesKey, "array");
    for (const KeyboardLayout& layout : layouts) {
        if (present && !hasEntry(sources, layout)) {
            pugi::xml_node entry = sources.append_child("dict");
            entry.append_child("key").text().set("InputSourceKind");
            entry.append_child("string").text().set("Keyboard Layout");
            entry.append_child("key").text().set("KeyboardLayout ID");
            entry.append_child("integer").text().set(static_cast<long long>(layout.id));
            entry.append_child("key").text().set("KeyboardLayout Name");
            entry.append_child("string").text().set(layout.name.c_str());
        }
        for (pugi::xml_node entry = sources.child("dict"), next; !present && entry; entry = next) {
            next = entry.next_sibling("dict");
            if (isEntryOf(entry, layout))
                sources.remove_child(entry);
        }
    }
    return text(document);
}

std::string withInputMenuShown(const std::string& preferences)
{
    pugi::xml_document document = parsed(preferences);
    pugi::xml_node dict = document.child("plist").child("dict");
    const pugi::xml_node shown = valueFor(dict, "showInputMenu", "true");
    dict.insert_child_before("true", shown);
    dict.remove_child(shown);
    return text(document);
}

}  // namespace installer
