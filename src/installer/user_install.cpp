#include "installer/user_install.h"

#include "installer/item_name.h"
#include "installer/temporary_names.h"
#include "platform/error.h"
#include "platform/extended_attributes.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/uuid.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace installer {
namespace {

fs::path temporarySibling(const fs::path& folder, std::string_view tag)
{
    return folder / temporaryName(platform::newUuidString(), tag);
}

void removeQuietly(const fs::path& item) noexcept
{
    try {
        platform::removeItem(item);
    } catch (const platform::Error&) {
        // Left under our temporary name, it is removed at the next install into the folder.
    }
}

// What a crash or power loss left of an earlier install; nothing else in the folder is touched.
void removeLeftovers(const fs::path& folder)
{
    std::error_code error;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        if (isTemporarySibling(it->path().filename().string()))
            removeQuietly(it->path());
    }
}

// Failing here leaves the copy with the modes it came with, which is no reason to fail the install.
void setInstalledPermissions(const fs::path& item)
{
    platform::setPosixPermissions(item, platform::isDirectory(item) ? 0755 : 0644);
}

platform::Error copyFailure(const platform::Error& cause, const std::string& name, bool replacing)
{
    std::string reason = cause.localizedDescription();
    if (cause.domain() == platform::posixDomain)
        reason = std::generic_category().message(static_cast<int>(cause.code()));
    else if (reason.ends_with('.'))
        reason.pop_back();
    std::string message = "Couldn't copy " + platform::inQuotes(name) + ": " + reason + ".";
    if (replacing)
        message += " The installed " + platform::inQuotes(name) + " is unchanged.";
    return platform::Error(cause.domain(), cause.code(), message);
}

}  // namespace

void copyLayout(const fs::path& from, const fs::path& to, platform::Cloning cloning)
{
    const std::string name = installableName(from);
    platform::createDirectories(to);
    const fs::path destination = to / name;

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

    removeLeftovers(to);
    // The copy is made beside the installed item and only then swapped in, so a failure part-way
    // never costs the user the layout they had.
    const fs::path copy = temporarySibling(to, "");
    const fs::path aside = temporarySibling(to, "-old");
    try {
        platform::copyItem(platform::withoutTrailingSlashes(from), copy, cloning);
        setInstalledPermissions(copy);
        // A downloaded layout carries a quarantine mark, and the system may ignore a marked one.
        platform::clearExtendedAttributes(copy);
        platform::swapIntoPlace(copy, destination, aside);
    } catch (const platform::Error& error) {
        if (platform::itemOrLinkExists(copy))
            removeQuietly(copy);
        throw copyFailure(error, name, occupied);
    }
    for (const fs::path& old : {copy, aside})
        if (platform::itemOrLinkExists(old))
            removeQuietly(old);
}

}  // namespace installer
