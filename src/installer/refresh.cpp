#include "installer/refresh.h"

#include "platform/process.h"

#include <array>

namespace installer {

void refreshInputSources(const std::filesystem::path& killall)
{
    static constexpr std::array services{"TextInputMenuAgent", "SystemUIServer", "cfprefsd"};
    for (const char* service : services)
        platform::launchDetached(killall.string(), {service});
}

}  // namespace installer
