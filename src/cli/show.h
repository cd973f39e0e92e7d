#pragma once

#include "cli/commands.h"
#include "layout/keyboard_model.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace cli {

struct ShowOptions {
    bool json = false;
    bool iso = false;  // the ISO shape, not ANSI
    std::optional<std::filesystem::path> svg;  // where the picture of the one item goes
};

// The item's keyboards, or none, with what the checks found told; anything but a layout item is
// refused as `check` refuses it.
installer::ItemKeyboards readKeyboards(const std::filesystem::path& item);

// What each layout of the items types: a text picture, JSON or an SVG picture. Items the checks
// refuse are told of and left out.
ExitCode show(const std::vector<std::filesystem::path>& items, const ShowOptions& options);

}  // namespace cli
