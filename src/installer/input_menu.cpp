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

bool enabledIn(const std::vector<platform::InputSource>& sources, const std::string& id)
{
    return std::any_of(sources.begin(), sources.end(), [&](const auto& s) { return s.id == id && s.enabled; });
}

}  // namespace

ExpectedSources expectedSources(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts)
{
    const fs::path item = platform::withoutTrailingSlashes(installedItem);
    if (!hasExtension(item, ".bundle")) {
        ExpectedSources expected{"org.unknown.keylayout.", {}};
        for (const KeyboardLayout& layout : layouts)
            expected.layouts.push_back({{expected.ownPrefix + withoutSpaces(layout.name)}, layout.name});
        return expected;
    }
    // A binary property list is not read: its layouts are then found by nothing of their own.
    pugi::xml_document plist;
    std::string bytes;
    try {
        bytes = platform::readRegularFile(item / "Contents" / "Info.plist", maximumLayoutSize);
    } catch (const std::exception&) {
    }
    const pugi::xml_node dict =
        plist.load_buffer(bytes.data(), bytes.size()) ? plist.document_element().child("dict") : pugi::xml_node();
    const std::string bundleId = valueOf(dict, "CFBundleIdentifier").child_value();
    ExpectedSources expected{bundleId.empty() ? "" : bundleId + ".", {}};
    for (const KeyboardLayout& layout : layouts) {
        ExpectedSource source{{}, layout.name};
        if (const std::string declared =
                valueOf(valueOf(dict, "KLInfo_" + layout.name), "TISInputSourceID").child_value();
            !declared.empty())
            source.ids.push_back(declared);
        if (!bundleId.empty())
            source.ids.push_back(bundleId + ".keylayout." + withoutSpaces(layout.name));
        expected.layouts.push_back(std::move(source));
    }
    return expected;
}

std::vector<platform::InputSource> itemSources(const ExpectedSources& expected,
                                               const std::vector<platform::InputSource>& installed)
{
    std::vector<platform::InputSource> found;
    for (const ExpectedSource& source : expected.layouts) {
        auto match = installed.end();
        for (auto id = source.ids.begin(); id != source.ids.end() && match == installed.end(); ++id)
            match = std::find_if(installed.begin(), installed.end(), [&](const auto& s) { return s.id == *id; });
        if (match == installed.end() && !expected.ownPrefix.empty())
            match = std::find_if(installed.begin(), installed.end(), [&](const auto& s) {
                return s.localizedName == source.name && s.id.starts_with(expected.ownPrefix);
            });
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
    const ExpectedSources expected = expectedSources(installedItem, layouts);
    const std::vector<platform::InputSource> sources = itemSources(expected, registry.keyboardLayouts());
    for (const platform::InputSource& source : sources)
        if (!source.enabled)
            registry.enable(source.id);

    InputMenuResult result{
        sources.size() < expected.layouts.size() || expected.layouts.empty() ? State::notFound : State::added, {}};
    const std::vector<platform::InputSource> now = registry.keyboardLayouts();
    for (const platform::InputSource& source : sources) {
        if (enabledIn(now, source.id))
            result.ids.push_back(source.id);
        else if (result.state == State::added)
            result.state = State::failed;
    }
    return result;
}

MenuRemoval removeFromInputMenu(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                                const platform::InputSourceRegistry& registry)
{
    MenuRemoval removal;
    if (!registry.available())
        return removal;
    const std::vector<platform::InputSource> sources =
        itemSources(expectedSources(installedItem, layouts), registry.keyboardLayouts());
    for (const platform::InputSource& source : sources)
        if (source.enabled)
            registry.disable(source.id);
    const std::vector<platform::InputSource> now = registry.keyboardLayouts();
    for (const platform::InputSource& source : sources) {
        if (enabledIn(now, source.id))
            removal.stillInMenu = true;
        else if (source.enabled)
            removal.disabled.push_back(source.id);
    }
    return removal;
}

bool isInInputMenu(const fs::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                   const std::vector<platform::InputSource>& installed)
{
    const auto sources = itemSources(expectedSources(installedItem, layouts), installed);
    return std::any_of(sources.begin(), sources.end(), [](const auto& source) { return source.enabled; });
}

}  // namespace installer
