#pragma once

#include "installer/system_tools.h"

#include <string>
#include <string_view>
#include <vector>

namespace installer {

// How a privileged command gets root: an administrator approves it in a prompt, or the caller is
// root already (a script an administrator runs, where nobody would answer a prompt).
enum class Elevation { administratorPrompt, alreadyRoot };

// The shell program that does the work as root: "install FOLDER NAME STAGED ID" or
// "remove FOLDER NAME ID".
extern const std::string_view privilegedScript;

// The command line that runs the program with these arguments in tools.shell: what an
// administrator's prompt approves.
std::string privilegedCommand(const std::vector<std::string>& arguments, const SystemTools& tools);

// Runs the program as root, through tools.osascript ("do shell script … with administrator
// privileges") or directly in tools.shell, and waits for it to end. A failure throws
// platform::Error with the exit status and the trimmed standard error (or output) when it is
// text, else `whenSilent`.
void runPrivileged(const std::vector<std::string>& arguments, const SystemTools& tools, Elevation elevation,
                   const std::string& whenSilent);

}  // namespace installer
