#pragma once

#include "layout/bundle_advice.h"

#include <cstddef>
#include <filesystem>
#include <optional>
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

// Why an item cannot be installed: a kind, for the kinds with several causes a reason, and what it
// names. The words are each way out's own.
struct Problem {
    enum class Kind {
        missing,  // nothing at the path
        notLayoutItem,  // neither a .keylayout file nor a .bundle folder
        notLayout,  // no keyboard layout at all: a web page, an archive, binary data, no regular file
        cannotLoad,  // a layout without what macOS needs to load it
        unreadable,  // a file that could not be read
        noLayoutInBundle,  // a bundle without a layout that can load
    };
    // Why one .keylayout file is refused: empty to tooLarge are notLayout, missingAttribute to missingElement
    // cannotLoad, readFailed unreadable.
    enum class Reason {
        none,
        empty,
        zipArchive,
        webPage,
        binaryData,
        notXml,  // not one "<" in it
        otherRoot,  // detail: the root element
        damagedText,  // in an encoding other than UTF-8, where no line can be told
        damagedTextAtLine,  // number: the line
        cutShort,  // number: the line it ends in
        folder,
        notRegularFile,
        tooLarge,  // number: the largest size, in MB
        missingAttribute,  // detail: the attribute of <keyboard>
        notWholeNumber,  // detail: the attribute of <keyboard>; value: its text
        missingElement,  // detail: the element
        readFailed,  // number: the errno
    };
    Kind kind{};
    Reason reason = Reason::none;  // for noLayoutInBundle, why the first of its layouts cannot load, if it has any
    std::string item{};  // the item's file name
    std::string layout{};  // for noLayoutInBundle, the file name of that first layout
    std::string detail{};
    std::string value{};
    long number = 0;
};

// What would go wrong with an item that can be installed, and what it names.
struct Warning {
    enum class Kind {
        layoutCannotLoad,  // one of a bundle's layouts; the others can
        duplicate,  // two layouts with the same id or name, in the item or beside it
        installedTwice,  // the same file name in both folders
        bundleMetadata,  // what the system reads from Contents/Info.plist
        icon,  // the icon beside a loose layout is no icon the menu can show
        // What makes the system or some apps ignore an installed item; detail: the first thing in it
        // found so, as a path from its folder (the item's file name for the item itself).
        extendedAttribute,  // otherItem: the attribute's name
        permissions,  // reason fileMode or folderMode; number: its mode
        owner,  // reason notRootWheel or notUser; number and group: its owner's user and group ids
    };
    enum class Reason {
        none,
        sameIdInBundle,  // duplicate: `other` and then `layout`, both in the item
        sameNameInBundle,
        sameIdAs,  // duplicate: `layout` of the item and `other`, installed in `otherItem`
        sameNameAs,
        sameIdAndNameAs,
        noInfoPlist,  // bundleMetadata
        unreadableInfoPlist,
        noBundleIdentifier,
        identifierWithoutMarker,  // detail: the identifier
        binaryIdentifierWithoutMarker,  // in a binary property list, which is not read for the identifier
        fileMode,  // permissions: a file not everyone may read, below 0644
        folderMode,  // below 0755
        notRootWheel,  // owner: in the all-users folder, owned by other than root:wheel
        notUser,  // in the user's folder, by other than the user
    };
    Kind kind{};
    Reason reason = Reason::none;
    std::string item{};  // the item's file name
    KeyboardLayout layout{};
    KeyboardLayout other{};
    std::string otherItem{};  // the installed item that `other` is in; for icon, the icon beside the item
    std::string folder{};  // where `otherItem`, or for installedTwice the other item, is, as a person reads it
    std::string detail{};
    std::optional<Problem> problem{};  // for layoutCannotLoad, why that layout cannot
    long number = 0;
    long group = 0;
};

// What the checks found in one item.
struct LayoutReport {
    std::vector<KeyboardLayout> layouts;  // those that can load
    std::vector<Problem> problems;  // why the item cannot be installed; none when it can
    std::vector<Warning> warnings;
    std::vector<Advice> advice = {};  // for a bundle's author; only keylayout check tells it
    bool installable() const { return problems.empty(); }
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
