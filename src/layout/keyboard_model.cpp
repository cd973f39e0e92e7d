#include "layout/keyboard_model.h"

#include "layout/layout_reading.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace installer {
namespace {

enum Modifier : unsigned {
    leftShift = 1 << 0,
    rightShift = 1 << 1,
    leftOption = 1 << 2,
    rightOption = 1 << 3,
    leftControl = 1 << 4,
    rightControl = 1 << 5,
    command = 1 << 6,
    capsLock = 1 << 7,
};

// Codes beyond any keyboard's; a key element claiming one is ignored.
constexpr int highestCode = 1023;
// Key maps that name each other as their base would never end.
constexpr int deepestBase = 16;

unsigned modifiersDown(Layer layer)
{
    switch (layer) {
    case Layer::none: return 0;
    case Layer::shift: return leftShift;
    case Layer::option: return leftOption;
    case Layer::shiftOption: return leftShift | leftOption;
    case Layer::caps: return capsLock;
    }
    return 0;
}

// The modifiers a word of a keys attribute names; none for a word the format does not have.
unsigned namedModifiers(std::string_view word)
{
    static constexpr std::pair<std::string_view, unsigned> words[] = {{"shift", leftShift},
                                                                      {"rightShift", rightShift},
                                                                      {"anyShift", leftShift | rightShift},
                                                                      {"option", leftOption},
                                                                      {"rightOption", rightOption},
                                                                      {"anyOption", leftOption | rightOption},
                                                                      {"control", leftControl},
                                                                      {"rightControl", rightControl},
                                                                      {"anyControl", leftControl | rightControl},
                                                                      {"command", command},
                                                                      {"caps", capsLock}};
    for (const auto& [name, modifiers] : words)
        if (name == word)
            return modifiers;
    return 0;
}

// A <modifier keys> alternative holds when every word without "?" is down and every modifier that
// is down is named by some word.
bool holds(std::string_view keys, unsigned down)
{
    unsigned named = 0;
    constexpr std::string_view space = " \t\r\n";
    for (std::size_t start = keys.find_first_not_of(space); start != std::string_view::npos;
         start = keys.find_first_not_of(space, start)) {
        const std::size_t end = std::min(keys.find_first_of(space, start), keys.size());
        std::string_view word = keys.substr(start, end - start);
        start = end;
        const bool optional = word.ends_with('?');
        if (optional)
            word.remove_suffix(1);
        const unsigned modifiers = namedModifiers(word);
        if (!optional && (down & modifiers) == 0)
            return false;
        named |= modifiers;
    }
    return (down & ~named) == 0;
}

int mapIndex(const pugi::xml_node& modifierMap, unsigned down)
{
    for (const pugi::xml_node select : modifierMap.children("keyMapSelect"))
        for (const pugi::xml_node modifier : select.children("modifier"))
            if (holds(modifier.attribute("keys").value(), down))
                return select.attribute("mapIndex").as_int(-1);
    return modifierMap.attribute("defaultIndex").as_int(0);
}

// Layouts are UTF-16 underneath, so a character outside the Basic Multilingual Plane may be written
// as two references, one for each half of its surrogate pair, which the parser turns into two
// separate three-byte sequences. Joins such pairs into the character; a lone half is no character.
std::string withSurrogatesJoined(std::string_view text)
{
    if (text.find('\xED') == std::string_view::npos)
        return std::string(text);
    const auto surrogate = [&](std::size_t at, char32_t first, char32_t last) -> char32_t {
        const platform::CodePoint c = at < text.size() ? platform::codePointAt(text, at) : platform::CodePoint();
        return c.value >= first && c.value <= last ? c.value : 0;
    };
    std::string joined;
    for (std::size_t i = 0; i < text.size();) {
        if (const char32_t high = surrogate(i, 0xD800, 0xDBFF)) {
            const char32_t low = surrogate(i + 3, 0xDC00, 0xDFFF);
            platform::appendUtf8(joined, low ? 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD);
            i += low ? 6 : 3;
        } else if (surrogate(i, 0xDC00, 0xDFFF)) {
            platform::appendUtf8(joined, 0xFFFD);
            i += 3;
        } else {
            joined += text[i++];
        }
    }
    return joined;
}

// What a key or one <when> of its action types: the text, whether the key is dead and the text
// its terminator, and the state a dead key leads to.
struct Output {
    std::string text;
    bool dead = false;
    std::string_view state;
};

// What a <key> or an action types, given the layout's actions and terminators.
class OutputReader {
public:
    explicit OutputReader(const pugi::xml_node& keyboard)
    {
        for (const pugi::xml_node action : keyboard.child("actions").children("action"))
            actions_.emplace(action.attribute("id").value(), action);
        for (const pugi::xml_node when : keyboard.child("terminators").children("when"))
            terminators_.emplace(when.attribute("state").value(), when.attribute("output").value());
    }

