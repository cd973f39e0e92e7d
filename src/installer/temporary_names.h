#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace installer {

// Half-made copies and replaced items wait beside the installed ones under names like
// ".keyboard-installer-<ID>.tmp" or ".keyboard-installer-<ID>-old.tmp". The system loads
// only names ending in .keylayout or .bundle, so it never takes one of these for a layout.
inline constexpr std::string_view temporaryPrefix = ".keyboard-installer-";
inline constexpr std::string_view temporarySuffix = ".tmp";

// Our name for a copy being made ("") or an item set aside ("-old") by the run with this ID.
inline std::string temporaryName(std::string_view id, std::string_view tag)
{
    return std::string(temporaryPrefix).append(id).append(tag).append(temporarySuffix);
}

// Whether the name is one of ours, which an interrupted install may have left behind.
inline bool isTemporarySibling(std::string_view fileName)
{
    return fileName.size() > temporaryPrefix.size() + temporarySuffix.size() && fileName.starts_with(temporaryPrefix)
        && fileName.ends_with(temporarySuffix);
}

// A run that takes no lock gives its ID as "<process>.<UUID>", so that while it lives another
// run can tell its temporary items from leftovers.
inline std::string runId(long process, std::string_view uuid)
{
    return std::to_string(process).append(".").append(uuid);
}

// The process whose run named this temporary item, where its name says.
inline std::optional<long> namingProcess(std::string_view fileName)
{
    if (!isTemporarySibling(fileName))
        return std::nullopt;
    const std::string_view id = fileName.substr(temporaryPrefix.size());
    const std::size_t digits = id.find_first_not_of("0123456789");
    if (digits == 0 || digits > 9 || digits == std::string_view::npos || id[digits] != '.')
        return std::nullopt;
    return std::stol(std::string(id.substr(0, digits)));
}

}  // namespace installer
