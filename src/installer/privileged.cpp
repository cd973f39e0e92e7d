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

}  // namespace

void runPrivileged(const std::string& command, const SystemTools& tools, Elevation elevation,
                   const std::string& whenSilent)
{
    const platform::ProcessResult result = elevation == Elevation::alreadyRoot
        ? platform::runToEnd(tools.shell.string(), {"-c", command})
        : platform::runToEnd(tools.osascript.string(),
                             {"-e", "do shell script " + appleScriptString(command) + " with administrator privileges"});
    if (!result.succeeded())
        throw platform::Error("KeyboardInstaller", result.terminationStatus, failureMessage(result, whenSilent));
}

}  // namespace installer
