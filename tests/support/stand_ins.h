#pragma once

#include "installer/system_tools.h"
#include "support/temporary_folder.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// What each program the privileged script runs does in a stand-in: the real tool where this system
// has one; ditto copies, chown and xattr do nothing, as there is no root:wheel or xattr here, and
// sysctl knows no boot time.
inline const std::map<std::string, std::string> workingTools = {
    {"bin/mkdir", "mkdir"},      {"bin/rm", "rm"},         {"bin/mv", "mv"},       {"usr/bin/ditto", "cp -R"},
    {"usr/sbin/chown", ":"},     {"usr/bin/find", "find"}, {"bin/chmod", "chmod"}, {"usr/bin/xattr", ":"},
    {"bin/sleep", "sleep"},      {"bin/ls", "ls"},         {"bin/sh", "sh"},       {"usr/bin/readlink", "readlink"},
    {"usr/sbin/sysctl", "false"}};

// Writes the stand-in for the tool at `path` under `root`: it appends its name and arguments to
// root/../log, then does `work` with them.
inline void writeTool(const std::filesystem::path& root, const std::string& path, const std::string& work)
{
    writeScript(root / path, "echo \"${0##*/} $*\" >> \"" + (root / "../log").string() + "\"\n" + work + " \"$@\"\n");
}

// A shell that runs the privileged program ("-c SCRIPT NAME ARGUMENT...") with the tools under
// `root` in place of the system's. Each run adds a line to the shell's path with ".ran".
inline void writeShell(const std::filesystem::path& shell, const std::filesystem::path& root)
{
    for (const auto& [path, work] : workingTools)
        writeTool(root, path, work);
    writeScript(shell,
                "echo >> \"$0.ran\"; script=$(printf '%s' \"$2\" | sed -E 's#([ (])/(bin|usr)/#\\1" + root.string()
                    + "/\\2/#g'); shift 2; exec /bin/sh -c \"$script\" \"$@\"\n");
}

// An osascript that runs the command of "do shell script "…" [with prompt "…"] with administrator
// privileges" as if an administrator had approved it, noting each run as the shell does.
void writeOsascript(const std::filesystem::path& osascript);

// The system's registry of input sources, kept in memory, as a Mac would answer: each call that
// changes something is noted in order, with whether the item was still on disk when a source was
// disabled.
struct StandInRegistry {
    std::vector<platform::InputSource> sources;
    std::set<std::string> refused;  // the system will not enable these
    std::vector<std::string> calls;
    int listings = 0;  // each a costly call on a Mac
    std::filesystem::path watched;  // the item whose presence a disable notes

    platform::InputSourceRegistry registry()
    {
        const auto set = [this](const std::string& id, bool enabled) {
            bool found = false;
            for (platform::InputSource& source : sources)
                if (source.id == id && !(enabled && refused.count(id)))
                    source.enabled = enabled, found = true;
            return found;
        };
        return {
            .registerItem =
                [this](const std::filesystem::path& item) {
                    return calls.push_back("register " + item.filename().string()), true;
                },
            .keyboardLayouts = [this] { return ++listings, sources; },
            .enable = [this, set](const std::string& id) { return calls.push_back("enable " + id), set(id, true); },
            .disable =
                [this, set](const std::string& id) {
                    calls.push_back("disable " + id
                                    + (watched.empty()                        ? ""
                                           : std::filesystem::exists(watched) ? " while installed"
                                                                              : " once gone"));
                    return set(id, false);
                },
            .select = [this](const std::string& id) { return calls.push_back("select " + id), true; },
        };
    }
};

// Every seam to the system for one test, each a stand-in in `folder`: osascript approves as an
// administrator would; the shell runs the privileged program with the tools under folder/tools,
// which note their calls in folder/log; killall notes each service it restarts in killall.calls;
// the all-users folder is "System Layouts" and the Trash "Trash"; defaults keeps each preferences domain in a file,
// none at first; the input menu is `menu`, or none as on Linux. A test gives a stand-in other behaviour by writing
// another script in its place.
struct StandInSystem {
    explicit StandInSystem(const std::filesystem::path& where)
        : folder(where)
    {
        writeShell(folder / "sh", folder / "tools"), writeOsascript(folder / "osascript");
        writeScript(folder / "killall", "echo \"$1\" >> \"$0.calls\"\n");
        writeScript(folder / "defaults",
                    "case $1 in export) [ -f \"$2.plist\" ] && exec cat \"$2.plist\"; "
                    "echo \"Domain $2 does not exist\" >&2; exit 1;; "
                    "import) mkdir -p \"${2%/*}\" && cp \"$3\" \"$2.plist\";; esac\n");
    }
    StandInSystem(const StandInSystem&) = delete;

    // Has the login window list these layouts, "ID NAME" each, apart by "|", beside a key of another kind.
    void listAtLoginWindow(const std::string& layouts) const;

    installer::SystemTools tools(bool withInputMenu = false)
    {
        return {folder / "osascript",
                folder / "killall",
                folder / "sh",
                folder / "System Layouts",
                withInputMenu ? menu.registry() : platform::InputSourceRegistry(),
                folder / "defaults",
                folder / "Trash"};
    }
    // The same as keylayout's hidden options; its input menu is the file `inputSources`, or none.
    std::vector<std::string> keylayoutOptions(const std::filesystem::path& inputSources = {}) const
    {
        return {"--osascript",      (folder / "osascript").string(),
                "--shell",          (folder / "sh").string(),
                "--killall",        (folder / "killall").string(),
                "--system-layouts", (folder / "System Layouts").string(),
                "--input-sources",  inputSources.string(),
                "--defaults",       (folder / "defaults").string(),
                "--trash",          (folder / "Trash").string()};
    }

    std::filesystem::path folder;
    StandInRegistry menu;
};

}  // namespace testing_support
