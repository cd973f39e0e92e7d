#include "installer/installed_layouts.h"

#include "installer/input_menu.h"
#include "installer/item_health.h"
#include "installer/login_window.h"

#include "layout/file_names.h"
#include "platform/files.h"

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

Warning clash(const fs::path& destination, const KeyboardLayout& layout, const KeyboardLayout& other,
              const InstalledItem& item)
{
    using Reason = Warning::Reason;
    const bool sameId = layout.id == other.id;
    return {.kind = Warning::Kind::duplicate,
            .reason = sameId && layout.name == other.name ? Reason::sameIdAndNameAs
                : sameId                                  ? Reason::sameIdAs
                                                          : Reason::sameNameAs,
            .item = destination.filename().string(),
            .layout = layout,
            .other = other,
            .otherItem = item.path.filename().string(),
            .folder = displayFolder(item.path.parent_path())};
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
                warnings.push_back({.kind = Warning::Kind::installedTwice,
                                    .item = destination.filename().string(),
                                    .folder = displayFolder(item.path.parent_path())});
            continue;
        }
        for (const KeyboardLayout& layout : layouts)
            for (const KeyboardLayout& other : item.report.layouts)
                if (layout.id == other.id || layout.name == other.name)
                    warnings.push_back(clash(destination, layout, other, item));
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
    std::optional<std::string> loginWindow;
    try {
        if (std::filesystem::exists(tools.defaults))
            loginWindow = exportedPreferences(inputSourcesDomain(tools), tools);
    } catch (const std::exception&) {
        // A list without the login window's column is no reason to fail.
    }
    std::optional<std::vector<platform::InputSource>> sources;
    if (tools.inputSources.available())
        sources = tools.inputSources.keyboardLayouts();
    for (InstalledItem& item : items) {
        std::vector<Warning> clashes = clashWarnings(item.path, item.report.layouts, items);
        item.report.warnings.insert(item.report.warnings.end(), clashes.begin(), clashes.end());
        const std::vector<Warning> health = healthWarnings(item.path, expectedOwner(item.scope));
        item.report.warnings.insert(item.report.warnings.end(), health.begin(), health.end());
        if (sources)
            item.inInputMenu = isInInputMenu(item.path, item.report.layouts, *sources);
        if (loginWindow && item.scope == InstallScope::allUsers && !item.report.layouts.empty())
            try {
                item.atLoginWindow = atLoginWindow(*loginWindow, item.report.layouts);
            } catch (const std::exception&) {
            }
    }
    return items;
}

}  // namespace installer
