#pragma once

#include "installer/system_tools.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cli {

// What a command ends with, for the script or CI step that runs it.
enum ExitCode { succeeded = 0, failed = 1, usageError = 2 };

struct Options {
    bool json = false;
    bool strict = false;  // warnings refuse an item as problems do
    bool allUsers = false;
    bool addToInputMenu = true;  // what install puts in place goes into the running user's input menu
    bool loginWindow = false;  // and, for all users, into the login window's input sources
    bool replace = false;  // install puts the item in place of the one installed item its warnings name
    installer::SystemTools tools;
};

// The checks of a drop, for the current user, on each item.
ExitCode check(const std::vector<std::filesystem::path>& items, const Options& options);

// Installs each item as a drop would, then refreshes the input menu once.
ExitCode install(const std::vector<std::filesystem::path>& items, const Options& options);

// What is installed in both folders, with what the checks find.
ExitCode list(const Options& options);

// Removes the installed items of these file names, then refreshes the input menu once.
ExitCode remove(const std::vector<std::string>& names, const Options& options);

// Adds the installed items of these file names, in either folder, to the input menu, or takes
// them out of it.
ExitCode setInInputMenu(const std::vector<std::string>& names, bool inMenu, const Options& options);

// Adds the items of these file names, installed for all users, to the login window's input sources,
// or takes them out.
ExitCode setAtLoginWindow(const std::vector<std::string>& names, bool present, const Options& options);

// Installs the installed items of these file names again from themselves.
ExitCode repair(const std::vector<std::string>& names, const Options& options);

}  // namespace cli
