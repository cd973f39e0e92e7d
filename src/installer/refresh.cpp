#include "installer/refresh.h"

#include "platform/process.h"

#include <array>
#include <exception>

namespace installer {

void runProcess(const std::string& path, const std::vector<std::string>& arguments)
{
    try {
        platform::launchDetached(path, arguments);
    } catch (const std::exception&) {
        // A service that can't be restarted picks up the new layout at the next sign-in anyway.
    }
}

void refreshInputSources(const std::filesystem::path& killall)
{
    static constexpr std::array services{"TextInputMenuAgent", "SystemUIServer", "cfprefsd"};
    for (const char* service : services)
        runProcess(killall.string(), {service});
}

}  // namespace installer
