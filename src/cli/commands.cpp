#include "cli/commands.h"

#include "cli/output.h"
#include "flows/flows.h"
#include "installer/installed_layouts.h"
#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>

#include <set>

namespace fs = std::filesystem;
using installer::InstallScope;

namespace cli {
namespace {

InstallScope scopeOf(const Options& options)
{
    return options.allUsers ? InstallScope::allUsers : InstallScope::currentUser;
}

bool runAsRoot()
{
    return ::geteuid() == 0;
}

// Root has nobody to ask: a management tool or a package's script runs the command itself. Nor
// has it an input menu: each user adds a layout to their own. An administrator who cancels has
// answered, not failed; an outcome keeps only the words, so what they read is noted on its way.
installer::Conversation conversation(const Options& options, std::set<std::string>& cancellations)
{
    installer::Conversation conversation;
    conversation.wait = [&cancellations](const std::function<void()>& step) {
        try {
            step();
        } catch (const installer::ApprovalCancelled& cancelled) {
            cancellations.insert(cancelled.localizedDescription());
            throw;
        }
    };
    conversation.proceedDespite = [&options](const std::string&, const auto&) { return !options.strict; };
    conversation.elevation =
        runAsRoot() ? installer::Elevation::alreadyRoot : installer::Elevation::administratorPrompt;
    conversation.addToInputMenu = options.addToInputMenu && !runAsRoot();
    conversation.atLoginWindow = options.loginWindow;
    return conversation;
}

constexpr const char* addItYourself = "add it in System Settings > Keyboard > Input Sources.";

void tellInputMenu(const std::string& name, const installer::InputMenuResult& result)
{
    using State = installer::InputMenuResult::State;
    if (result.state == State::added)
        tell("Added " + name + " to the input menu.");
    else if (result.state != State::unavailable)
        tell("Not added " + name + " to the input menu: the system "
             + (result.state == State::notFound ? "does not list all its layouts" : "would not enable them") + "; "
             + addItYourself);
}

std::string forWhom(InstallScope scope)
{
    return scope == InstallScope::allUsers ? "for all users" : "for the current user";
}

bool accepted(const installer::LayoutReport& report, const Options& options)
{
    return report.installable() && !(options.strict && !(report.warnings.empty() && report.advice.empty()));
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
        tellAdvice(item.string(), report);
        tell(ok                             ? name + " can be installed."
                 : !report.installable()    ? name + " cannot be installed."
                 : !report.warnings.empty() ? name + " is refused: --strict refuses warnings."
                                            : name + " is refused: --strict refuses advice.");
    }
    if (options.json)
        printJson(document);
    return allAccepted ? succeeded : failed;
}

ExitCode install(const std::vector<fs::path>& items, const Options& options)
{
    using Result = installer::InstallOutcome::Result;
    const InstallScope scope = scopeOf(options);
    if (runAsRoot() && options.addToInputMenu && options.tools.inputSources.available())
        tell("Run as root, keylayout adds nothing to an input menu: root has none. Each user can "
             + std::string(addItYourself));
    bool allInstalled = true;
    std::set<std::string> cancellations;
    for (const installer::InstallOutcome& outcome : installer::installItems(
             items, [scope] { return scope; }, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tellFindings(outcome.report);
        switch (outcome.result) {
        case Result::installed:
            tell("Installed " + name + " " + forWhom(scope) + (options.loginWindow ? " and the login window." : "."));
            tellInputMenu(name, outcome.inputMenu);
            break;
        case Result::declined: tell("Not installed " + name + ": --strict refuses warnings."); break;
        case Result::failed:
            tell(cancellations.count(outcome.failure) ? "Not installed " + name + ": the approval was cancelled."
                                                      : "Install failed: " + outcome.failure);
            break;
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
    bool allRemoved = true;
    std::set<std::string> cancellations;
    for (const installer::RemoveOutcome& outcome :
         installer::removeItems(names, scope, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(cancellations.count(outcome.failure)  ? "Not removed " + name + ": the approval was cancelled."
                 : !outcome.removed                ? "Remove failed: " + outcome.failure
                 : scope == InstallScope::allUsers ? "Removed " + name + " for all users."
                                                   : "Moved " + name + " to the Trash.");
        allRemoved = allRemoved && outcome.removed;
    }
    return allRemoved ? succeeded : failed;
}

ExitCode setInInputMenu(const std::vector<std::string>& names, bool inMenu, const Options& options)
{
    const std::vector<installer::InstalledItem> installed = installer::installedItems(options.tools);
    bool allDone = true;
    for (const std::string& given : names) {
        const std::string name = platform::withoutTrailingSlashes(given).string();
        bool found = false, done = false;
        for (const installer::InstalledItem& item : installed) {
            if (item.path.filename() != name)
                continue;
            found = true;
            if (!options.tools.inputSources.available())
                break;
            if (inMenu) {
                const installer::InputMenuResult result =
                    installer::addToInputMenu(item.path, item.report.layouts, options.tools.inputSources);
                tellInputMenu(platform::inQuotes(name), result);
                done = result.state == installer::InputMenuResult::State::added;
            } else {
                installer::removeFromInputMenu(item.path, item.report.layouts, options.tools.inputSources);
                done = installer::isInInputMenu(item.path, item.report.layouts, options.tools.inputSources) == false;
                tell(done ? "Took " + platform::inQuotes(name) + " out of the input menu."
                          : "Couldn't take " + platform::inQuotes(name) + " out of the input menu.");
            }
        }
        if (!found)
            tell(platform::inQuotes(name) + " is not installed, for you or for all users.");
        else if (!options.tools.inputSources.available())
            tell("This system has no input menu to change for " + platform::inQuotes(name) + ".");
        allDone = allDone && done;
    }
    return allDone ? succeeded : failed;
}

ExitCode setAtLoginWindow(const std::vector<std::string>& names, bool present, const Options& options)
{
    bool allDone = true;
    std::set<std::string> cancellations;
    for (const installer::ChangeOutcome& outcome :
         installer::setItemsAtLoginWindow(names, present, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(cancellations.count(outcome.failure) ? "Not changed " + name + ": the approval was cancelled."
                 : !outcome.done                  ? "Login window not changed: " + outcome.failure
                 : present                        ? "Added " + name + " to the login window."
                                                  : "Took " + name + " out of the login window.");
        allDone = allDone && outcome.done;
    }
    return allDone ? succeeded : failed;
}

ExitCode repair(const std::vector<std::string>& names, const Options& options)
{
    const InstallScope scope = scopeOf(options);
    bool allDone = true;
    std::set<std::string> cancellations;
    for (const installer::ChangeOutcome& outcome :
         installer::repairItems(names, scope, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(cancellations.count(outcome.failure) ? "Not repaired " + name + ": the approval was cancelled."
                 : !outcome.done                  ? "Repair failed: " + outcome.failure
                                                  : "Repaired " + name + " " + forWhom(scope) + ".");
        allDone = allDone && outcome.done;
    }
    return allDone ? succeeded : failed;
}

}  // namespace cli
