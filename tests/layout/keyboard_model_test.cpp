#include "layout/keyboard_geometry.h"
#include "layout/keyboard_model.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

// A layout drawn from modifier map "m" and key map set "s", which `body` defines.
std::string layout(const std::string& body, const std::string& name = "L")
{
    return "<?xml version=\"1.1\"?><keyboard group=\"0\" id=\"1\" name=\"" + name
        + "\"><layouts><layout first=\"0\" last=\"0\" modifiers=\"m\" mapSet=\"s\"/></layouts>" + body + "</keyboard>";
}

// A modifier map choosing map 0 with no modifier and map 1 with either Shift, the rest by default.
const std::string plainModifiers =
    "<modifierMap id=\"m\" defaultIndex=\"9\"><keyMapSelect mapIndex=\"0\"><modifier keys=\"\"/></keyMapSelect>"
    "<keyMapSelect mapIndex=\"1\"><modifier keys=\"anyShift\"/></keyMapSelect></modifierMap>";

// One key map per index, each typing the letter of its index ("a" for 0) on key 0.
std::string mapsByIndex(std::initializer_list<int> indexes)
{
    std::string maps = "<keyMapSet id=\"s\">";
    for (int index : indexes)
        maps += "<keyMap index=\"" + std::to_string(index) + "\"><key code=\"0\" output=\"" + char('a' + index)
            + "\"/></keyMap>";
    return maps + "</keyMapSet>";
}

std::string selects(const std::vector<std::pair<int, std::string>>& alternatives, const std::string& defaultIndex = "9")
{
    std::string map =
        "<modifierMap id=\"m\"" + (defaultIndex.empty() ? "" : " defaultIndex=\"" + defaultIndex + "\"") + ">";
    for (const auto& [index, keys] : alternatives)
        map +=
            "<keyMapSelect mapIndex=\"" + std::to_string(index) + "\"><modifier keys=\"" + keys + "\"/></keyMapSelect>";
    return map + "</modifierMap>";
}

// "code:none,shift,option,shift+option,caps" a key, "*" after a dead layer, keys apart by " ".
std::string described(const installer::KeyboardModel& model)
{
    std::string text;
    for (const installer::KeyOutputs& key : model.keys) {
        text.append(text.empty() ? "" : " ").append(std::to_string(key.code)).append(":");
        for (const installer::Layer layer : installer::allLayers)
            text += (layer == installer::Layer::none ? "" : ",") + key[layer] + (key.isDead(layer) ? "*" : "");
    }
    return text;
}

}  // namespace

