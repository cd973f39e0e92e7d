#pragma once

// The checks' reading of a layout, for the parts of the installation core that need more of the
// file than its <keyboard> element. It hands out pugixml nodes, so only src/installer includes it.

#include "layout/layout_check.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>

namespace installer {

// Called with each layout of the item that can load, in the order the checks read them, while its
// document is still open.
using LoadableLayoutVisitor = std::function<void(const KeyboardLayout& layout, const pugi::xml_node& keyboard)>;

// inspectLayoutItem, handing each layout that can load to `visit` as it goes.
LayoutReport inspectLayoutItem(const std::filesystem::path& item, const LoadableLayoutVisitor& visit);

}  // namespace installer
