#pragma once

#include "installer/system_tools.h"
#include "platform/error.h"

#include <string>
#include <string_view>
#include <vector>

namespace installer {

// How a privileged command gets root: an administrator approves it in a prompt, or the caller is
// root already (a script an administrator runs, where nobody would answer a prompt).
enum class Elevation { administratorPrompt, alreadyRoot };

// The administrator cancelled the prompt, so nothing was done: no failure, and told apart from one.
class ApprovalCancelled : public platform::Error {
public:
    explicit ApprovalCancelled(const std::string& localizedDescription);
};

// The shell program that does the work as root: "install FOLDER NAME STAGED ID [ICON]",
// "replace FOLDER NAME STAGED ID OTHER [ICON]" or "remove FOLDER NAME ID".
extern const std::string_view privilegedScript;

// The command line that runs the program with these arguments in tools.shell: what an
// administrator's prompt approves.
std::string privilegedCommand(const std::vector<std::string>& arguments, const SystemTools& tools);

// Runs the program as root, through tools.osascript ("do shell script … with prompt `prompt` with
// administrator privileges"; an empty prompt leaves the system's own words) or directly in
// tools.shell, and waits for it to end. A cancelled prompt throws ApprovalCancelled with
// `whenCancelled`; a failure throws platform::Error with the program's exit status and its own
// line, or the trimmed standard error (or output) when it is text, else `whenSilent`.
void runPrivileged(const std::vector<std::string>& arguments, const SystemTools& tools, Elevation elevation,
                   const std::string& prompt, const std::string& whenCancelled, const std::string& whenSilent);

}  // namespace installer
