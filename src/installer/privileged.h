#pragma once

#include "installer/system_tools.h"

#include <string>

namespace installer {

// How a privileged command gets root: an administrator approves it in a prompt, or the caller is
// root already (a script an administrator runs, where nobody would answer a prompt).
enum class Elevation { administratorPrompt, alreadyRoot };

// Runs the shell command as root through tools.osascript ("do shell script … with administrator
// privileges") or tools.shell, and waits for it to end. A failure throws platform::Error with the
// exit status and the trimmed standard error (or output) when it is text, else `whenSilent`.
void runPrivileged(const std::string& command, const SystemTools& tools, Elevation elevation,
                   const std::string& whenSilent);

}  // namespace installer
