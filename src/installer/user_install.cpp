#include "installer/user_install.h"

#include "installer/item_name.h"
#include "installer/temporary_names.h"
#include "layout/file_names.h"
#include "platform/error.h"
#include "platform/extended_attributes.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/uuid.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace installer {
namespace {

// Another install into the folder may be working on its temporary items right now.
bool madeByALivingRun(const std::string& fileName)
{
    const std::optional<long> process = namingProcess(fileName);
    return process && *process > 0 && (::kill(static_cast<pid_t>(*process), 0) == 0 || errno == EPERM);
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
        const std::string name = it->path().filename().string();
        if (isTemporarySibling(name) && !madeByALivingRun(name))
            removeQuietly(it->path());
    }
}

// Folders 755 and files 644 throughout, as in an install for all users; links are left alone.
// Failing here leaves the copy with the modes it came with, which is no reason to fail the install.
void setInstalledPermissions(const fs::path& item)
{
    const auto set = [](const fs::path& path, fs::file_type type) {
        if (type == fs::file_type::directory || type == fs::file_type::regular)
            platform::setPosixPermissions(path, type == fs::file_type::directory ? 0755 : 0644);
    };
    std::error_code error;
    const fs::file_type type = fs::symlink_status(item, error).type();
    set(item, type);
    if (type != fs::file_type::directory)
        return;
    for (auto it = fs::recursive_directory_iterator(item, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error))
        set(it->path(), it->symlink_status(error).type());
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

LayoutIcon::State copyIconBeside(const fs::path& layout, const fs::path& to, platform::Cloning cloning)
{
    const LayoutIcon icon = iconBeside(layout);
    if (icon.state != LayoutIcon::State::found)
        return icon.state;
    try {
        platform::copyItem(icon.path, to, cloning);
    } catch (const platform::Error& error) {
        if (error.domain() != platform::posixDomain
            || !isRefusal(std::error_code(static_cast<int>(error.code()), std::generic_category())))
            throw;
        if (platform::itemOrLinkExists(to))
            removeQuietly(to);
        return LayoutIcon::State::refused;
    }
    return LayoutIcon::State::found;
}

namespace {

LayoutIcon::State replaceWithCopy(const fs::path& from, const fs::path& to, const std::string& name, bool occupied,
                                  platform::Cloning cloning, const SetAside& setAside)
{
    const fs::path destination = to / name;
    removeLeftovers(to);
    // The copy is made beside the installed item and only then swapped in, so a failure part-way
    // never costs the user the layout they had. A loose layout's icon travels with it.
    const std::string run = runId(::getpid(), platform::newUuidString());
    const fs::path copy = to / temporaryName(run, ""), aside = to / temporaryName(run, "-old");
    const fs::path iconCopy = to / temporaryName(run, "-icon"), iconAside = to / temporaryName(run, "-icon-old");
    LayoutIcon::State icon = LayoutIcon::State::none;
    const fs::path installedIcon = to / iconName(name);
    bool settingAside = false, setAsideDone = false;
    try {
        platform::copyItem(platform::withoutTrailingSlashes(from), copy, cloning);
        setInstalledPermissions(copy);
        // A downloaded layout carries a quarantine mark, and the system may ignore a marked one.
        platform::clearExtendedAttributes(copy);
        icon = copyIconBeside(from, iconCopy, cloning);
        if (icon == LayoutIcon::State::found) {
            setInstalledPermissions(iconCopy);
            platform::clearExtendedAttributes(iconCopy);
        }
        // Only once the copy is complete does the installed version make way.
        if (occupied && setAside) {
            settingAside = true;
            setAside(destination);
            settingAside = false, setAsideDone = true;
        }
        platform::swapIntoPlace(copy, destination, aside);
        if (icon == LayoutIcon::State::found)
            platform::swapIntoPlace(iconCopy, installedIcon, iconAside);
    } catch (const platform::Error& error) {
        for (const fs::path& made : {copy, iconCopy})
            if (platform::itemOrLinkExists(made))
                removeQuietly(made);
        if (settingAside)
            throw;
        throw copyFailure(error, name, occupied && !setAsideDone);
    }
    // An icon of an earlier install would show beside a layout that came without one.
    if (icon == LayoutIcon::State::none && hasExtension(name, ".keylayout")
        && platform::itemOrLinkExists(installedIcon))
        removeQuietly(installedIcon);
    for (const fs::path& old : {copy, aside, iconCopy, iconAside})
        if (platform::itemOrLinkExists(old))
            removeQuietly(old);
    return icon;
}

}  // namespace

LayoutIcon::State copyLayout(const fs::path& from, const fs::path& to, platform::Cloning cloning,
                             const SetAside& setAside)
{
    const std::string name = installableName(from);
    platform::createDirectories(to);
    const fs::path destination = to / name;

    const bool occupied = platform::itemOrLinkExists(destination);
    if (occupied) {
        if (platform::isSameItem(from, destination)) {
            setInstalledPermissions(destination);
            return iconBeside(from).state;
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
    return replaceWithCopy(from, to, name, occupied, cloning, setAside);
}

void repairLayout(const fs::path& item)
{
    replaceWithCopy(item, item.parent_path(), item.filename().string(), true, platform::Cloning::whereSupported,
                    nullptr);
}

}  // namespace installer
