#pragma once

#include "layout/layout_check.h"
#include "platform/input_sources.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace installer {

// An input source an installed item gives the system: the id the system derives for a layout,
// and the layout's name, which the input menu shows.
struct ExpectedSource {
    std::string id;
    std::string name;
};

// What the system makes of the item's layouts. A loose file's layout is
// "org.unknown.keylayout.<name without spaces>"; a bundle's is its CFBundleIdentifier,
// ".keylayout." and the name, unless KLInfo_<name> in its Info.plist gives TISInputSourceID.
std::vector<ExpectedSource> expectedSources(const std::filesystem::path& installedItem,
                                            const std::vector<KeyboardLayout>& layouts);

// The installed sources that are the item's: by id, else by the name the menu shows.
std::vector<platform::InputSource> itemSources(const std::vector<ExpectedSource>& expected,
                                               const std::vector<platform::InputSource>& installed);

struct InputMenuResult {
    enum class State {
        unavailable,  // the system has no input menu to add to
        added,  // every layout of the item is in the input menu
        notFound,  // the system does not list some layout of the item
        failed,  // the system would not enable one
    };
    State state = State::unavailable;
    std::vector<std::string> ids;  // the item's sources that are in the menu
};

// Registers the installed item with the system, then enables each of its sources that is not
// enabled yet (enabling one twice can bring up the system's prompt again) and reads the state back.
InputMenuResult addToInputMenu(const std::filesystem::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                               const platform::InputSourceRegistry& registry);

// Disables the item's enabled sources, so the menu drops them at once. Returns those it disabled.
std::vector<std::string> removeFromInputMenu(const std::filesystem::path& installedItem,
                                             const std::vector<KeyboardLayout>& layouts,
                                             const platform::InputSourceRegistry& registry);

// Whether any of the item's layouts is in the input menu; nothing where the system has no menu.
std::optional<bool> isInInputMenu(const std::filesystem::path& installedItem,
                                  const std::vector<KeyboardLayout>& layouts,
                                  const platform::InputSourceRegistry& registry);

}  // namespace installer
