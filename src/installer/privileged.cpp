#include "installer/privileged.h"

#include "installer/quoting.h"
#include "platform/error.h"
#include "platform/process.h"
#include "platform/text.h"

#include <regex>

namespace installer {
namespace {

constexpr const char* errorDomain = "KeyboardInstaller";

// AppleScript's number for an operation the user cancelled.
constexpr long userCanceled = -128;

// osascript says why the administrator declined on standard error; the command says which step failed.
std::string failureMessage(const platform::ProcessResult& result, const std::string& whenSilent)
{
    auto candidate = platform::decodeUtf8(result.standardError);
    if (!candidate)
        candidate = platform::decodeUtf8(result.standardOutput);
    const std::string message = platform::trimmedWhitespaceAndNewlines(candidate.value_or(""));
    return message.empty() ? whenSilent : message;
}

// The name the program sees as $0, which its usage line shows.
constexpr const char* programName = "keyboard-installer";

}  // namespace

ApprovalCancelled::ApprovalCancelled(const std::string& localizedDescription)
    : platform::Error(errorDomain, userCanceled, localizedDescription)
{
}

std::string privilegedCommand(const std::vector<std::string>& arguments, const SystemTools& tools)
{
    std::string command = shellQuote(tools.shell.string()) + " -c " + shellQuote(privilegedScript) + " " + programName;
    for (const std::string& argument : arguments)
        command += " " + shellQuote(argument);
    return command;
}

void runPrivileged(const std::vector<std::string>& arguments, const SystemTools& tools, Elevation elevation,
                   const std::string& prompt, const std::string& whenCancelled, const std::string& whenSilent)
{
    std::vector<std::string> shellArguments = {"-c", std::string(privilegedScript), programName};
    shellArguments.insert(shellArguments.end(), arguments.begin(), arguments.end());
    const std::string withPrompt = prompt.empty() ? "" : " with prompt " + appleScriptString(prompt);
    const platform::ProcessResult result = elevation == Elevation::alreadyRoot
        ? platform::runToEnd(tools.shell.string(), shellArguments)
        : platform::runToEnd(tools.osascript.string(),
                             {"-e",
                              "do shell script " + appleScriptString(privilegedCommand(arguments, tools)) + withPrompt
                                  + " with administrator privileges"});
    if (result.succeeded())
        return;
    std::string message = failureMessage(result, whenSilent);
    long code = result.terminationStatus;
    // osascript words a failed script "0:108: execution error: MESSAGE (NUMBER)": the message is the
    // program's own line and the number its exit status, or the prompt's cancel.
    static const std::regex scriptError(R"(^(?:\d+:\d+: )?execution error: ([\s\S]*) \((-?\d{1,9})\)$)");
    if (std::smatch parts;
        elevation == Elevation::administratorPrompt && std::regex_match(message, parts, scriptError)) {
        code = std::stol(parts[2].str());
        if (code == userCanceled)
            throw ApprovalCancelled(whenCancelled);
        message = parts[1].str();
    }
    throw platform::Error(errorDomain, code, message);
}

}  // namespace installer
