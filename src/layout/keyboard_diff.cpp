#include "layout/keyboard_diff.h"

#include "layout/file_names.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace installer {
namespace {

Typed typed(const KeyOutputs* key, Layer layer)
{
    return key ? Typed{(*key)[layer], key->isDead(layer)} : Typed{};
}

// What the key types after the dead key: its composition, else the terminator and then what the
// key types alone.
Typed typedAfter(const KeyboardModel& model, const Typed& deadKey, const Composition* composition, Keystroke key)
{
    if (composition)
        return {composition->text, composition->dead};
    const Typed alone = typed(model.key(key.code), key.layer);
    return {deadKey.text + alone.text, alone.dead};
}

void compareCompositions(const KeyboardModel& before, const KeyboardModel& after, Keystroke deadKey,
                         const Typed& beforeTerminator, const Typed& afterTerminator, LayoutDiff& diff)
{
    static const std::vector<Composition> none;
    const DeadKey* beforeDead = before.deadKey(deadKey.code, deadKey.layer);
    const DeadKey* afterDead = after.deadKey(deadKey.code, deadKey.layer);
    const std::vector<Composition>& was = beforeDead ? beforeDead->compositions : none;
    const std::vector<Composition>& now = afterDead ? afterDead->compositions : none;
    const auto place = [](const Composition& c) { return std::pair(c.code, c.layer); };
    for (auto b = was.begin(), a = now.begin(); b != was.end() || a != now.end();) {
        const bool fromBefore = a == now.end() || (b != was.end() && place(*b) <= place(*a));
        const bool fromAfter = b == was.end() || (a != now.end() && place(*a) <= place(*b));
        const Keystroke key = fromBefore ? Keystroke{b->code, b->layer} : Keystroke{a->code, a->layer};
        const Typed old = typedAfter(before, beforeTerminator, fromBefore ? &*b : nullptr, key);
        const Typed current = typedAfter(after, afterTerminator, fromAfter ? &*a : nullptr, key);
        if (old != current)
            diff.compositions.push_back({deadKey, key, old, current});
        b += fromBefore, a += fromAfter;
    }
}

const std::pair<int, std::string_view> namedKeys[] = {{36, "Return"},
                                                      {48, "Tab"},
                                                      {49, "Space"},
                                                      {51, "Delete"},
                                                      {53, "Escape"},
                                                      {71, "Clear"},
                                                      {76, "Enter"},
                                                      {96, "F5"},
                                                      {97, "F6"},
                                                      {98, "F7"},
                                                      {99, "F3"},
                                                      {100, "F8"},
                                                      {101, "F9"},
                                                      {103, "F11"},
                                                      {109, "F10"},
                                                      {111, "F12"},
                                                      {115, "Home"},
                                                      {116, "Page Up"},
                                                      {117, "Forward Delete"},
                                                      {118, "F4"},
                                                      {119, "End"},
                                                      {120, "F2"},
                                                      {121, "Page Down"},
                                                      {122, "F1"},
                                                      {123, "Left Arrow"},
                                                      {124, "Right Arrow"},
                                                      {125, "Down Arrow"},
                                                      {126, "Up Arrow"}};

bool onKeypad(int code)
{
    return code == 65 || code == 67 || code == 69 || code == 75 || code == 78 || (code >= 81 && code <= 92);
}

// What a key is labelled: its name where it types no character, else what it types with Caps Lock,
// as printed keycaps show letters in capitals, or without it.
std::string keyLabel(int code, const KeyOutputs* key)
{
    for (const auto& [named, name] : namedKeys)
        if (named == code)
            return std::string(name);
    const auto readable = [](const std::string& text) {
        return !text.empty() && visibleText(text) == text && text.find(' ') == std::string::npos;
    };
    std::string label = "key " + std::to_string(code);
    if (key && readable((*key)[Layer::caps]))
        label = (*key)[Layer::caps];
    else if (key && readable((*key)[Layer::none]))
        label = (*key)[Layer::none];
    return onKeypad(code) ? "Keypad " + label : label;
}

void labelKey(const KeyboardModel& before, const KeyboardModel& after, int code, LayoutDiff& diff)
{
    if (!diff.keyLabels.count(code))
        diff.keyLabels.emplace(code, keyLabel(code, before.key(code) ? before.key(code) : after.key(code)));
}

LayoutDiff oneSided(const KeyboardModel& keyboard, bool added)
{
    LayoutDiff diff{keyboard.name, {}, {}, {}, {}, {}};
    (added ? diff.afterFile : diff.beforeFile) = keyboard.file;
    return diff;
}

std::string modifierWords(Layer layer)
{
    switch (layer) {
    case Layer::none: return "";
    case Layer::shift: return "Shift+";
    case Layer::option: return "Option+";
    case Layer::shiftOption: return "Shift+Option+";
    case Layer::caps: return "Caps Lock+";
    }
    return "";
}

std::string keystrokeWords(const LayoutDiff& diff, Keystroke key)
{
    const auto label = diff.keyLabels.find(key.code);
    return modifierWords(key.layer)
        + (label == diff.keyLabels.end() ? "key " + std::to_string(key.code) : label->second);
}

// The text as it reads, with what cannot be seen, such as a space or a control character, by its
// code point.
std::string typedWords(const Typed& typed)
{
    std::string words = typed.text;
    if (typed.text.empty()) {
        words = typed.dead ? "a dead key" : "nothing";
    } else if (visibleText(typed.text) != typed.text || typed.text.find_first_not_of(' ') == std::string::npos) {
        words.clear();
        for (std::size_t i = 0; i < typed.text.size();) {
            const auto lead = static_cast<unsigned char>(typed.text[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            char32_t c = length == 1 ? lead : lead & (0x7F >> length);
            for (std::size_t k = 1; k < length && i + k < typed.text.size(); ++k)
                c = c << 6 | (static_cast<unsigned char>(typed.text[i + k]) & 0x3F);
            char point[16];
            std::snprintf(point, sizeof point, "U+%04X", unsigned(c));
            words.append(words.empty() ? "" : " ").append(point);
            i += length;
        }
    }
    return typed.dead && !typed.text.empty() ? words + " (dead)" : words;
}

}  // namespace

std::size_t LayoutDiff::changeCount() const
{
    return added() || removed() ? 1 : keys.size() + compositions.size();
}

LayoutDiff diffKeyboards(const KeyboardModel& before, const KeyboardModel& after)
{
    LayoutDiff diff{after.name, before.file, after.file, {}, {}, {}};
    for (auto b = before.keys.begin(), a = after.keys.begin(); b != before.keys.end() || a != after.keys.end();) {
        const bool fromBefore = a == after.keys.end() || (b != before.keys.end() && b->code <= a->code);
        const bool fromAfter = b == before.keys.end() || (a != after.keys.end() && a->code <= b->code);
        const int code = fromBefore ? b->code : a->code;
        for (const Layer layer : allLayers) {
            const Typed old = typed(fromBefore ? &*b : nullptr, layer),
                        current = typed(fromAfter ? &*a : nullptr, layer);
            if (old != current)
                diff.keys.push_back({{code, layer}, old, current});
            else if (old.dead)
                compareCompositions(before, after, {code, layer}, old, current, diff);
        }
        b += fromBefore, a += fromAfter;
    }
    for (const KeyChange& change : diff.keys)
        labelKey(before, after, change.key.code, diff);
    for (const CompositionChange& change : diff.compositions)
        labelKey(before, after, change.deadKey.code, diff), labelKey(before, after, change.key.code, diff);
    return diff;
}

std::vector<LayoutDiff> diffItems(const ItemKeyboards& before, const ItemKeyboards& after)
{
    const std::vector<KeyboardModel>&was = before.keyboards, &now = after.keyboards;
    std::vector<std::optional<std::size_t>> partner(was.size());
    std::vector<bool> taken(now.size());
    const auto pair = [&](auto sameLayout) {
        for (std::size_t b = 0; b < was.size(); ++b)
            for (std::size_t a = 0; a < now.size() && !partner[b]; ++a)
                if (!taken[a] && sameLayout(was[b], now[a]))
                    partner[b] = a, taken[a] = true;
    };
    if (hasExtension(before.item, ".keylayout") && hasExtension(after.item, ".keylayout"))
        pair([](const KeyboardModel&, const KeyboardModel&) { return true; });
    pair([](const KeyboardModel& b, const KeyboardModel& a) { return b.name == a.name; });
    pair([](const KeyboardModel& b, const KeyboardModel& a) { return b.file == a.file; });

    std::vector<LayoutDiff> diffs;
    for (std::size_t b = 0; b < was.size(); ++b)
        diffs.push_back(partner[b] ? diffKeyboards(was[b], now[*partner[b]]) : oneSided(was[b], false));
    for (std::size_t a = 0; a < now.size(); ++a)
        if (!taken[a])
            diffs.push_back(oneSided(now[a], true));
    return diffs;
}

std::size_t changeCount(const std::vector<LayoutDiff>& diffs)
{
    std::size_t count = 0;
    for (const LayoutDiff& diff : diffs)
        count += diff.changeCount();
    return count;
}

std::vector<std::string> describedChanges(const LayoutDiff& diff, std::size_t most)
{
    std::vector<std::string> lines;
    for (const KeyChange& change : diff.keys) {
        if (lines.size() == most)
            return lines;
        lines.push_back(keystrokeWords(diff, change.key) + ": " + typedWords(change.before) + " → "
                        + typedWords(change.after));
    }
    for (const CompositionChange& change : diff.compositions) {
        if (lines.size() == most)
            return lines;
        // A key typed alone after a dead key reads as what it types: "then e".
        const std::string then = keystrokeWords(diff, change.key);
        lines.push_back(keystrokeWords(diff, change.deadKey) + ", then "
                        + (change.key.layer == Layer::none ? lowered(then) : then) + ": " + typedWords(change.before)
                        + " → " + typedWords(change.after));
    }
    return lines;
}

}  // namespace installer
