#include "cli/commands.h"

#include "cli/output.h"
#include "flows/flows.h"
#include "installer/installed_layouts.h"
#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>

#include <algorithm>
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
    conversation.proceedDespite = [&options](const std::string&, const std::vector<installer::Warning>& warnings,
                                             const std::vector<std::string>& replaceable) {
        using Answer = installer::Conversation::Answer;
        if (!options.replace || replaceable.empty())
            return options.strict ? Answer::cancel : Answer::installAnyway;
        // What the replaced item clashed with goes with it; --strict weighs the rest.
        const bool warnedOfMore = std::any_of(warnings.begin(), warnings.end(), [&](const installer::Warning& w) {
            return w.otherItem != replaceable.front();
        });
        return replaceable.size() > 1 || (options.strict && warnedOfMore) ? Answer::cancel : Answer::replace;
    };
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

// The same for every item of a run, so told once.
void tellRefresh(const std::string& failure)
{
    if (!failure.empty())
        tell("The input menu was not refreshed: " + failure + " It shows the change once you sign out and back in.");
}

std::string quotedList(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + platform::inQuotes(name);
    return list;
}

// Up to `most` of the changes as diff words them, each after its layout's name where several changed.
std::vector<std::string> changeLines(const std::vector<installer::LayoutDiff>& diffs, std::size_t most)
{
    const bool named = std::count_if(diffs.begin(), diffs.end(), [](const auto& d) { return d.changeCount() > 0; }) > 1;
    std::vector<std::string> lines;
    for (const installer::LayoutDiff& diff : diffs) {
        if (lines.size() >= most)
            break;
        if (diff.added() || diff.removed())
            lines.push_back((diff.added() ? "Added " : "Removed ") + platform::inQuotes(diff.name) + ".");
        for (const std::string& line : installer::describedChanges(diff, most - lines.size()))
            lines.push_back((named ? platform::inQuotes(diff.name) + ": " : "") + line);
    }
    return lines;
}

// What the new version types differently from the one it replaced, where that went, and when the
// change takes effect.
void tellChanges(const installer::InstallOutcome& outcome)
{
    if (!outcome.changes)
        return;
    const std::size_t count = installer::changeCount(*outcome.changes);
    if (count == 0)
        tell("What it types is unchanged.");
    else
        tell(count == 1 ? "1 keystroke now types something else:"
                        : std::to_string(count) + " keystrokes now type something else:");
    const std::vector<std::string> lines = changeLines(*outcome.changes, 10);
    for (const std::string& line : lines)
        tell("  " + line);
    if (count > lines.size())
        tell("  and " + std::to_string(count - lines.size()) + " more; keylayout diff lists them all.");
    if (outcome.scope == InstallScope::currentUser)
        tell("The version it replaced is in the Trash.");
    if (outcome.changesAfterSignIn)
        tell("macOS may keep typing with the old version until you sign out and in again.");
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
    std::string refreshFailure;
    for (const installer::InstallOutcome& outcome : installer::installItems(
             items, [scope] { return scope; }, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tellFindings(outcome.report);
        switch (outcome.result) {
        case Result::installed:
            tell("Installed " + name + " " + forWhom(scope)
                 + (outcome.replaced.empty() ? "" : " in place of " + platform::inQuotes(outcome.replaced))
                 + (options.loginWindow ? " and the login window" : "")
                 + (outcome.icon == installer::LayoutIcon::State::refused
                        ? " without its icon: the system would not let keylayout read it."
                        : "."));
            tellChanges(outcome);
            tellInputMenu(name, outcome.inputMenu);
            refreshFailure = outcome.refreshFailure;
            break;
        case Result::declined:
            tell(options.replace && outcome.replaceable.size() > 1
                     ? "Not installed " + name + ": --replace would replace more than one installed item, "
                         + quotedList(outcome.replaceable) + "."
                     : "Not installed " + name + ": --strict refuses warnings.");
            break;
        case Result::failed:
            tell(cancellations.count(outcome.failure) ? "Not installed " + name + ": the approval was cancelled."
                                                      : "Install failed: " + outcome.failure);
            break;
        default: tell("Not installed " + name + ".");
        }
        allInstalled = allInstalled && outcome.result == Result::installed;
    }
    tellRefresh(refreshFailure);
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
    std::string refreshFailure;
    for (const installer::RemoveOutcome& outcome :
         installer::removeItems(names, scope, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(cancellations.count(outcome.failure)  ? "Not removed " + name + ": the approval was cancelled."
                 : !outcome.removed                ? "Remove failed: " + outcome.failure
                 : scope == InstallScope::allUsers ? "Removed " + name + " for all users."
                                                   : "Moved " + name + " to the Trash.");
        if (outcome.removed)
            refreshFailure = outcome.refreshFailure;
        allRemoved = allRemoved && outcome.removed;
    }
    tellRefresh(refreshFailure);
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
                const installer::InputMenuResult result = installer::enableInInputMenu(item, options.tools);
                tellInputMenu(platform::inQuotes(name), result);
                done = result.state == installer::InputMenuResult::State::added;
            } else {
                done = installer::disableInInputMenu(item, options.tools);
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
    std::string refreshFailure;
    for (const installer::ChangeOutcome& outcome :
         installer::repairItems(names, scope, options.tools, conversation(options, cancellations))) {
        const std::string name = platform::inQuotes(outcome.name);
        tell(cancellations.count(outcome.failure) ? "Not repaired " + name + ": the approval was cancelled."
                 : !outcome.done                  ? "Repair failed: " + outcome.failure
                                                  : "Repaired " + name + " " + forWhom(scope) + ".");
        if (outcome.done)
            refreshFailure = outcome.refreshFailure;
        allDone = allDone && outcome.done;
    }
    tellRefresh(refreshFailure);
    return allDone ? succeeded : failed;
}

}  // namespace cli
