#pragma once

// The checks' reading of a layout, for the parts of the installation core that need more of the
// file than its <keyboard> element. It hands out pugixml nodes, so only the core includes it.

#include "layout/layout_check.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <string_view>

namespace installer {

// Called with each layout of the item that can load, in the order the checks read them, while its
// document is still open.
using LoadableLayoutVisitor = std::function<void(const KeyboardLayout& layout, const pugi::xml_node& keyboard)>;

// inspectLayoutItem, handing each layout that can load to `visit` as it goes.
LayoutReport inspectLayoutItem(const std::filesystem::path& item, const LoadableLayoutVisitor& visit);

// The value that follows <key>name</key> in a property list's <dict>.
inline pugi::xml_node valueOf(pugi::xml_node dict, std::string_view name)
{
    for (pugi::xml_node key : dict.children("key"))
        if (std::string_view(key.child_value()) == name)
            return key.next_sibling();
    return {};
}

}  // namespace installer
