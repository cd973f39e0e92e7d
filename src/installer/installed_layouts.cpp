#include "installer/installed_layouts.h"

#include "installer/input_menu.h"

#include "layout/file_names.h"
#include "platform/files.h"
#include "platform/text.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace installer {
namespace {

fs::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr ? user->pw_dir : "/";
}

// The same file name, as a case-insensitive file system (macOS's default) compares names.
bool sameName(const fs::path& a, const fs::path& b)
{
    return lowered(a.filename().string()) == lowered(b.filename().string());
}

std::string clash(const KeyboardLayout& layout, const KeyboardLayout& other, const InstalledItem& item)
{
    const bool sameId = layout.id == other.id;
    const std::string what = sameId && layout.name == other.name
        ? "the same id (" + std::to_string(layout.id) + ") and name"
        : sameId ? "the same id (" + std::to_string(layout.id) + ")"
                 : "the same name";
    return platform::inQuotes(layout.name) + " in " + platform::inQuotes(layout.file) + " has " + what + " as "
        + platform::inQuotes(other.name) + " in " + platform::inQuotes(item.path.filename().string()) + " in "
        + displayFolder(item.path.parent_path()) + "; "
        + (sameId ? "macOS renumbers or hides one of them."
                  : "the input menu would show two entries you cannot tell apart.");
}

}  // namespace

fs::path userLayoutsFolder()
{
    return homeFolder() / "Library" / "Keyboard Layouts";
}

fs::path layoutsFolder(InstallScope scope, const SystemTools& tools)
{
    return scope == InstallScope::allUsers ? tools.systemLayouts : userLayoutsFolder();
}

std::string displayFolder(const fs::path& folder)
{
    const std::string home = homeFolder().string(), path = folder.string();
    if (home.size() > 1 && path.starts_with(home) && (path.size() == home.size() || path[home.size()] == '/'))
        return "~" + path.substr(home.size());
    return path;
}

std::vector<InstalledItem> installedItems(const SystemTools& tools)
{
    std::vector<InstalledItem> items;
    for (const InstallScope scope : {InstallScope::currentUser, InstallScope::allUsers}) {
        std::vector<fs::path> paths;
        std::error_code error;
        for (auto it = fs::directory_iterator(layoutsFolder(scope, tools), error);
             !error && it != fs::directory_iterator(); it.increment(error))
            if (isLayoutItemName(it->path().filename()))
                paths.push_back(it->path());
        std::sort(paths.begin(), paths.end());
        for (fs::path& path : paths)
            items.push_back({path, scope, inspectLayoutItem(path), std::nullopt});
    }
    return items;
}

std::vector<Warning> clashWarnings(const fs::path& destination, const std::vector<KeyboardLayout>& layouts,
                                   const std::vector<InstalledItem>& installed)
{
    std::vector<Warning> warnings;
    for (const InstalledItem& item : installed) {
        if (sameName(item.path, destination)) {
            if (item.path.parent_path() != destination.parent_path())
                warnings.push_back({Warning::Kind::installedTwice,
                                    platform::inQuotes(destination.filename().string()) + " is also installed in "
                                        + displayFolder(item.path.parent_path())
                                        + "; the input menu would list it twice."});
            continue;
        }
        for (const KeyboardLayout& layout : layouts)
            for (const KeyboardLayout& other : item.report.layouts)
                if (layout.id == other.id || layout.name == other.name)
                    warnings.push_back({Warning::Kind::duplicate, clash(layout, other, item)});
    }
    return warnings;
}

std::vector<Warning> installWarnings(const fs::path& item, const std::vector<KeyboardLayout>& layouts,
                                     InstallScope scope, const SystemTools& tools)
{
    const fs::path destination = layoutsFolder(scope, tools) / platform::lastPathComponent(item);
    return clashWarnings(destination, layouts, installedItems(tools));
}

std::vector<InstalledItem> listInstalled(const SystemTools& tools)
{
    std::vector<InstalledItem> items = installedItems(tools);
    for (InstalledItem& item : items) {
        std::vector<Warning> clashes = clashWarnings(item.path, item.report.layouts, items);
        item.report.warnings.insert(item.report.warnings.end(), clashes.begin(), clashes.end());
        item.inInputMenu = isInInputMenu(item.path, item.report.layouts, tools.inputSources);
    }
    return items;
}

std::string scopeName(InstallScope scope)
{
    return scope == InstallScope::allUsers ? "All users" : "Current user";
}

std::vector<std::string> notes(const LayoutReport& report)
{
    std::vector<std::string> words;
    if (!report.installable())
        words.push_back("Cannot load");
    for (const Warning& warning : report.warnings) {
        const char* word = warning.kind == Warning::Kind::duplicate ? "Duplicate id or name"
            : warning.kind == Warning::Kind::installedTwice         ? "Installed in both places"
            : warning.kind == Warning::Kind::layoutCannotLoad       ? "Some layouts cannot load"
            : warning.kind == Warning::Kind::icon                   ? "Icon is no icns file"
                                                                    : "Incomplete bundle information";
        if (std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
    }
    return words;
}

}  // namespace installer
