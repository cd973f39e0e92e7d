#pragma once

#include "layout/keyboard_model.h"

#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Two versions of a layout compared by what they type: per key and layer, and for dead keys what
// each key types after them. The names of dead-key states never count, so renaming them changes
// nothing.
namespace installer {

// A key pressed in one layer.
struct Keystroke {
    int code = 0;
    Layer layer = Layer::none;

    bool operator==(const Keystroke&) const = default;
};

// What a keystroke types, "" for nothing; a dead key's text is its terminator.
struct Typed {
    std::string text;
    bool dead = false;

    bool operator==(const Typed&) const = default;
};

struct KeyChange {
    Keystroke key;
    Typed before, after;
};

// What a keystroke types right after a dead key that is dead in both versions.
struct CompositionChange {
    Keystroke deadKey;
    Keystroke key;
    Typed before, after;
};

// One layout in both versions, or in one of them: added or removed.
struct LayoutDiff {
    std::string name;  // the newer version's
    std::optional<std::string> beforeFile, afterFile;  // the .keylayout file names; none on the side it is missing
    std::vector<KeyChange> keys;  // by code, then layer
    std::vector<CompositionChange> compositions;  // by dead key, then code and layer
    std::map<int, std::string> keyLabels;  // each key a change names, labelled as printed keycaps are: "E", "Return"

    bool added() const { return !beforeFile; }
    bool removed() const { return !afterFile; }
    // Each key and composition change, or one for an added or removed layout.
    std::size_t changeCount() const;
};

// The two versions of one layout.
LayoutDiff diffKeyboards(const KeyboardModel& before, const KeyboardModel& after);

// The layouts of two versions of an item, pair by pair: those of the older version in their order,
// then those added. Two .keylayout files pair their one layout each; otherwise layouts pair by
// name, then by file name. An item the checks refuse has no layouts, so all of the other's count
// as added or removed.
std::vector<LayoutDiff> diffItems(const ItemKeyboards& before, const ItemKeyboards& after);

std::size_t changeCount(const std::vector<LayoutDiff>& diffs);

// The first `most` changes of one layout pair, a line each, as a layout author reads them:
// "Option+E: ´ (dead) → é", "Option+E, then e: é → ė". None for an added or removed layout.
std::vector<std::string> describedChanges(const LayoutDiff& diff,
                                          std::size_t most = std::numeric_limits<std::size_t>::max());

}  // namespace installer
