#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A keyboard layout as the system's input menu knows it.
struct InputSource {
    std::string id;  // e.g. "org.unknown.keylayout.Colemak"
    std::string localizedName;
    bool enabled = false;  // in the input menu
};

// The system's registry of input sources: macOS's Text Input Sources; other systems have none,
// and tests put a stand-in in its place. Its calls belong on the main thread, as macOS requires
// of apps.
struct InputSourceRegistry {
    // Tells the system about a layout just put into a Keyboard Layouts folder, so that it can be
    // found and chosen without signing out. Whether the system took it.
    std::function<bool(const std::filesystem::path& installedItem)> registerItem;
    // Every keyboard layout installed, enabled or not.
    std::function<std::vector<InputSource>()> keyboardLayouts;
    // Each says whether the system did it.
    std::function<bool(const std::string& id)> enable;
    std::function<bool(const std::string& id)> disable;
    std::function<bool(const std::string& id)> select;

    bool available() const { return registerItem && keyboardLayouts && enable && disable && select; }
};

// The system's own registry, or an empty one where there is none. In a build with test seams,
// one whose every call fails.
InputSourceRegistry systemInputSources();

}  // namespace platform
