#pragma once

#include "cli/commands.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cli {

// The options of `keylayout bundle`, as given.
struct BundleArguments {
    std::filesystem::path output;
    std::string identifier;
    std::string version = "1.0";
    std::vector<std::string> languages;  // "CODE" or "NAME=CODE"
    std::vector<std::string> localizedNames;  // "LANG:NAME=TEXT"
    bool capsLockSwitch = false;
    bool templateIcons = false;
    bool force = false;
    std::vector<std::filesystem::path> layouts;
};

// Makes a keyboard bundle of the layouts, or says on standard error why it made none: a usage
// error for what the options get wrong, a failure for a layout that stands in the way.
ExitCode bundle(const BundleArguments& arguments);

}  // namespace cli
