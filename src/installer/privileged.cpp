#include "installer/privileged.h"

#include "installer/quoting.h"
#include "platform/error.h"
#include "platform/process.h"
#include "platform/text.h"

namespace installer {
namespace {

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

std::string privilegedCommand(const std::vector<std::string>& arguments, const SystemTools& tools)
{
    std::string command = shellQuote(tools.shell.string()) + " -c " + shellQuote(privilegedScript) + " " + programName;
    for (const std::string& argument : arguments)
        command += " " + shellQuote(argument);
    return command;
}

void runPrivileged(const std::vector<std::string>& arguments, const SystemTools& tools, Elevation elevation,
                   const std::string& whenSilent)
{
    std::vector<std::string> shellArguments = {"-c", std::string(privilegedScript), programName};
    shellArguments.insert(shellArguments.end(), arguments.begin(), arguments.end());
    const platform::ProcessResult result = elevation == Elevation::alreadyRoot
        ? platform::runToEnd(tools.shell.string(), shellArguments)
        : platform::runToEnd(tools.osascript.string(),
                             {"-e",
                              "do shell script " + appleScriptString(privilegedCommand(arguments, tools))
                                  + " with administrator privileges"});
    if (!result.succeeded())
        throw platform::Error("KeyboardInstaller", result.terminationStatus, failureMessage(result, whenSilent));
}

}  // namespace installer
