#pragma once

#include "cli/commands.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace cli {

struct ShowOptions {
    bool json = false;
    bool iso = false;  // the ISO shape, not ANSI
    std::optional<std::filesystem::path> svg;  // where the picture of the one item goes
};

// What each layout of the items types: a text picture, JSON or an SVG picture. Items the checks
// refuse are told of and left out.
ExitCode show(const std::vector<std::filesystem::path>& items, const ShowOptions& options);

}  // namespace cli
