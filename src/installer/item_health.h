#pragma once

#include "installer/install_scope.h"
#include "layout/layout_check.h"

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <vector>

namespace installer {

// Whom an installed item must belong to: a user, and for all users a group too.
struct ExpectedOwner {
    uid_t user = 0;
    std::optional<gid_t> group;
};

// root:wheel in the all-users folder; in the user's, the user who runs the program.
ExpectedOwner expectedOwner(InstallScope scope);

// What makes the system or some apps ignore the installed item: an extended attribute on anything
// in it, a file below 0644 or a folder below 0755, an owner other than `owner`. One warning of
// each kind, for the first thing found so; symbolic links are not followed.
std::vector<Warning> healthWarnings(const std::filesystem::path& item, const ExpectedOwner& owner);

}  // namespace installer
