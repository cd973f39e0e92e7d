#pragma once

#include "layout/layout_check.h"
#include "platform/input_sources.h"

#include <filesystem>
#include <string>
#include <vector>

namespace installer {

// An input source an installed item gives the system: the ids the system may register for a
// layout, the likeliest first, and the layout's name, which the input menu shows.
struct ExpectedSource {
    std::vector<std::string> ids;
    std::string name;
};

struct ExpectedSources {
    // Every id of the item's own begins so: "org.unknown.keylayout." for a loose file, the bundle
    // identifier and a dot for a bundle; empty where that is unknown.
    std::string ownPrefix;
    std::vector<ExpectedSource> layouts;
};

// What the system makes of the item's layouts. A loose file's layout is
// "org.unknown.keylayout.<name without spaces>"; a bundle's is its CFBundleIdentifier,
// ".keylayout." and the name without spaces. Where KLInfo_<name> in its Info.plist gives a
// TISInputSourceID, that is looked for first: the system has been seen registering either.
ExpectedSources expectedSources(const std::filesystem::path& installedItem, const std::vector<KeyboardLayout>& layouts);

// The installed sources that are the item's: by id, else by the name the menu shows where the id
// is one of the item's own, so that a system layout or another item of the same name is never taken.
std::vector<platform::InputSource> itemSources(const ExpectedSources& expected,
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

struct MenuRemoval {
    std::vector<std::string> disabled;  // the item's sources this took out of the menu
    bool stillInMenu = false;  // some source of the item is enabled all the same
};

// Disables the item's enabled sources, so the menu drops them at once, and reads the state back.
MenuRemoval removeFromInputMenu(const std::filesystem::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                                const platform::InputSourceRegistry& registry);

// Whether any of the item's layouts is enabled among the installed sources, one reading of the
// registry, which is costly to ask.
bool isInInputMenu(const std::filesystem::path& installedItem, const std::vector<KeyboardLayout>& layouts,
                   const std::vector<platform::InputSource>& installed);

}  // namespace installer
