#include "layout/bundle_advice.h"

#include "layout/file_names.h"
#include "layout/layout_check.h"
#include "layout/layout_reading.h"
#include "layout/strings_file.h"
#include "platform/files.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace installer {
namespace {

void adviseOnInfoPlist(const pugi::xml_node dict, const std::vector<KeyboardLayout>& layouts,
                       std::vector<Advice>& advice)
{
    using Kind = Advice::Kind;
    for (const auto& [key, kind] : {std::pair{"CFBundleShortVersionString", Kind::noShortVersion},
                                    {"CFBundleVersion", Kind::noVersion},
                                    {"CFBundleName", Kind::noBundleName}})
        if (std::string_view(valueOf(dict, key).child_value()).empty())
            advice.push_back({kind, "", key, ""});

    const std::string identifier = valueOf(dict, "CFBundleIdentifier").child_value();
    if (identifier.starts_with("com.apple."))
        advice.push_back({Kind::appleIdentifier, "", identifier, ""});
    if (identifier.find(' ') != std::string::npos)
        advice.push_back({Kind::identifierWithSpace, "", identifier, ""});
    if (identifier.ends_with(".keyboardlayout."))
        advice.push_back({Kind::identifierWithoutName, "", identifier, ""});

    std::set<std::string> names;
    for (const KeyboardLayout& layout : layouts) {
        names.insert(layout.name);
        const std::string key = "KLInfo_" + layout.name;
        const pugi::xml_node info = valueOf(dict, key);
        if (!info) {
            advice.push_back({Kind::layoutWithoutInfo, layout.name, key, ""});
            continue;
        }
        const std::string declared = valueOf(info, "TISInputSourceID").child_value();
        const std::string derived = derivedInputSourceId(identifier, layout.name);
        if (!declared.empty() && !identifier.empty() && declared != derived)
            advice.push_back({Kind::inputSourceIdNotDerived, layout.name, declared, derived});
        if (const pugi::xml_node language = valueOf(info, "TISIntendedLanguage");
            language && !isLanguageTag(language.child_value()))
            advice.push_back({Kind::languageNotTag, layout.name, language.child_value(), ""});
    }
    for (pugi::xml_node key : dict.children("key"))
        if (const std::string_view text = key.child_value(); text.starts_with("KLInfo_"))
            if (const std::string name(text.substr(7)); !names.count(name))
                advice.push_back({Kind::infoWithoutLayout, name, std::string(text), ""});
}

void adviseOnLocalizedNames(const fs::path& resources, const std::vector<KeyboardLayout>& layouts,
                            std::vector<Advice>& advice)
{
    std::set<std::string> names;
    for (const KeyboardLayout& layout : layouts)
        names.insert(layout.name);
    // Each strings file by its path under Resources, in order, with the layouts it names.
    std::map<std::string, std::string> files;
    std::error_code error;
    for (auto it = fs::directory_iterator(resources, error); !error && it != fs::directory_iterator();
         it.increment(error))
        if (hasExtension(it->path(), ".lproj"))
            try {
                files[(it->path().filename() / "InfoPlist.strings").string()] =
                    platform::readRegularFile(it->path() / "InfoPlist.strings", maximumLayoutSize);
            } catch (const std::exception&) {
            }
    std::map<std::string, std::set<std::string>> named;
    for (const auto& [file, bytes] : files) {
        if (!isUtf16Text(bytes))
            advice.push_back({Advice::Kind::stringsNotUtf16, "", file, ""});
        named[file];
        for (const std::string& key : stringsFileKeys(bytes))
            if (names.count(key))
                named[file].insert(key);
    }
    std::set<std::string> anyNamed;
    for (const auto& [file, keys] : named)
        anyNamed.insert(keys.begin(), keys.end());
    for (const auto& [file, keys] : named)
        for (const std::string& name : anyNamed)
            if (!keys.count(name))
                advice.push_back({Advice::Kind::stringsMissingLayout, name, file, ""});
}

}  // namespace

std::string derivedInputSourceId(std::string_view bundleIdentifier, std::string_view layoutName)
{
    std::string name(layoutName);
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return std::string(bundleIdentifier) + ".keylayout." + name;
}

bool isLanguageTag(std::string_view text)
{
    // RFC 5646's langtag, or a private-use tag alone; the grandfathered tags are long out of use. Of
    // its language subtags only those of two or three letters are in use: "english" is a mistake.
    static const std::regex tag(
        "x(-[a-z0-9]{1,8})+"
        "|[a-z]{2,3}(-[a-z]{3}){0,3}(-[a-z]{4})?(-([a-z]{2}|[0-9]{3}))?"
        "(-([a-z0-9]{5,8}|[0-9][a-z0-9]{3}))*(-[0-9a-wy-z](-[a-z0-9]{2,8})+)*(-x(-[a-z0-9]{1,8})+)?",
        std::regex::icase | std::regex::optimize);
    return std::regex_match(text.begin(), text.end(), tag);
}

std::vector<Advice> adviceOnBundle(const fs::path& bundle, const std::vector<KeyboardLayout>& layouts)
{
    std::vector<Advice> advice;
    std::string bytes;
    try {
        bytes = platform::readRegularFile(bundle / "Contents" / "Info.plist", maximumLayoutSize);
    } catch (const std::exception&) {
        // The warnings say so; there is nothing to advise on.
    }
    pugi::xml_document plist;
    if (!bytes.starts_with("bplist") && plist.load_buffer(bytes.data(), bytes.size()))
        adviseOnInfoPlist(plist.document_element().child("dict"), layouts, advice);
    for (const KeyboardLayout& layout : layouts) {
        if (layout.id >= 0)
            advice.push_back({Advice::Kind::idNotNegative, layout.name, std::to_string(layout.id), ""});
        if (layout.file != layout.name + ".keylayout")
            advice.push_back({Advice::Kind::fileNameNotName, layout.name, layout.file, layout.name + ".keylayout"});
    }
    adviseOnLocalizedNames(bundle / "Contents" / "Resources", layouts, advice);
    return advice;
}

}  // namespace installer
