#pragma once

#include <string>
#include <string_view>

namespace installer {

// Half-made copies and replaced items wait beside the installed ones under names like
// ".keyboard-installer-<UUID>.tmp" or ".keyboard-installer-<UUID>-old.tmp". The system loads
// only names ending in .keylayout or .bundle, so it never takes one of these for a layout.
inline constexpr std::string_view temporaryPrefix = ".keyboard-installer-";
inline constexpr std::string_view temporarySuffix = ".tmp";

// Our name for a copy being made ("") or an item set aside ("-old") by the run with this UUID.
inline std::string temporaryName(std::string_view uuid, std::string_view tag)
{
    return std::string(temporaryPrefix).append(uuid).append(tag).append(temporarySuffix);
}

// Whether the name is one of ours, which an interrupted install may have left behind.
inline bool isTemporarySibling(std::string_view fileName)
{
    return fileName.size() > temporaryPrefix.size() + temporarySuffix.size() && fileName.starts_with(temporaryPrefix)
        && fileName.ends_with(temporarySuffix);
}

}  // namespace installer
