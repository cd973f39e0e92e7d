#include "layout/keyboard_geometry.h"

#include <initializer_list>
#include <span>
#include <utility>

namespace installer {
namespace {

// Virtual key codes of the keys that do not type, from HIToolbox's Events.h.
enum Code {
    returnKey = 36,
    tab = 48,
    space = 49,
    deleteKey = 51,
    rightCommand = 54,
    commandKey = 55,
    shift = 56,
    capsLock = 57,
    option = 58,
    control = 59,
    rightShift = 60,
    rightOption = 61,
    function = 63,
    leftArrow = 123,
    rightArrow = 124,
    downArrow = 125,
    upArrow = 126,
    // The key left of 1 on ANSI boards. On ISO boards macOS swaps it with isoSection, so the key
    // left of 1 reports 10 and the extra key right of the left Shift reports 50.
    grave = 50,
    isoSection = 10,
    backslash = 42,
};

struct Place {
    int code;
    double width = 1;
    std::string_view symbol = {};
};

// Lays the keys out left to right from x, one unit high.
void addRow(std::vector<KeyCap>& keys, double y, double x, std::initializer_list<Place> places)
{
    for (const Place& place : places) {
        keys.push_back({place.code, {x, y, place.width, 1}, 0, place.symbol});
        x += place.width;
    }
}

KeyboardGeometry make(KeyboardShape shape)
{
    const bool iso = shape == KeyboardShape::iso;
    KeyboardGeometry geometry{shape, 14.5, 5, {}};
    std::vector<KeyCap>& keys = geometry.keys;
    // Number row: the digits, then minus and equals.
    addRow(keys, 0, 0,
           {{iso ? isoSection : grave},
            {18},
            {19},
            {20},
            {21},
            {23},
            {22},
            {26},
            {28},
            {25},
            {29},
            {27},
            {24},
            {deleteKey, 1.5, "⌫"}});
    // Q to the right bracket; ANSI ends the row with the backslash, ISO with the top of Return.
    addRow(keys, 1, 0, {{tab, 1.5, "⇥"}, {12}, {13}, {14}, {15}, {17}, {16}, {32}, {34}, {31}, {35}, {33}, {30}});
    if (iso)
        keys.push_back({returnKey, {13.5, 1, 1, 2}, 0.25, "↩"});
    else
        addRow(keys, 1, 13.5, {{backslash}});
    // A to the quote.
    addRow(keys, 2, 0, {{capsLock, 1.75, "⇪"}, {0}, {1}, {2}, {3}, {5}, {4}, {38}, {40}, {37}, {41}, {39}});
    addRow(keys, 2, 12.75, {iso ? Place{backslash} : Place{returnKey, 1.75, "↩"}});
    // Z to the slash.
    if (iso)
        addRow(keys, 3, 0, {{shift, 1.25, "⇧"}, {grave}});
    else
        addRow(keys, 3, 0, {{shift, 2.25, "⇧"}});
    addRow(keys, 3, 2.25, {{6}, {7}, {8}, {9}, {11}, {45}, {46}, {43}, {47}, {44}, {rightShift, 2.25, "⇧"}});
    // The bottom row as on Mac keyboards, with the up and down arrows half high.
    addRow(keys, 4, 0,
           {{function, 1, "fn"},
            {control, 1, "⌃"},
            {option, 1, "⌥"},
            {commandKey, 1.25, "⌘"},
            {space, 5},
            {rightCommand, 1.25, "⌘"},
            {rightOption, 1, "⌥"},
            {leftArrow, 1, "←"}});
    keys.push_back({upArrow, {12.5, 4, 1, 0.5}, 0, "↑"});
    keys.push_back({downArrow, {12.5, 4.5, 1, 0.5}, 0, "↓"});
    addRow(keys, 4, 13.5, {{rightArrow, 1, "→"}});
    return geometry;
}

// The visible part of a layer's text, or the mark of a dead key that types nothing of its own.
Legend legend(Corner corner, Layer layer, const KeyOutputs& key)
{
    std::string text = visibleText(key[layer]);
    if (key.isDead(layer) && text.empty())
        text = "◌";
    return {corner, layer, std::move(text), key.isDead(layer)};
}

}  // namespace

const KeyboardGeometry& keyboardGeometry(KeyboardShape shape)
{
    static const KeyboardGeometry ansi = make(KeyboardShape::ansi), iso = make(KeyboardShape::iso);
    return shape == KeyboardShape::iso ? iso : ansi;
}

std::vector<Point> outline(const KeyCap& key, double inset)
{
    const Box& b = key.box;
    const double left = b.x + inset, top = b.y + inset, right = b.x + b.width - inset, bottom = b.y + b.height - inset;
    if (key.step <= 0)
        return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const double middle = b.y + b.height / 2 - inset, stepX = b.x + key.step + inset;
    return {{left, top}, {right, top}, {right, bottom}, {stepX, bottom}, {stepX, middle}, {left, middle}};
}

Box legendArea(const KeyCap& key)
{
    const double inset = keyGap / 2 + legendMargin;
    Box area = key.box;
    if (key.step > 0)
        area.x += key.step, area.width -= key.step, area.y += area.height / 2, area.height /= 2;
    return {area.x + inset, area.y + inset, area.width - 2 * inset, area.height - 2 * inset};
}

KeyboardPicture keyboardPicture(const KeyboardModel& model, KeyboardShape shape, bool capsLock)
{
    static constexpr std::pair<Corner, Layer> corners[] = {{Corner::lowerLeft, Layer::none},
                                                           {Corner::upperLeft, Layer::shift},
                                                           {Corner::lowerRight, Layer::option},
                                                           {Corner::upperRight, Layer::shiftOption}};
    static constexpr std::pair<Corner, Layer> capsCorner[] = {{Corner::lowerLeft, Layer::caps}};
    KeyboardPicture picture{&keyboardGeometry(shape), {}};
    picture.keys.reserve(picture.geometry->keys.size());
    for (const KeyCap& cap : picture.geometry->keys) {
        PictureKey& drawn = picture.keys.emplace_back(PictureKey{cap, {}});
        const KeyOutputs* key = model.key(cap.code);
        if (!key)
            continue;
        for (const auto& [corner, layer] : capsLock ? std::span<const std::pair<Corner, Layer>>(capsCorner)
                                                    : std::span<const std::pair<Corner, Layer>>(corners))
            if (Legend shown = legend(corner, layer, *key); !shown.text.empty())
                drawn.legends.push_back(std::move(shown));
    }
    return picture;
}

}  // namespace installer
