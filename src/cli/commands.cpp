#include "cli/commands.h"

#include "cli/output.h"
#include "installer/file_names.h"
#include "installer/install.h"
#include "installer/installed_layouts.h"
#include "installer/refresh.h"
#include "installer/system_install.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/trash.h"

#include <unistd.h>

#include <cerrno>
#include <exception>

namespace fs = std::filesystem;
using installer::InstallScope;

namespace cli {
namespace {

InstallScope scopeOf(const Options& options)
{
    return options.allUsers ? InstallScope::allUsers : InstallScope::currentUser;
}

// Root has nobody to ask: a management tool or a package's script runs the command itself.
installer::Elevation elevation()
{
    return ::geteuid() == 0 ? installer::Elevation::alreadyRoot : installer::Elevation::administratorPrompt;
}

std::string forWhom(InstallScope scope)
{
    return scope == InstallScope::allUsers ? "for all users" : "for the current user";
}

// The checks of a drop in its order: the item alone, then, if it can be installed, against what
// is installed.
installer::LayoutReport checkItem(const fs::path& item, InstallScope scope, const installer::SystemTools& tools)
{
    const std::string name = platform::lastPathComponent(item);
    if (!installer::isLayoutItemName(name))
        return {{}, {{installer::Problem::Kind::notLayoutItem, platform::inQuotes(name) + " is not a .keylayout file or keyboard .bundle."}}, {}};
    installer::LayoutReport report = installer::inspectLayoutItem(item);
    if (report.installable()) {
        const auto clashes = installer::installWarnings(item, report.layouts, scope, tools);
        report.warnings.insert(report.warnings.end(), clashes.begin(), clashes.end());
    }
    return report;
}

bool accepted(const installer::LayoutReport& report, const Options& options)
{
    return report.installable() && !(options.strict && !report.warnings.empty());
}

// Every failure reads as the window would show it; nothing escapes as a crash.
template <typename Action>
bool attempt(const std::string& failure, Action action)
{
    try {
        action();
        return true;
    } catch (const platform::Error& error) {
        tell(failure + error.localizedDescription());
    } catch (const std::exception& error) {
        tell(failure + error.what());
    }
    return false;
}

}  // namespace

ExitCode check(const std::vector<fs::path>& items, const Options& options)
{
    QJsonArray document;
    bool allAccepted = true;
    for (const fs::path& item : items) {
        const installer::LayoutReport report = checkItem(item, InstallScope::currentUser, options.tools);
        const bool ok = accepted(report, options);
        allAccepted = allAccepted && ok;
        const std::string name = platform::inQuotes(platform::lastPathComponent(item));
        // People read the findings even where the JSON goes to a file.
        document.append(checkedItemJson(item.string(), report, ok));
        tellFindings(report);
        tell(ok ? name + " can be installed." : report.installable() ? name + " is refused: --strict refuses warnings."
                                                                     : name + " cannot be installed.");
    }
    if (options.json)
        printJson(document);
    return allAccepted ? succeeded : failed;
}

ExitCode install(const std::vector<fs::path>& items, const Options& options)
{
    const InstallScope scope = scopeOf(options);
    bool allInstalled = true, anyInstalled = false;
    for (const fs::path& item : items) {
        const std::string name = platform::inQuotes(platform::lastPathComponent(item));
        const installer::LayoutReport report = checkItem(item, scope, options.tools);
        tellFindings(report);
        bool installed = false;
        if (!accepted(report, options))
            tell("Not installed " + name + (report.installable() ? ": --strict refuses warnings." : "."));
        else
            installed = attempt("Install failed: ", [&] {
                installer::installLayout(item, scope, options.tools, elevation());
                tell("Installed " + name + " " + forWhom(scope) + ".");
            });
        allInstalled = allInstalled && installed;
        anyInstalled = anyInstalled || installed;
    }
    if (anyInstalled)
        installer::refreshInputSources(options.tools.killall);
    return allInstalled ? succeeded : failed;
}

ExitCode list(const Options& options)
{
    const std::vector<installer::InstalledItem> items = installer::listInstalled(options.tools);
    if (!options.json) {
        printInstalled(items);
        return succeeded;
    }
    QJsonArray document;
    for (const installer::InstalledItem& item : items)
        document.append(installedItemJson(item));
    printJson(document);
    return succeeded;
}

ExitCode remove(const std::vector<std::string>& names, const Options& options)
{
    const InstallScope scope = scopeOf(options);
    bool allRemoved = true, anyRemoved = false;
    for (const std::string& given : names) {
        // A name, not a path: anything else could reach outside the folder.
        const std::string name = platform::withoutTrailingSlashes(given).string();
        const bool removed = attempt("Remove failed: ", [&] {
            if (name.find('/') != std::string::npos || !installer::isLayoutItemName(name))
                throw platform::Error(platform::posixDomain, EINVAL, platform::inQuotes(given)
                                      + " does not name a keyboard layout file or bundle.");
            if (scope == InstallScope::allUsers) {
                installer::removeForAllUsers(name, options.tools, elevation());
                return tell("Removed " + platform::inQuotes(name) + " for all users.");
            }
            const fs::path item = installer::userLayoutsFolder() / name;
            if (!platform::itemOrLinkExists(item))
                throw platform::Error(platform::posixDomain, ENOENT,
                                      platform::inQuotes(name) + " is not installed for the current user.");
            platform::moveToTrash(item);
            tell("Moved " + platform::inQuotes(name) + " to the Trash.");
        });
        allRemoved = allRemoved && removed;
        anyRemoved = anyRemoved || removed;
    }
    if (anyRemoved)
        installer::refreshInputSources(options.tools.killall);
    return allRemoved ? succeeded : failed;
}

}  // namespace cli
