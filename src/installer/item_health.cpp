#include "installer/item_health.h"

#include "platform/extended_attributes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace installer {
namespace {

void noteOnce(std::vector<Warning>& warnings, Warning warning)
{
    if (std::none_of(warnings.begin(), warnings.end(), [&](const Warning& w) { return w.kind == warning.kind; }))
        warnings.push_back(std::move(warning));
}

void inspect(const fs::path& path, const std::string& shown, const std::string& item, const ExpectedOwner& owner,
             InstallScope scope, std::vector<Warning>& warnings)
{
    const Warning found{.item = item, .detail = shown};
    if (const std::vector<std::string> names = platform::extendedAttributeNames(path); !names.empty()) {
        Warning warning = found;
        warning.kind = Warning::Kind::extendedAttribute, warning.otherItem = names.front();
        noteOnce(warnings, warning);
    }
    struct stat status { };
    if (::lstat(path.c_str(), &status) != 0)
        return;
    const mode_t needed = S_ISDIR(status.st_mode) ? 0755 : 0644, mode = status.st_mode & 07777;
    if ((S_ISDIR(status.st_mode) || S_ISREG(status.st_mode)) && (mode & needed) != needed) {
        Warning warning = found;
        warning.kind = Warning::Kind::permissions, warning.number = mode;
        warning.reason = S_ISDIR(status.st_mode) ? Warning::Reason::folderMode : Warning::Reason::fileMode;
        noteOnce(warnings, warning);
    }
    if (status.st_uid != owner.user || (owner.group && status.st_gid != *owner.group)) {
        Warning warning = found;
        warning.kind = Warning::Kind::owner, warning.number = status.st_uid, warning.group = status.st_gid;
        warning.reason = scope == InstallScope::allUsers ? Warning::Reason::notRootWheel : Warning::Reason::notUser;
        noteOnce(warnings, warning);
    }
}

}  // namespace

ExpectedOwner expectedOwner(InstallScope scope)
{
    if (scope == InstallScope::allUsers)
        return {0, 0};
    return {::getuid(), std::nullopt};
}

std::vector<Warning> healthWarnings(const fs::path& item, const ExpectedOwner& owner)
{
    // A group is asked of items for all users alone, which is how their notes are told apart.
    const InstallScope scope = owner.group ? InstallScope::allUsers : InstallScope::currentUser;
    const std::string name = item.filename().string();
    std::vector<Warning> warnings;
    inspect(item, name, name, owner, scope, warnings);
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(item, error)))
        return warnings;
    for (auto it = fs::recursive_directory_iterator(item, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        inspect(it->path(), (name / it->path().lexically_relative(item)).string(), name, owner, scope, warnings);
    return warnings;
}

}  // namespace installer
