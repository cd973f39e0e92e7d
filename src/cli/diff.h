#pragma once

#include "cli/commands.h"

#include <filesystem>

namespace cli {

// What each layout of the newer item types differently from the older one, as text or JSON. Exits
// as diff(1) does: 0 when both type the same, 1 when they differ, 2 when either cannot be read.
ExitCode diff(const std::filesystem::path& before, const std::filesystem::path& after, bool json);

}  // namespace cli
