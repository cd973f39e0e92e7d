#include "cli/commands.h"

#include "cli/output.h"
#include "installer/flows.h"
#include "installer/installed_layouts.h"
#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>

namespace fs = std::filesystem;
using installer::InstallScope;

namespace cli {
namespace {

InstallScope scopeOf(const Options& options)
{
    return options.allUsers ? InstallScope::allUsers : InstallScope::currentUser;
}

// Root has nobody to ask: a management tool or a package's script runs the command itself.
installer::Conversation conversation(const Options& options)
{
    installer::Conversation conversation;
    conversation.proceedDespite = [&options](const std::string&, const auto&) { return !options.strict; };
    conversation.elevation = ::geteuid() == 0 ? installer::Elevation::alreadyRoot : installer::Elevation::administratorPrompt;
    return conversation;
}

std::string forWhom(InstallScope scope)
{
    return scope == InstallScope::allUsers ? "for all users" : "for the current user";
}

bool accepted(const installer::LayoutReport& report, const Options& options)
{
    return report.installable() && !(options.strict && !report.warnings.empty());
}

}  // namespace

ExitCode check(const std::vector<fs::path>& items, const Options& options)
{
    QJsonArray document;
    bool allAccepted = true;
    for (const fs::path& item : items) {
        const installer::LayoutReport report = installer::checkItem(item, InstallScope::currentUser, options.tools);
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
    using Result = installer::InstallOutcome::Result;
    const InstallScope scope = scopeOf(options);
    bool allInstalled = true;
    for (const installer::InstallOutcome& outcome :
         installer::installItems(items, [scope] { return scope; }, options.tools, conversation(options))) {
        const std::string name = platform::inQuotes(outcome.name);
        tellFindings(outcome.report);
        switch (outcome.result) {
        case Result::installed: tell("Installed " + name + " " + forWhom(scope) + "."); break;
        case Result::declined: tell("Not installed " + name + ": --strict refuses warnings."); break;
        case Result::failed: tell("Install failed: " + outcome.failure); break;
        default: tell("Not installed " + name + ".");
        }
        allInstalled = allInstalled && outcome.result == Result::installed;
    }
    return allInstalled ? succeeded : failed;
}

ExitCode list(const Options& options)
{
    const std::vector<installer::InstalledItem> items = installer::listInstalled(options.tools);
    if (!options.json) {
        tellInstalled(items);
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
    bool allRemoved = true;
    for (const installer::RemoveOutcome& outcome : installer::removeItems(names, scope, options.tools, conversation(options))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(!outcome.removed ? "Remove failed: " + outcome.failure
             : scope == InstallScope::allUsers ? "Removed " + name + " for all users."
                                               : "Moved " + name + " to the Trash.");
        allRemoved = allRemoved && outcome.removed;
    }
    return allRemoved ? succeeded : failed;
}

}  // namespace cli
