#pragma once

namespace installer {

// Where a layout goes. currentUser is the fallback wherever no scope can be had.
enum class InstallScope { currentUser, allUsers };

}  // namespace installer