    // The key's action, by id or inline; none for a key with an output of its own.
    pugi::xml_node actionOf(const pugi::xml_node& key) const
    {
        if (key.attribute("output"))
            return {};
        if (const pugi::xml_attribute id = key.attribute("action")) {
            const auto found = actions_.find(id.value());
            return found == actions_.end() ? pugi::xml_node() : found->second;
        }
        return key.child("action");
    }

    // What the key types in the state "none".
    Output outputOf(const pugi::xml_node& key) const
    {
        if (const pugi::xml_attribute output = key.attribute("output"))
            return {withSurrogatesJoined(output.value()), false, {}};
        return outputOfWhen(actionOf(key).find_child_by_attribute("when", "state", "none"));
    }

    // What an action's <when> types: its output, or the terminator of the state it leads to.
    Output outputOfWhen(const pugi::xml_node& when) const
    {
        if (const pugi::xml_attribute output = when.attribute("output"))
            return {withSurrogatesJoined(output.value()), false, {}};
        if (const pugi::xml_attribute next = when.attribute("next")) {
            const auto terminator = terminators_.find(next.value());
            return {terminator == terminators_.end() ? std::string() : withSurrogatesJoined(terminator->second), true,
                    next.value()};
        }
        return {};
    }

private:
    std::unordered_map<std::string_view, pugi::xml_node> actions_;
    std::unordered_map<std::string_view, std::string_view> terminators_;
};

pugi::xml_node keyMapWithIndex(const pugi::xml_node& keyMapSet, int index)
{
    for (const pugi::xml_node keyMap : keyMapSet.children("keyMap"))
        if (keyMap.attribute("index").as_int(-1) == index)
            return keyMap;
    return {};
}

// The <key> elements of a key map by code: those of its base map, then its own over them.
void collectKeys(const pugi::xml_node& keyboard, const pugi::xml_node& keyMapSet, int index,
                 std::vector<pugi::xml_node>& keys, int depth = 0)
{
    const pugi::xml_node keyMap = keyMapWithIndex(keyMapSet, index);
    if (const pugi::xml_attribute base = keyMap.attribute("baseMapSet"); base && depth < deepestBase)
        collectKeys(keyboard, keyboard.find_child_by_attribute("keyMapSet", "id", base.value()),
                    keyMap.attribute("baseIndex").as_int(-1), keys, depth + 1);
    for (const pugi::xml_node key : keyMap.children("key")) {
        const int code = key.attribute("code").as_int(-1);
        if (code < 0 || code > highestCode)
            continue;
        if (keys.size() <= std::size_t(code))
            keys.resize(std::size_t(code) + 1);
        keys[std::size_t(code)] = key;
    }
}

// What each key types after each dead key: the <when> of its action for the dead key's state.
void addCompositions(KeyboardModel& model, const std::vector<std::string_view>& deadStates,
                     const std::array<std::vector<pugi::xml_node>, allLayers.size()>& keys, std::size_t codes,
                     const OutputReader& reader)
{
    std::unordered_multimap<std::string_view, std::size_t> deadKeysByState;
    for (std::size_t dead = 0; dead < deadStates.size(); ++dead)
        deadKeysByState.emplace(deadStates[dead], dead);
    // Keys share actions, so each action's <when>s are read once: what it types after which dead key.
    std::unordered_map<std::size_t, std::vector<std::pair<std::size_t, Output>>> afterDeadKeys;
    const auto composedBy = [&](const pugi::xml_node& action) -> const std::vector<std::pair<std::size_t, Output>>& {
        const auto [found, added] = afterDeadKeys.try_emplace(action.hash_value());
        if (!added)
            return found->second;
        for (const pugi::xml_node when : action.children("when")) {
            const std::string_view state = when.attribute("state").value();
            auto [dead, end] = deadKeysByState.equal_range(state);
            if (state == "none" || dead == end)
                continue;
            const Output output = reader.outputOfWhen(when);
            for (; dead != end; ++dead)
                found->second.emplace_back(dead->second, output);
        }
        return found->second;
    };
    for (std::size_t code = 0; code < codes && !deadKeysByState.empty(); ++code)
        for (std::size_t layer = 0; layer < allLayers.size(); ++layer) {
            if (code >= keys[layer].size() || !keys[layer][code])
                continue;
            for (const auto& [dead, output] : composedBy(reader.actionOf(keys[layer][code]))) {
                std::vector<Composition>& compositions = model.deadKeys[dead].compositions;
                // Of two <when>s for one state the first counts.
                if (compositions.empty() || compositions.back().code != int(code)
                    || compositions.back().layer != Layer(layer))
                    compositions.push_back({int(code), Layer(layer), output.text, output.dead});
            }
        }
}

KeyboardModel modelOf(const KeyboardLayout& layout, const pugi::xml_node& keyboard)
{
    KeyboardModel model{layout.file, layout.name, {}, {}};
    const pugi::xml_node first = keyboard.child("layouts").child("layout");
    const pugi::xml_node modifierMap =
        keyboard.find_child_by_attribute("modifierMap", "id", first.attribute("modifiers").value());
    const pugi::xml_node keyMapSet =
        keyboard.find_child_by_attribute("keyMapSet", "id", first.attribute("mapSet").value());
    if (!first || !modifierMap || !keyMapSet)
        return model;

    std::array<std::vector<pugi::xml_node>, allLayers.size()> keys;
    std::size_t codes = 0;
    for (const Layer layer : allLayers) {
        auto& layerKeys = keys[std::size_t(layer)];
        collectKeys(keyboard, keyMapSet, mapIndex(modifierMap, modifiersDown(layer)), layerKeys);
        codes = std::max(codes, layerKeys.size());
    }
    const OutputReader reader(keyboard);
    std::vector<std::string_view> deadStates;
    for (std::size_t code = 0; code < codes; ++code) {
        KeyOutputs outputs{int(code), {}, {}};
        bool typesSomething = false;
        for (std::size_t layer = 0; layer < allLayers.size(); ++layer) {
            if (code >= keys[layer].size() || !keys[layer][code])
                continue;
            Output output = reader.outputOf(keys[layer][code]);
            outputs.text[layer] = std::move(output.text);
            outputs.dead[layer] = output.dead;
            typesSomething = typesSomething || outputs.dead[layer] || !outputs.text[layer].empty();
            if (output.dead) {
                model.deadKeys.push_back({int(code), Layer(layer), {}});
                deadStates.push_back(output.state);
            }
        }
        if (typesSomething)
            model.keys.push_back(std::move(outputs));
    }
    addCompositions(model, deadStates, keys, codes, reader);
    return model;
}

}  // namespace

