#pragma once

#include "support/temporary_folder.h"

#include <filesystem>
#include <map>
#include <string>

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
// `root` in place of the system's.
inline void writeShell(const std::filesystem::path& shell, const std::filesystem::path& root)
{
    for (const auto& [path, work] : workingTools)
        writeTool(root, path, work);
    writeScript(shell,
                "script=$(printf '%s' \"$2\" | sed -E 's#([ (])/(bin|usr)/#\\1" + root.string()
                    + "/\\2/#g'); shift 2; exec /bin/sh -c \"$script\" \"$@\"\n");
}

// An osascript that runs the command of "do shell script "…" [with prompt "…"] with administrator
// privileges" as if an administrator had approved it.
inline void writeOsascript(const std::filesystem::path& osascript)
{
    writeScript(osascript, R"(exec perl -e '$_ = $ARGV[0]; s/^do shell script "//;
s/"( with prompt "([^"\\]|\\.)*")? with administrator privileges$//s;
s/\\(.)/$1 eq "n" ? "\n" : $1 eq "r" ? "\r" : $1/ge; exec "/bin/sh", "-c", $_' "$2")");
}

}  // namespace testing_support
