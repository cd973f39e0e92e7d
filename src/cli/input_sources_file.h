#pragma once

#include "platform/input_sources.h"

#include <filesystem>

namespace cli {

// A registry of input sources kept in a text file, one a line: id, name and 1 or 0 for enabled,
// separated by tabs. What a test puts in place of the system's; every call that changes
// something is also noted, a line each, in the file with ".calls" added to its name.
platform::InputSourceRegistry inputSourcesInFile(const std::filesystem::path& file);

}  // namespace cli
