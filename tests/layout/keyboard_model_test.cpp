#include "layout/keyboard_geometry.h"
#include "layout/keyboard_model.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
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

// A layout whose modifier map chooses among key maps 0 to 9 by `alternatives`, each map typing the
// letter of its index ("a" for 0) on key 0.
std::string selecting(const std::vector<std::pair<int, std::string>>& alternatives,
                      const std::string& defaultIndex = "9")
{
    std::string map =
        "<modifierMap id=\"m\"" + (defaultIndex.empty() ? "" : " defaultIndex=\"" + defaultIndex + "\"") + ">";
    for (const auto& [index, keys] : alternatives)
        map +=
            "<keyMapSelect mapIndex=\"" + std::to_string(index) + "\"><modifier keys=\"" + keys + "\"/></keyMapSelect>";
    map += "</modifierMap><keyMapSet id=\"s\">";
    for (int index = 0; index < 10; ++index)
        map += "<keyMap index=\"" + std::to_string(index) + "\"><key code=\"0\" output=\"" + char('a' + index)
            + "\"/></keyMap>";
    return layout(map + "</keyMapSet>");
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

// Each row a layout item and what its keyboards type, "|" and its keys a keyboard.
TEST(ReadKeyboards, FollowsTheModifierRulesMapsActionsAndDeadKeysOfTheLayout)
{
    const std::u16string utf16 =
        u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?><keyboard group=\"0\" id=\"1\" name=\"U\"><layouts>"
        u"<layout modifiers=\"m\" mapSet=\"s\"/></layouts><modifierMap id=\"m\"/><keyMapSet id=\"s\"><keyMap "
        u"index=\"0\"><key code=\"7\" output=\"\u00FC&#x1F600;\"/></keyMap></keyMapSet></keyboard>";
    const std::string key0 = "<keyMapSet id=\"s\"><keyMap index=\"0\">";
    const struct {
        const char* path;  // in the item the first name of the path
        std::string content;
        std::string keyboards;
    } rows[] = {
        // Layers none, shift, option, shift+option and caps: each word names its modifier.
        {"A.keylayout", selecting({{0, ""}, {1, "anyShift"}, {2, "anyOption"}, {3, "anyShift anyOption"}, {4, "caps"}}),
         "|0:a,b,c,d,e"},
        // "?" lets a modifier be up or down; what no select holds goes by defaultIndex.
        {"A.keylayout", selecting({{0, "shift? caps?"}}), "|0:a,a,j,j,a"},
        // The left Shift is "shift" and "anyShift", never "rightShift"; a modifier no word names fails.
        {"A.keylayout",
         selecting({{1, "rightShift"}, {2, "shift"}, {3, "anyShift"}, {4, "option"}, {5, "anyOption? anyShift"}}),
         "|0:j,c,e,f,j"},
        // The first select that holds wins; a word the format lacks cannot be down, nor named.
        {"A.keylayout", selecting({{1, "caps fnord"}, {2, "caps fnord?"}, {3, "caps"}, {4, "command? control?"}}),
         "|0:e,j,j,j,c"},
        // No defaultIndex is index 0; a select naming a missing map types nothing.
        {"A.keylayout", selecting({{12, "anyShift"}}, ""), "|0:a,,a,a,a"},
        // A map starts from its base map, its own keys over it; a loop of bases ends.
        {"A.keylayout",
         layout(plainModifiers
                + "<keyMapSet id=\"s\"><keyMap index=\"0\" baseMapSet=\"b\" baseIndex=\"1\"><key code=\"1\" "
                  "output=\"x\"/></keyMap><keyMap index=\"1\" baseMapSet=\"s\" baseIndex=\"1\"><key code=\"2\" "
                  "output=\"y\"/></keyMap></keyMapSet><keyMapSet id=\"b\"><keyMap index=\"1\"><key code=\"0\" "
                  "output=\"p\"/><key code=\"1\" output=\"q\"/></keyMap></keyMapSet>"),
         "|0:p,,,, 1:x,,,, 2:,y,,,"},
        // Actions by id and inline; a dead key shows its terminator, or nothing without one.
        {"A.keylayout",
         layout(plainModifiers + key0
                + "<key code=\"0\" action=\"a\"/><key code=\"1\"><action><when state=\"s1\" output=\"z\"/><when "
                  "state=\"none\" output=\"i\"/></action></key><key code=\"2\" action=\"d\"/><key code=\"3\" "
                  "action=\"bare\"/><key code=\"4\" action=\"gone\"/><key code=\"5\" output=\"\"/></keyMap>"
                  "<keyMap index=\"1\"><key code=\"0\" action=\"bare\"/><key code=\"2\" action=\"a\"/></keyMap>"
                  "</keyMapSet><actions><action id=\"a\"><when state=\"d1\" output=\"á\"/><when state=\"none\" "
                  "output=\"a\"/></action><action id=\"d\"><when state=\"none\" next=\"d1\"/></action><action "
                  "id=\"bare\"><when state=\"none\" next=\"nowhere\"/></action></actions><terminators><when "
                  "state=\"d1\" output=\"&#x00B4;\"/></terminators>"),
         "|0:a,*,,, 1:i,,,, 2:´*,a,,, 3:*,,,,"},
        // References anywhere in Unicode, as one or as a surrogate pair; a lone half is no character.
        {"A.keylayout",
         layout(plainModifiers + key0
                + "<key code=\"0\" output=\"&#x1F600;&#13;\"/><key code=\"1\" output=\"&#xD83D;&#xDE00;\"/><key "
                  "code=\"2\" output=\"&#xDE00;&#xD83D;x\"/><key code=\"3\" output=\"&amp;&#8;\"/></keyMap>"
                  "</keyMapSet>"),
         "|0:😀\r,,,, 1:😀,,,, 2:\uFFFD\uFFFDx,,,, 3:&\b,,,,"},
        // Only the first <layout> counts.
        {"A.keylayout",
         std::regex_replace(selecting({}), std::regex("<layout "), "<layout modifiers=\"m\" mapSet=\"t\"/>$&"), "|"},
        {"U.keylayout", std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2),
         "|7:ü😀,ü😀,ü😀,ü😀,ü😀"},
        // An item refused, or a bundle whose layouts all fail to load, has no keyboards.
        {"B.bundle/Contents/Resources/C.keylayout", "", ""},
        {"W.keylayout", "<!DOCTYPE html><html>" + selecting({}), ""},
    };
    for (const auto& row : rows) {
        const TemporaryFolder folder;
        writeFile(folder / row.path, row.content);
        const installer::ItemKeyboards read = installer::readKeyboards(folder / *fs::path(row.path).begin());
        std::string keyboards;
        for (const installer::KeyboardModel& keyboard : read.keyboards)
            keyboards += "|" + described(keyboard);
        EXPECT_EQ(keyboards, row.keyboards) << row.content;
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
        std::string drawn;  // where keys 10, 50, 36 and 42 lie, and every legend after its key
    } rows[] = {
        {installer::KeyboardShape::ansi, " 50@0,0 0` 1~ 3´* 42@13.5,1 36@12.75,2"},
        {installer::KeyboardShape::iso, " 10@0,0 0§ 1± 36@13.5,1 42@12.75,2 50@1.25,3 0` 1~ 3´*"},
    };
    for (const auto& row : rows) {
        const installer::KeyboardPicture picture = installer::keyboardPicture(model, row.shape);
        std::ostringstream drawn;
        for (const installer::PictureKey& key : picture.keys) {
            if (const int code = key.cap.code; code == 10 || code == 50 || code == 36 || code == 42)
                drawn << " " << code << "@" << key.cap.box.x << "," << key.cap.box.y;
            for (const installer::Legend& legend : key.legends)
                drawn << " " << int(legend.corner) << legend.text << (legend.dead ? "*" : "");
        }
        EXPECT_EQ(drawn.str(), row.drawn);
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
    }
}
