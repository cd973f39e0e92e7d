#include "flows/flows.h"

#include "flows/trash.h"
#include "installer/installed_layouts.h"
#include "installer/item_name.h"
#include "installer/refresh.h"
#include "installer/system_install.h"
#include "installer/user_install.h"
#include "layout/file_names.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <optional>

namespace fs = std::filesystem;

namespace installer {
namespace {

// Runs the step in place, or as the way in waits for it.
void waitFor(const Conversation& conversation, const std::function<void()>& step)
{
    if (conversation.wait)
        conversation.wait(step);
    else
        step();
}

// Named in the prompt, the application and the item say what is approved, where macOS would say
// only that osascript wants to make changes.
std::string prompt(const std::function<std::string(const std::string&)>& given, const std::string& name,
                   const std::string& doing)
{
    return given ? given(name)
                 : "Keyboard Installer wants to " + doing + " " + platform::inQuotes(name) + " for all users.";
}

// To install the item, in place of another where one is named.
std::string installPrompt(const Conversation& conversation, const std::string& name, const std::string& replacing)
{
    if (replacing.empty())
        return prompt(conversation.installPrompt, name, "install");
    return conversation.replacePrompt ? conversation.replacePrompt(name, replacing)
                                      : "Keyboard Installer wants to install " + platform::inQuotes(name)
            + " in place of " + platform::inQuotes(replacing) + " for all users.";
}

// Every failure reads as the user would see it; nothing escapes as a crash.
template <typename Action>
std::string failureOf(Action action)
{
    try {
        action();
        return {};
    } catch (const platform::Error& error) {
        return error.localizedDescription();
    } catch (const std::exception& error) {
        return error.what();
    }
}

// Anything not named like a layout item is refused before it is read.
std::optional<LayoutReport> refusedByName(const std::string& name)
{
    if (isLayoutItemName(name))
        return std::nullopt;
    return LayoutReport{{}, {{.kind = Problem::Kind::notLayoutItem, .item = name}}, {}};
}

LayoutReport inspectItem(const fs::path& item, const std::string& name)
{
    if (std::optional<LayoutReport> refused = refusedByName(name))
        return std::move(*refused);
    return inspectLayoutItem(item);
}

void addClashWarnings(LayoutReport& report, const fs::path& item, InstallScope scope, const SystemTools& tools)
{
    const std::vector<Warning> clashes = installWarnings(item, report.layouts, scope, tools);
    report.warnings.insert(report.warnings.end(), clashes.begin(), clashes.end());
}

// A loose layout's icon goes with it, and can come back with it from the Trash.
void moveToTrashWithIcon(const fs::path& item, const fs::path& trash)
{
    installer::moveToTrash(item, trash);
    const fs::path icon = item.parent_path() / iconName(item.filename().string());
    if (hasExtension(item, ".keylayout") && platform::itemOrLinkExists(icon))
        installer::moveToTrash(icon, trash);
}

// The other installed items in the folder that the warnings name for a layout's id or name.
std::vector<std::string> replaceableItems(const std::vector<Warning>& warnings, const fs::path& folder)
{
    std::vector<std::string> names;
    for (const Warning& warning : warnings)
        if (warning.kind == Warning::Kind::duplicate && !warning.otherItem.empty()
            && warning.folder == displayFolder(folder)
            && std::find(names.begin(), names.end(), warning.otherItem) == names.end())
            names.push_back(warning.otherItem);
    return names;
}

// The version that installing the item replaces, read before it goes: the installed item of its
// file name, else the other item it is installed in place of.
std::optional<ItemKeyboards> replacedVersion(const fs::path& item, const fs::path& installed,
                                             const std::optional<fs::path>& other)
{
    if (platform::itemOrLinkExists(installed) && !platform::isSameItem(item, installed))
        return readItemKeyboards(installed);
    if (other)
        return readItemKeyboards(*other);
    return std::nullopt;
}

InstallOutcome installItem(const fs::path& item, const std::function<InstallScope()>& scope, const SystemTools& tools,
                           const Conversation& conversation)
{
    using Result = InstallOutcome::Result;
    using Answer = Conversation::Answer;
    InstallOutcome outcome;
    outcome.name = platform::lastPathComponent(item);
    outcome.failure = failureOf([&] {
        outcome.report = inspectItem(item, outcome.name);
        if (!outcome.report.installable()) {
            outcome.result = isLayoutItemName(outcome.name) ? Result::refused : Result::unsupported;
            return;
        }
        outcome.scope = scope ? scope() : InstallScope::currentUser;
        addClashWarnings(outcome.report, item, outcome.scope, tools);
        const fs::path folder = layoutsFolder(outcome.scope, tools);
        outcome.replaceable = replaceableItems(outcome.report.warnings, folder);
        std::string replacing;
        if (!outcome.report.warnings.empty() && conversation.proceedDespite) {
            const Answer answer =
                conversation.proceedDespite(outcome.name, outcome.report.warnings, outcome.replaceable);
            if (answer == Answer::cancel || (answer == Answer::replace && outcome.replaceable.size() > 1)) {
                outcome.result = Result::declined;
                return;
            }
            if (answer == Answer::replace && !outcome.replaceable.empty())
                replacing = outcome.replaceable.front();
        }
        const fs::path installed = folder / installableName(item);
        const std::optional<fs::path> other =
            replacing.empty() ? std::nullopt : std::optional<fs::path>(folder / replacing);
        const std::optional<ItemKeyboards> before = replacedVersion(item, installed, other);
        // Else the menu would list the replaced layout beside the new one until the next sign-in.
        std::vector<std::string> disabled;
        if (other && platform::itemOrLinkExists(*other))
            disabled = removeFromInputMenu(*other, inspectLayoutItem(*other).layouts, tools.inputSources).disabled;
        try {
            if (outcome.scope == InstallScope::allUsers)
                waitFor(conversation, [&] {
                    outcome.icon = installForAllUsers(
                        item, tools, conversation.elevation, installPrompt(conversation, outcome.name, replacing),
                        replacing, conversation.atLoginWindow ? outcome.report.layouts : std::vector<KeyboardLayout>());
                });
            else {
                outcome.icon = copyLayout(item, folder, platform::Cloning::whereSupported,
                                          [&](const fs::path& old) { moveToTrashWithIcon(old, tools.trash); });
                if (other)
                    moveToTrashWithIcon(*other, tools.trash);
            }
        } catch (...) {
            if (other && platform::itemOrLinkExists(*other))
                for (const std::string& id : disabled)
                    tools.inputSources.enable(id);
            throw;
        }
        outcome.replaced = replacing;
        // The system may decline any of this, which is no failure of the install.
        if (conversation.addToInputMenu)
            outcome.inputMenu = addToInputMenu(installed, outcome.report.layouts, tools.inputSources);
        else if (tools.inputSources.registerItem)
            tools.inputSources.registerItem(installed);
        if (before) {
            outcome.changes = diffItems(*before, readItemKeyboards(item));
            outcome.changesAfterSignIn = changeCount(*outcome.changes) > 0 && tools.inputSources.available();
        }
        outcome.result = Result::installed;
    });
    return outcome;
}

void removeItem(const std::string& name, InstallScope scope, const SystemTools& tools, const Conversation& conversation)
{
    if (!isPlainFileName(name) || !isLayoutItemName(name))
        throwNotAnItemName(name);
    const fs::path item = layoutsFolder(scope, tools) / name;
    if (scope == InstallScope::currentUser && !platform::itemOrLinkExists(item))
        throw platform::Error(platform::posixDomain, ENOENT,
                              platform::inQuotes(name) + " is not installed for the current user.");
    // Else the menu keeps listing it until the next sign-in; a removal that fails puts it back.
    const std::vector<std::string> disabled = platform::itemOrLinkExists(item)
        ? removeFromInputMenu(item, inspectLayoutItem(item).layouts, tools.inputSources).disabled
        : std::vector<std::string>();
    try {
        if (scope == InstallScope::allUsers)
            waitFor(conversation, [&] {
                removeForAllUsers(name, tools, conversation.elevation,
                                  prompt(conversation.removePrompt, name, "remove"));
            });
        else
            moveToTrashWithIcon(item, tools.trash);
    } catch (...) {
        for (const std::string& id : disabled)
            tools.inputSources.enable(id);
        throw;
    }
}

// The installed item of this file name in the scope's folder.
fs::path installedItem(const std::string& name, InstallScope scope, const SystemTools& tools)
{
    if (!isPlainFileName(name) || !isLayoutItemName(name))
        throwNotAnItemName(name);
    const fs::path item = layoutsFolder(scope, tools) / name;
    if (!platform::itemOrLinkExists(item))
        throw platform::Error(platform::posixDomain, ENOENT,
                              platform::inQuotes(name) + " is not installed for "
                                  + (scope == InstallScope::allUsers ? "all users." : "the current user."));
    return item;
}

void repairItem(const std::string& name, InstallScope scope, const SystemTools& tools, const Conversation& conversation)
{
    const fs::path item = installedItem(name, scope, tools);
    const std::vector<KeyboardLayout> layouts = inspectLayoutItem(item).layouts;
    const bool inMenu =
        tools.inputSources.available() && isInInputMenu(item, layouts, tools.inputSources.keyboardLayouts());
    if (scope == InstallScope::allUsers)
        waitFor(conversation, [&] {
            repairForAllUsers(name, tools, conversation.elevation, prompt(conversation.repairPrompt, name, "repair"));
        });
    else
        repairLayout(item);
    if (inMenu)
        addToInputMenu(item, layouts, tools.inputSources);
}

// Each of the changes in turn, then one refresh of the input menu when any was made.
std::vector<ChangeOutcome> eachChanged(const std::vector<std::string>& names, const SystemTools& tools,
                                       const std::function<void(const std::string& name)>& change)
{
    std::vector<ChangeOutcome> outcomes;
    bool anyDone = false;
    for (const std::string& given : names) {
        ChangeOutcome outcome{.name = platform::withoutTrailingSlashes(given).string()};
        outcome.failure = failureOf([&] { change(outcome.name); });
        outcome.done = outcome.failure.empty();
        anyDone = anyDone || outcome.done;
        outcomes.push_back(outcome);
    }
    if (anyDone) {
        const std::string failure = failureOf([&] { refreshInputSources(tools.killall); });
        for (ChangeOutcome& outcome : outcomes)
            if (outcome.done)
                outcome.refreshFailure = failure;
    }
    return outcomes;
}

}  // namespace

ItemKeyboards readItemKeyboards(const fs::path& item)
{
    if (std::optional<LayoutReport> refused = refusedByName(platform::lastPathComponent(item)))
        return {item, std::move(*refused), {}};
    return readKeyboards(item);
}

LayoutReport checkItem(const fs::path& item, InstallScope scope, const SystemTools& tools)
{
    LayoutReport report = inspectItem(item, platform::lastPathComponent(item));
    if (report.installable())
        addClashWarnings(report, item, scope, tools);
    return report;
}

std::vector<InstallOutcome> installItems(const std::vector<fs::path>& items, const std::function<InstallScope()>& scope,
                                         const SystemTools& tools, const Conversation& conversation)
{
    std::vector<InstallOutcome> outcomes;
    bool anyInstalled = false;
    for (const fs::path& item : items) {
        outcomes.push_back(installItem(item, scope, tools, conversation));
        anyInstalled = anyInstalled || outcomes.back().result == InstallOutcome::Result::installed;
    }
    if (anyInstalled) {
        const std::string failure = failureOf([&] { refreshInputSources(tools.killall); });
        for (InstallOutcome& outcome : outcomes)
            if (outcome.result == InstallOutcome::Result::installed)
                outcome.refreshFailure = failure;
    }
    return outcomes;
}

std::vector<RemoveOutcome> removeItems(const std::vector<std::string>& names, InstallScope scope,
                                       const SystemTools& tools, const Conversation& conversation)
{
    std::vector<RemoveOutcome> outcomes;
    for (const ChangeOutcome& change :
         eachChanged(names, tools, [&](const std::string& name) { removeItem(name, scope, tools, conversation); }))
        outcomes.push_back({change.name, change.done, change.failure, change.refreshFailure});
    return outcomes;
}

std::vector<ChangeOutcome> repairItems(const std::vector<std::string>& names, InstallScope scope,
                                       const SystemTools& tools, const Conversation& conversation)
{
    return eachChanged(names, tools, [&](const std::string& name) { repairItem(name, scope, tools, conversation); });
}

std::vector<ChangeOutcome> setItemsAtLoginWindow(const std::vector<std::string>& names, bool present,
                                                 const SystemTools& tools, const Conversation& conversation)
{
    // Each item is found first, so that one prompt asks for all that are installed.
    std::vector<KeyboardLayout> layouts;
    std::vector<ChangeOutcome> outcomes;
    std::string found;
    for (const std::string& given : names) {
        ChangeOutcome outcome{.name = platform::withoutTrailingSlashes(given).string()};
        outcome.failure = failureOf([&] {
            const std::vector<KeyboardLayout> more =
                inspectLayoutItem(installedItem(outcome.name, InstallScope::allUsers, tools)).layouts;
            layouts.insert(layouts.end(), more.begin(), more.end());
            found += (found.empty() ? "" : ", ") + outcome.name;
        });
        outcomes.push_back(outcome);
    }
    if (found.empty())
        return outcomes;
    const std::string failure = failureOf([&] {
        waitFor(conversation, [&] {
            setLoginWindowSources(layouts, present, tools, conversation.elevation,
                                  conversation.loginWindowPrompt ? conversation.loginWindowPrompt(found, present)
                                                                 : "Keyboard Installer wants to "
                                          + std::string(present ? "add " : "remove ") + platform::inQuotes(found)
                                          + (present ? " to" : " from") + " the login window.");
        });
    });
    for (ChangeOutcome& outcome : outcomes)
        if (outcome.failure.empty())
            outcome.failure = failure, outcome.done = failure.empty();
    return outcomes;
}

InputMenuResult enableInInputMenu(const InstalledItem& item, const SystemTools& tools)
{
    return addToInputMenu(item.path, item.report.layouts, tools.inputSources);
}

bool disableInInputMenu(const InstalledItem& item, const SystemTools& tools)
{
    return !removeFromInputMenu(item.path, item.report.layouts, tools.inputSources).stillInMenu;
}

}  // namespace installer
