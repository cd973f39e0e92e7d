#pragma once

#include "installer/input_menu.h"
#include "installer/install_scope.h"
#include "installer/installed_layouts.h"
#include "installer/privileged.h"
#include "installer/system_tools.h"
#include "layout/file_names.h"
#include "layout/keyboard_diff.h"
#include "layout/keyboard_model.h"
#include "layout/layout_check.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace installer {

// What a way in answers and does while a flow runs: the window asks in alerts and keeps its event
// loop going while an administrator is asked; keylayout answers from its options. Unset, a flow
// goes on past warnings and waits in place.
struct Conversation {
    enum class Answer { cancel, installAnyway, replace };
    // Whether to install the item of this file name despite the warnings, and whether in place of
    // the installed items they name in the scope's folder, `replaceable`: replacing, where there
    // are several, installs nothing.
    std::function<Answer(const std::string& name, const std::vector<Warning>& warnings,
                         const std::vector<std::string>& replaceable)>
        proceedDespite;
    // Runs a step that may wait for an administrator; returns once it has ended, rethrowing what it threw.
    std::function<void(const std::function<void()>& step)> wait;
    Elevation elevation = Elevation::administratorPrompt;
    // What an administrator's prompt says to install, or to remove, the item of this file name for all users.
    // Unset, it says so in English, naming the application.
    std::function<std::string(const std::string& name)> installPrompt = nullptr;
    std::function<std::string(const std::string& name)> removePrompt = nullptr;
    // What it says to install the item of this file name in place of the installed `other`.
    std::function<std::string(const std::string& name, const std::string& other)> replacePrompt = nullptr;
    // Whether an installed layout goes into the input menu of the user running the program.
    bool addToInputMenu = true;
    // Whether a layout installed for all users also goes into the login window's input sources.
    bool atLoginWindow = false;
    // What an administrator's prompt says to repair the item of this file name, or to add it to the login
    // window or take it out. Unset, it says so in English.
    std::function<std::string(const std::string& name)> repairPrompt = nullptr;
    std::function<std::string(const std::string& name, bool present)> loginWindowPrompt = nullptr;
};

// The item's keyboards as the windows and keylayout draw them, read as the checks read it.
ItemKeyboards readItemKeyboards(const std::filesystem::path& item);

// The checks of a drop in their order: the item alone, then, if it can be installed, what it
// would clash with in the scope's folder.
LayoutReport checkItem(const std::filesystem::path& item, InstallScope scope, const SystemTools& tools);

struct InstallOutcome {
    enum class Result {
        installed,
        unsupported,  // not named like a layout: no .keylayout or .bundle
        refused,  // the checks found it cannot load
        declined,  // not past its warnings
        failed,
    };
    Result result = Result::failed;
    std::string name;  // the item's file name
    InstallScope scope = InstallScope::currentUser;
    LayoutReport report;
    std::string failure;  // why installing failed, as the user reads it
    InputMenuResult inputMenu;
    // A loose layout's icon: found where it was installed beside the layout; refused where the
    // system would not let it be read, so the layout was installed without it.
    LayoutIcon::State icon = LayoutIcon::State::none;
    // Why the input menu could not be refreshed once installed; it then shows the change after the next sign-in.
    std::string refreshFailure;
    // The installed items of other file names in the scope's folder with a layout of the same id or
    // name, and the one the item was installed in place of, now gone from the folder.
    std::vector<std::string> replaceable;
    std::string replaced;
    // What the item types differently from the version it replaced: the installed item of its file
    // name, else `replaced`. None where it replaced neither.
    std::optional<std::vector<LayoutDiff>> changes;
    // It types something else now, and where there is an input menu, macOS may keep typing with
    // the replaced version until the user signs out and in again.
    bool changesAfterSignIn = false;
};

// Each item in turn: checked, its scope asked for once it passes alone (so a broken file never
// brings up an administrator's prompt), warned about, installed, registered with the system and
// added to the input menu. Then, when any was installed, the input menu is refreshed once. A
// replaced version goes as a removal does: out of the input menu first, then into the Trash for
// the current user, or in the same privileged step for all users.
std::vector<InstallOutcome> installItems(const std::vector<std::filesystem::path>& items,
                                         const std::function<InstallScope()>& scope, const SystemTools& tools,
                                         const Conversation& conversation = {});

struct RemoveOutcome {
    std::string name;
    bool removed = false;
    std::string failure;
    std::string refreshFailure;  // as for an install
};

// Removes the installed items of these file names from the scope's folder, each first taken out
// of the input menu so it goes at once: into the Trash for the current user, through the
// privileged program for all users. Then, when any was removed, the input menu is refreshed once.
std::vector<RemoveOutcome> removeItems(const std::vector<std::string>& names, InstallScope scope,
                                       const SystemTools& tools, const Conversation& conversation = {});

// What came of changing one installed item.
struct ChangeOutcome {
    std::string name{};
    bool done = false;
    std::string failure{};
    std::string refreshFailure{};  // as for an install
};

// Installs the installed items of these file names again from themselves, so that nothing makes the
// system ignore them: no extended attributes, folders 755 and files 644, owned by the user or
// root:wheel. Through the same replacement as an install, so a failure leaves an item as it was;
// one in the input menu stays there. Then, when any was repaired, the input menu is refreshed once.
std::vector<ChangeOutcome> repairItems(const std::vector<std::string>& names, InstallScope scope,
                                       const SystemTools& tools, const Conversation& conversation = {});

// Adds the layouts of the items of these file names, installed for all users, to the login window's
// input sources and shows its input menu, or takes them out: one privileged command for all.
std::vector<ChangeOutcome> setItemsAtLoginWindow(const std::vector<std::string>& names, bool present,
                                                 const SystemTools& tools, const Conversation& conversation = {});

// Puts an installed item's layouts into the input menu of the user running the program.
InputMenuResult enableInInputMenu(const InstalledItem& item, const SystemTools& tools);

// Takes them out again; whether the menu, read back, lists none of them.
bool disableInInputMenu(const InstalledItem& item, const SystemTools& tools);

}  // namespace installer
