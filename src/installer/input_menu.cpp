#include "installer/input_menu.h"

#include "layout/file_names.h"
#include "layout/layout_reading.h"
#include "platform/files.h"

#include <pugixml.hpp>

#include <algorithm>

namespace fs = std::filesystem;

namespace installer {
namespace {

std::string withoutSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

}  // namespace

std::vector<ExpectedSource> expectedSources(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts)
{
    std::vector<ExpectedSource> expected;
    const fs::path item = platform::withoutTrailingSlashes(installedItem);
    if (!hasExtension(item, ".bundle")) {
        for (const KeyboardLayout& layout : layouts)
            expected.push_back({"org.unknown.keylayout." + withoutSpaces(layout.name), layout.name});
        return expected;
    }
    // A binary property list is not read: its layouts are then found by their names alone.
    pugi::xml_document plist;
    std::string bytes;
    try {
        bytes = platform::readRegularFile(item / "Contents" / "Info.plist", maximumLayoutSize);
    } catch (const std::exception&) {
    }
    const pugi::xml_node dict =
        plist.load_buffer(bytes.data(), bytes.size()) ? plist.document_element().child("dict") : pugi::xml_node();
    const std::string bundleId = valueOf(dict, "CFBundleIdentifier").child_value();
    for (const KeyboardLayout& layout : layouts) {
        std::string id = valueOf(valueOf(dict, "KLInfo_" + layout.name), "TISInputSourceID").child_value();
        if (id.empty() && !bundleId.empty())
            id = bundleId + ".keylayout." + layout.name;
        expected.push_back({id, layout.name});
    }
    return expected;
}

std::vector<platform::InputSource> itemSources(const std::vector<ExpectedSource>& expected,
                                               const std::vector<platform::InputSource>& installed)
{
    std::vector<platform::InputSource> found;
    for (const ExpectedSource& source : expected) {
        auto match = std::find_if(installed.begin(), installed.end(),
                                  [&](const auto& s) { return !source.id.empty() && s.id == source.id; });
        if (match == installed.end())
            match = std::find_if(installed.begin(), installed.end(),
                                 [&](const auto& s) { return s.localizedName == source.name; });
        if (match != installed.end()
            && std::none_of(found.begin(), found.end(), [&](const auto& s) { return s.id == match->id; }))
            found.push_back(*match);
    }
    return found;
}

InputMenuResult addToInputMenu(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                               const platform::InputSourceRegistry& registry)
{
    using State = InputMenuResult::State;
    if (!registry.available())
        return {};
    // Once registered, the system lists the item's sources at once, with no sign-out.
    registry.registerItem(installedItem);
    const std::vector<ExpectedSource> expected = expectedSources(installedItem, layouts);
    const std::vector<platform::InputSource> sources = itemSources(expected, registry.keyboardLayouts());
    for (const platform::InputSource& source : sources)
        if (!source.enabled)
            registry.enable(source.id);

    InputMenuResult result{sources.size() < expected.size() || expected.empty() ? State::notFound : State::added, {}};
    const std::vector<platform::InputSource> now = itemSources(expected, registry.keyboardLayouts());
    for (const platform::InputSource& source : sources) {
        const auto after = std::find_if(now.begin(), now.end(), [&](const auto& s) { return s.id == source.id; });
        if (after != now.end() && after->enabled)
            result.ids.push_back(source.id);
        else if (result.state == State::added)
            result.state = State::failed;
    }
    return result;
}

std::vector<std::string> removeFromInputMenu(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                                             const platform::InputSourceRegistry& registry)
{
    std::vector<std::string> disabled;
    if (!registry.available())
        return disabled;
    for (const platform::InputSource& source :
         itemSources(expectedSources(installedItem, layouts), registry.keyboardLayouts()))
        if (source.enabled && registry.disable(source.id))
            disabled.push_back(source.id);
    return disabled;
}

std::optional<bool> isInInputMenu(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                                  const platform::InputSourceRegistry& registry)
{
    if (!registry.available())
        return std::nullopt;
    const auto sources = itemSources(expectedSources(installedItem, layouts), registry.keyboardLayouts());
    return std::any_of(sources.begin(), sources.end(), [](const auto& source) { return source.enabled; });
}

}  // namespace installer
