#pragma once

#include "layout/bundle_advice.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace installer {

// One keyboard layout as its <keyboard> element describes it.
struct KeyboardLayout {
    std::string file;  // the .keylayout file's name
    std::string name;
    long id = 0;
    long group = 0;
};

// What would go wrong with an item that can be installed, and a sentence saying so.
struct Warning {
    enum class Kind {
        layoutCannotLoad,  // one of a bundle's layouts; the others can
        duplicate,  // two layouts with the same id or name, in the item or beside it
        installedTwice,  // the same file name in both folders
        bundleMetadata,  // what the system reads from Contents/Info.plist
        icon,  // the icon beside a loose layout is no icon the menu can show
    };
    Kind kind;
    std::string message;
};

// Why an item cannot be installed, and a sentence saying so.
struct Problem {
    enum class Kind {
        missing,  // nothing at the path
        notLayoutItem,  // neither a .keylayout file nor a .bundle folder
        notLayout,  // no keyboard layout at all: a web page, an archive, binary data, no regular file
        cannotLoad,  // a layout without what macOS needs to load it
        unreadable,  // a file that could not be read
        noLayoutInBundle,  // a bundle without a layout that can load
    };
    Kind kind;
    std::string message;
};

// What the checks found in one item. Every problem and warning is a sentence that names the files.
struct LayoutReport {
    std::vector<KeyboardLayout> layouts;  // those that can load
    std::vector<Problem> problems;  // why the item cannot be installed; none when it can
    std::vector<Warning> warnings;
    std::vector<Advice> advice = {};  // for a bundle's author; only keylayout check tells it
    bool installable() const { return problems.empty(); }
    std::vector<std::string> problemMessages() const
    {
        std::vector<std::string> messages;
        for (const Problem& problem : problems)
            messages.push_back(problem.message);
        return messages;
    }
};

// Real layouts are well under a megabyte; anything far larger is not one.
inline constexpr std::size_t maximumLayoutSize = 4 * 1024 * 1024;

// Looks at the item alone. Refuses what certainly cannot load: a .keylayout that is no regular
// file, is far too large, or is no XML document with a <keyboard> root holding what the layout
// format requires; a .bundle with no such layout in Contents/Resources. Warns of layouts that a
// bundle cannot load or holds twice, and of bundle metadata the system expects. Parsing is
// lenient, so whatever the system loads passes.
LayoutReport inspectLayoutItem(const std::filesystem::path& item);

}  // namespace installer
