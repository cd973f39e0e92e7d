#pragma once

#include "installer/system_tools.h"
#include "layout/layout_check.h"

#include <filesystem>
#include <string>
#include <vector>

namespace installer {

// The preferences beside the all-users folder that the login window reads: its input sources
// (com.apple.HIToolbox) and whether it shows the input menu (com.apple.loginwindow).
std::filesystem::path inputSourcesDomain(const SystemTools& tools);
std::filesystem::path loginWindowDomain(const SystemTools& tools);

// The domain's property list as tools.defaults exports it, as XML; an empty one where the domain
// does not exist yet or the system has no such program. Throws platform::Error otherwise.
std::string exportedPreferences(const std::filesystem::path& domain, const SystemTools& tools);

// Whether each layout is in AppleEnabledInputSources of these preferences.
bool atLoginWindow(const std::string& preferences, const std::vector<KeyboardLayout>& layouts);

// The complete property list with each layout in AppleEnabledInputSources once, or with none of
// them, and every other entry kept. Throws platform::Error when the preferences cannot be read.
std::string withLoginWindowSources(const std::string& preferences, const std::vector<KeyboardLayout>& layouts,
                                   bool present);

// The complete property list with showInputMenu true.
std::string withInputMenuShown(const std::string& preferences);

}  // namespace installer
