#pragma once

#include "installer/install_scope.h"
#include "installer/system_tools.h"
#include "layout/layout_check.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace installer {

// Library/Keyboard Layouts in the home folder of the user who runs the program (HOME applies).
std::filesystem::path userLayoutsFolder();

// The folder that a scope installs into.
std::filesystem::path layoutsFolder(InstallScope scope, const SystemTools& tools);

// The folder as a person reads it: the home folder written as "~".
std::string displayFolder(const std::filesystem::path& folder);

struct InstalledItem {
    std::filesystem::path path;
    InstallScope scope;
    LayoutReport report;
    std::optional<bool> inInputMenu;  // any of its layouts; nothing where the system has no menu
    // All its layouts, for an item for all users where the login window's preferences can be read.
    std::optional<bool> atLoginWindow = std::nullopt;
};

// Every .keylayout file and .bundle folder in the two folders, by file name, each inspected
// alone. A missing folder holds none; an item that cannot be read is listed with its problem.
std::vector<InstalledItem> installedItems(const SystemTools& tools);

// What these layouts, standing at `destination`, would clash with among the installed items:
// a layout of another item with the same id or name, or an item of the same file name in the
// other folder. The item already at `destination` is the one replaced, or the same one.
std::vector<Warning> clashWarnings(const std::filesystem::path& destination, const std::vector<KeyboardLayout>& layouts,
                                   const std::vector<InstalledItem>& installed);

// What the item's layouts would clash with once installed in the scope's folder.
std::vector<Warning> installWarnings(const std::filesystem::path& item, const std::vector<KeyboardLayout>& layouts,
                                     InstallScope scope, const SystemTools& tools);

// The installed items with what each clashes with among the others and what makes the system
// ignore it added to its warnings, whether each is in the input menu and, for all users, at the
// login window.
std::vector<InstalledItem> listInstalled(const SystemTools& tools);

}  // namespace installer
