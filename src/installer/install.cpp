#include "installer/install.h"

#include "installer/installed_layouts.h"
#include "installer/item_name.h"
#include "installer/system_install.h"
#include "installer/user_install.h"
#include "platform/input_sources.h"

namespace installer {

std::filesystem::path installLayout(const std::filesystem::path& item, InstallScope scope, const SystemTools& tools,
                                    Elevation elevation)
{
    const std::filesystem::path folder = layoutsFolder(scope, tools);
    if (scope == InstallScope::allUsers)
        installForAllUsers(item, tools, elevation);
    else
        copyLayout(item, folder);
    const std::filesystem::path installed = folder / installableName(item);
    platform::registerInputSource(installed);
    return installed;
}

}  // namespace installer
