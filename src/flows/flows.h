#pragma once

#include "installer/input_menu.h"
#include "installer/install_scope.h"
#include "installer/privileged.h"
#include "installer/system_tools.h"
#include "layout/keyboard_model.h"
#include "layout/layout_check.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace installer {

// What a way in answers and does while a flow runs: the window asks in alerts and keeps its event
// loop going while an administrator is asked; keylayout answers from its options. Unset, a flow
// goes on past warnings and waits in place.
struct Conversation {
    // Whether to install the item of this file name despite the warnings.
    std::function<bool(const std::string& name, const std::vector<Warning>& warnings)> proceedDespite;
    // Runs a step that may wait for an administrator; returns once it has ended, rethrowing what it threw.
    std::function<void(const std::function<void()>& step)> wait;
    Elevation elevation = Elevation::administratorPrompt;
    // What an administrator's prompt says to install, or to remove, the item of this file name for all users.
    // Unset, it says so in English, naming the application.
    std::function<std::string(const std::string& name)> installPrompt = nullptr;
    std::function<std::string(const std::string& name)> removePrompt = nullptr;
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
};

// Each item in turn: checked, its scope asked for once it passes alone (so a broken file never
// brings up an administrator's prompt), warned about, installed, registered with the system and
// added to the input menu. Then, when any was installed, the input menu is refreshed once.
std::vector<InstallOutcome> installItems(const std::vector<std::filesystem::path>& items,
                                         const std::function<InstallScope()>& scope, const SystemTools& tools,
                                         const Conversation& conversation = {});

struct RemoveOutcome {
    std::string name;
    bool removed = false;
    std::string failure;
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

}  // namespace installer
