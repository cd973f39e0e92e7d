#include "installer/user_install.h"

#include "installer/item_name.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cerrno>
#include <string>

namespace installer {
namespace {

// Failing here leaves the copy with the modes it came with, which is no reason to fail the install.
void setInstalledPermissions(const std::filesystem::path& item)
{
    platform::setPosixPermissions(item, platform::isDirectory(item) ? 0755 : 0644);
}

}  // namespace

void copyLayout(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const std::string name = installableName(from);
    platform::createDirectories(to);
    const std::filesystem::path destination = to / name;

    // Removing the destination first must never take the only copy of the layout with it.
    const bool occupied = platform::itemOrLinkExists(destination);
    if (occupied) {
        if (platform::isSameItem(from, destination)) {
            setInstalledPermissions(destination);
            return;
        }
        if (platform::liesInside(from, destination))
            throw platform::Error(platform::posixDomain, EINVAL,
                                  "Couldn't install " + platform::inQuotes(from.string()) + ": it lies inside "
                                      + platform::inQuotes(destination.string())
                                      + ", which installing would replace. Move it elsewhere first.");
    }
    if (platform::liesInside(to, from))
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't install " + platform::inQuotes(from.string())
                                  + " into a folder inside itself.");

    if (occupied)
        platform::removeItem(destination);
    platform::copyItem(platform::withoutTrailingSlashes(from), destination);
    setInstalledPermissions(destination);
}

}  // namespace installer