std::string_view layerName(Layer layer)
{
    static constexpr std::string_view names[] = {"none", "shift", "option", "shift+option", "caps"};
    return names[std::size_t(layer)];
}

const KeyOutputs* KeyboardModel::key(int code) const
{
    const auto found =
        std::lower_bound(keys.begin(), keys.end(), code, [](const KeyOutputs& key, int c) { return key.code < c; });
    return found != keys.end() && found->code == code ? &*found : nullptr;
}

const DeadKey* KeyboardModel::deadKey(int code, Layer layer) const
{
    const auto found = std::lower_bound(deadKeys.begin(), deadKeys.end(), std::pair(code, layer),
                                        [](const DeadKey& key, const std::pair<int, Layer>& wanted) {
                                            return std::pair(key.code, key.layer) < wanted;
                                        });
    return found != deadKeys.end() && found->code == code && found->layer == layer ? &*found : nullptr;
}

ItemKeyboards readKeyboards(const std::filesystem::path& item)
{
    ItemKeyboards read{item, {}, {}};
    read.report = inspectLayoutItem(item, [&](const KeyboardLayout& layout, const pugi::xml_node& keyboard) {
        read.keyboards.push_back(modelOf(layout, keyboard));
    });
    if (!read.report.installable())
        read.keyboards.clear();
    return read;
}

std::string visibleText(std::string_view text)
{
    std::string visible;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1Control = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (c1Control)
            ++i;
        else if (byte >= 0x20 && byte != 0x7F)
            visible += text[i];
    }
    return visible;
}

}  // namespace installer
