#pragma once

#include "layout/keyboard_model.h"

#include <string>
#include <string_view>
#include <vector>

// One shape of keyboard for the window, the text picture and the SVG. Lengths are in key units:
// one unit is the width of a letter key, measured from the board's top left corner.
namespace installer {

// ANSI, or ISO with the extra key right of the left Shift and the tall Return.
enum class KeyboardShape { ansi, iso };

struct Box {
    double x = 0, y = 0, width = 0, height = 0;
};

struct Point {
    double x = 0, y = 0;
};

struct KeyCap {
    int code = 0;  // the virtual key code macOS reports for the key
    Box box;
    // How far right of the key's left edge its lower half starts: the ISO Return's step; 0 elsewhere.
    double step = 0;
    // What the key shows when it types nothing visible: "⇧", "⌘", "↩"…; "" for the keys that type.
    std::string_view symbol;
};

struct KeyboardGeometry {
    KeyboardShape shape;
    double width = 0, height = 0;
    std::vector<KeyCap> keys;  // row by row from the top, left to right
};

// The keys of a Mac keyboard from the number row to the space bar.
const KeyboardGeometry& keyboardGeometry(KeyboardShape shape);

// The key's outline drawn `inset` inside its box, corner by corner, clockwise from the top left.
std::vector<Point> outline(const KeyCap& key, double inset = 0);

// Where legends sit on printed keyboards: what a key types with no modifier at the lower left,
// with Shift above it, with Option at the lower right, with both above that.
enum class Corner { lowerLeft, upperLeft, lowerRight, upperRight };

struct Legend {
    Corner corner;
    Layer layer;
    std::string text;  // only what can be read; a dead key without a terminator shows "◌"
    bool dead = false;
};

struct PictureKey {
    KeyCap cap;
    std::vector<Legend> legends;  // none where the key types nothing visible: its symbol stands instead
};

// A layout's legends on the keys of a shape: four a key, or with Caps Lock on, what it types then,
// at the lower left.
struct KeyboardPicture {
    const KeyboardGeometry* geometry = nullptr;
    std::vector<PictureKey> keys;
};

KeyboardPicture keyboardPicture(const KeyboardModel& model, KeyboardShape shape, bool capsLock = false);

// The part of a key that its legends share: the box inset by a margin, on the ISO Return its
// lower half.
Box legendArea(const KeyCap& key);

// The gap between neighbouring keys, taken half from each, and the margin around legends.
inline constexpr double keyGap = 0.06, legendMargin = 0.1;

}  // namespace installer