// Each row a layout item and what its keyboards type, one "file name: keys" line a keyboard.
TEST(ReadKeyboards, FollowsTheModifierRulesMapsActionsAndDeadKeysOfTheLayout)
{
    const std::string all = mapsByIndex({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::u16string utf16 =
        u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?><keyboard group=\"0\" id=\"1\" name=\"U\"><layouts>"
        u"<layout modifiers=\"m\" mapSet=\"s\"/></layouts><modifierMap id=\"m\"/><keyMapSet id=\"s\"><keyMap "
        u"index=\"0\">"
        u"<key code=\"7\" output=\"\u00FC&#x1F600;\"/></keyMap></keyMapSet></keyboard>";
    const std::string key0 = "<keyMapSet id=\"s\"><keyMap index=\"0\">";
    const struct {
        const char* item;
        std::map<std::string, std::string> files;  // path inside the item ("" for itself), content
        std::string keyboards;
    } rows[] = {
        // Layers none, shift, option, shift+option and caps: each word names its modifier.
        {"A.keylayout",
         {{"",
           layout(selects({{0, ""}, {1, "anyShift"}, {2, "anyOption"}, {3, "anyShift anyOption"}, {4, "caps"}})
                  + all)}},
         "A.keylayout: 0:a,b,c,d,e"},
        // "?" lets a modifier be up or down; what no select holds goes by defaultIndex.
        {"A.keylayout", {{"", layout(selects({{0, "shift? caps?"}}) + all)}}, "A.keylayout: 0:a,a,j,j,a"},
        // The left Shift is "shift" and "anyShift", never "rightShift"; a modifier no word names fails.
        {"A.keylayout",
         {{"",
           layout(selects({{1, "rightShift"}, {2, "shift"}, {3, "anyShift"}, {4, "option"}, {5, "anyOption? anyShift"}})
                  + all)}},
         "A.keylayout: 0:j,c,e,f,j"},
        // The first select that holds wins; a word the format lacks cannot be down, nor named.
        {"A.keylayout",
         {{"", layout(selects({{1, "caps fnord"}, {2, "caps fnord?"}, {3, "caps"}, {4, "command? control?"}}) + all)}},
         "A.keylayout: 0:e,j,j,j,c"},
        // No defaultIndex is index 0; a select naming a missing map types nothing.
        {"A.keylayout", {{"", layout(selects({{7, "anyShift"}}, "") + mapsByIndex({0}))}}, "A.keylayout: 0:a,,a,a,a"},
        // A map starts from its base map, its own keys over it; a loop of bases ends.
        {"A.keylayout",
         {{"",
           layout(plainModifiers
                  + "<keyMapSet id=\"s\"><keyMap index=\"0\" baseMapSet=\"b\" baseIndex=\"1\"><key code=\"1\" "
                    "output=\"x\"/>"
                    "</keyMap><keyMap index=\"1\" baseMapSet=\"s\" baseIndex=\"1\"><key code=\"2\" "
                    "output=\"y\"/></keyMap></keyMapSet>"
                    "<keyMapSet id=\"b\"><keyMap index=\"1\"><key code=\"0\" output=\"p\"/><key code=\"1\" "
                    "output=\"q\"/></keyMap></keyMapSet>")}},
         "A.keylayout: 0:p,,,, 1:x,,,, 2:,y,,,"},
        // Actions by id and inline; a dead key shows its terminator, or nothing without one.
        {"A.keylayout",
         {{"",
           layout(plainModifiers + key0
                  + "<key code=\"0\" action=\"a\"/><key code=\"1\"><action><when state=\"s1\" output=\"z\"/>"
                    "<when state=\"none\" output=\"i\"/></action></key><key code=\"2\" action=\"d\"/><key code=\"3\" "
                    "action=\"bare\"/>"
                    "<key code=\"4\" action=\"gone\"/><key code=\"5\" output=\"\"/></keyMap><keyMap index=\"1\"><key "
                    "code=\"0\" action=\"bare\"/>"
                    "<key code=\"2\" action=\"a\"/></keyMap></keyMapSet><actions><action id=\"a\"><when state=\"d1\" "
                    "output=\"á\"/>"
                    "<when state=\"none\" output=\"a\"/></action><action id=\"d\"><when state=\"none\" "
                    "next=\"d1\"/></action>"
                    "<action id=\"bare\"><when state=\"none\" next=\"nowhere\"/></action></actions><terminators>"
                    "<when state=\"d1\" output=\"&#x00B4;\"/></terminators>")}},
         "A.keylayout: 0:a,*,,, 1:i,,,, 2:´*,a,,, 3:*,,,,"},
        // References anywhere in Unicode, as one or as a surrogate pair; a lone half is no character.
        {"A.keylayout",
         {{"",
           layout(plainModifiers + key0
                  + "<key code=\"0\" output=\"&#x1F600;&#13;\"/><key code=\"1\" output=\"&#xD83D;&#xDE00;\"/>"
                    "<key code=\"2\" output=\"&#xDE00;&#xD83D;x\"/><key code=\"3\" "
                    "output=\"&amp;&#8;\"/></keyMap></keyMapSet>")}},
         "A.keylayout: 0:😀\r,,,, 1:😀,,,, 2:\uFFFD\uFFFDx,,,, 3:&\b,,,,"},
        // Only the first <layout> counts.
        {"A.keylayout",
         {{"",
           "<keyboard group=\"0\" id=\"1\" name=\"L\"><layouts><layout modifiers=\"m\" mapSet=\"t\"/><layout "
           "modifiers=\"m\" mapSet=\"s\"/>"
           "</layouts>"
               + plainModifiers + mapsByIndex({0}) + "</keyboard>"}},
         "A.keylayout: "},
        {"U.keylayout",
         {{"", std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2)}},
         "U.keylayout: 7:ü😀,ü😀,ü😀,ü😀,ü😀"},
        // A bundle's layouts by file name, those that cannot load left out; a refused item has none.
        {"B.bundle",
         {{"Contents/Resources/Z.keylayout", layout(plainModifiers + mapsByIndex({1}))},
          {"Contents/Resources/C.keylayout", ""},
          {"Contents/Resources/A.keylayout", layout(plainModifiers + mapsByIndex({0}))}},
         "A.keylayout: 0:a,,,,\nZ.keylayout: 0:,b,,,"},
        {"B.bundle", {{"Contents/Resources/C.keylayout", ""}}, ""},
        {"W.keylayout", {{"", "<!DOCTYPE html><html>" + layout(plainModifiers + mapsByIndex({0}))}}, ""},
    };
    for (const auto& row : rows) {
        const TemporaryFolder folder;
        for (const auto& [inside, content] : row.files)
            writeFile(inside.empty() ? folder / row.item : folder / row.item / inside, content);
        const installer::ItemKeyboards read = installer::readKeyboards(folder / row.item);
        std::string keyboards;
        for (const installer::KeyboardModel& keyboard : read.keyboards)
            keyboards.append(keyboards.empty() ? "" : "\n").append(keyboard.file + ": " + described(keyboard));
        EXPECT_EQ(keyboards, row.keyboards) << row.files.begin()->second;
        EXPECT_EQ(read.report.installable(), !row.keyboards.empty());
    }
}

// The keys of each shape fill rows of one width without overlapping; on ISO boards the key left
// of 1 reports code 10 and the extra key right of the left Shift code 50.
TEST(KeyboardGeometry, LaysOutAnsiAndIsoBoardsWithTheIsoCodesSwapped)
{
    installer::KeyboardModel model{
        "A.keylayout",
        "A",
        {{10, {"§", "±", "", "", ""}, {}}, {50, {"`", "~", "", "´", ""}, {false, false, false, true, false}}},
        {}};
    const struct {
        installer::KeyboardShape shape;
        std::string codeAt;
    } rows[] = {
        {installer::KeyboardShape::ansi, "50@0,0 36@12.75,2 42@13.5,1"},
        {installer::KeyboardShape::iso, "10@0,0 50@1.25,3 36@13.5,1 42@12.75,2"},
    };
    for (const auto& row : rows) {
        const installer::KeyboardPicture picture = installer::keyboardPicture(model, row.shape);
        std::map<int, std::string> places;
        for (const installer::PictureKey& key : picture.keys) {
            std::ostringstream place;
            place << key.cap.code << "@" << key.cap.box.x << "," << key.cap.box.y;
            places[key.cap.code] = place.str();
            EXPECT_EQ(key.legends.empty(), key.cap.code != 10 && key.cap.code != 50);
        }
        // Every edge lies on a quarter unit, so the middles of a quarter-unit grid find any gap or overlap.
        for (double y = 0.125; y < picture.geometry->height; y += 0.25)
            for (double x = 0.125; x < picture.geometry->width; x += 0.25) {
                std::string under;
                for (const installer::PictureKey& key : picture.keys) {
                    const installer::Box& b = key.cap.box;
                    const bool inStep = y > b.y + b.height / 2 && x < b.x + key.cap.step;
                    if (x > b.x && x < b.x + b.width && y > b.y && y < b.y + b.height && !inStep)
                        under += std::to_string(key.cap.code) + " ";
                }
                EXPECT_EQ(std::count(under.begin(), under.end(), ' '), 1) << x << "," << y << ": " << under;
            }
        std::string codeAt;
        for (const char* code : {"10", "50", "36", "42"})
            if (places.count(std::stoi(code)))
                codeAt += (codeAt.empty() ? "" : " ") + places[std::stoi(code)];
        EXPECT_EQ(codeAt, row.codeAt);
    }
    // The grave key's legends at their corners; a dead one marked and shown by its terminator.
    std::string legends;
    for (const installer::PictureKey& key : installer::keyboardPicture(model, installer::KeyboardShape::ansi).keys)
        for (const installer::Legend& legend : key.legends)
            legends += std::to_string(int(legend.corner)) + legend.text + (legend.dead ? "*" : "") + " ";
    EXPECT_EQ(legends, "0` 1~ 3´* ");
}
