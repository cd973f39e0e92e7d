#pragma once

#include "layout/layout_check.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace installer {

// The modifier states a picture of a layout shows: no modifier, the left Shift, the left Option,
// both, and Caps Lock alone.
enum class Layer { none, shift, option, shiftOption, caps };
inline constexpr std::array<Layer, 5> allLayers = {Layer::none, Layer::shift, Layer::option, Layer::shiftOption,
                                                   Layer::caps};

// "none", "shift", "option", "shift+option" or "caps".
std::string_view layerName(Layer layer);

// What one key types in each layer, "" for nothing. A dead key's layer holds its terminator: what
// the key types when the key after it has nothing to combine with.
struct KeyOutputs {
    int code = 0;
    std::array<std::string, allLayers.size()> text;
    std::array<bool, allLayers.size()> dead{};

    const std::string& operator[](Layer layer) const { return text[std::size_t(layer)]; }
    bool isDead(Layer layer) const { return dead[std::size_t(layer)]; }
};

// What a key in a layer types right after a dead key, where the layout says so. After a dead key,
// any other key types the dead key's terminator and then what it types alone.
struct Composition {
    int code = 0;
    Layer layer = Layer::none;
    std::string text;
    bool dead = false;  // the key is dead again, and the text its terminator
};

// A key in a layer where it is dead, and what the keys type after it.
struct DeadKey {
    int code = 0;
    Layer layer = Layer::none;
    std::vector<Composition> compositions;  // by code, then layer
};

// What each key of one layout types, read from its first <layout>.
struct KeyboardModel {
    std::string file;  // the .keylayout file's name
    std::string name;
    std::vector<KeyOutputs> keys;  // by code; a key that types nothing in any layer is left out
    std::vector<DeadKey> deadKeys;  // by code, then layer

    const KeyOutputs* key(int code) const;
    const DeadKey* deadKey(int code, Layer layer) const;
};

// An item's keyboards, each read by the checks: a bundle's in the order of their file names, none
// when the checks refuse the item; the report says why.
struct ItemKeyboards {
    std::filesystem::path item;
    LayoutReport report;
    std::vector<KeyboardModel> keyboards;
};

ItemKeyboards readKeyboards(const std::filesystem::path& item);

// The text without control characters, such as those Return, Delete or the arrows type, which
// are nothing to read.
std::string visibleText(std::string_view text);

}  // namespace installer
