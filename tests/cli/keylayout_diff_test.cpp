#include "platform/process.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <vector>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

// Key maps 0 to 4 are used with no modifier, Shift, Option, both, and Caps Lock. Option+E is dead,
// then E types é; Caps Lock types capitals.
std::string layout(const std::string& name, const Entries& changes = {})
{
    std::string text = "<keyboard group=\"0\" id=\"1\" name=\"" + name
        + "\"><layouts><layout modifiers=\"m\" mapSet=\"s\"/></layouts><modifierMap id=\"m\" defaultIndex=\"0\">"
          "<keyMapSelect mapIndex=\"1\"><modifier keys=\"anyShift\"/></keyMapSelect><keyMapSelect mapIndex=\"2\">"
          "<modifier keys=\"anyOption\"/></keyMapSelect><keyMapSelect mapIndex=\"3\"><modifier keys=\"anyShift "
          "anyOption\"/></keyMapSelect><keyMapSelect mapIndex=\"4\"><modifier keys=\"caps\"/></keyMapSelect>"
          "</modifierMap><keyMapSet id=\"s\"><keyMap index=\"0\"><key code=\"0\" output=\"a\"/><key code=\"14\" "
          "action=\"e\"/></keyMap><keyMap index=\"1\"><key code=\"0\" output=\"A\"/><key code=\"14\" output=\"E\"/>"
          "</keyMap><keyMap index=\"2\"><key code=\"14\" action=\"acute\"/></keyMap><keyMap index=\"4\"><key "
          "code=\"0\" output=\"A\"/><key code=\"14\" output=\"E\"/></keyMap></keyMapSet><actions><action id=\"e\">"
          "<when state=\"none\" output=\"e\"/><when state=\"s1\" output=\"é\"/></action><action id=\"acute\"><when "
          "state=\"none\" next=\"s1\"/></action></actions><terminators><when state=\"s1\" output=\"´\"/></terminators>"
          "</keyboard>";
    for (const auto& [from, to] : changes)
        text = std::regex_replace(text, std::regex(from), to);
    return text;
}

const std::string resources = "B.bundle/Contents/Resources/";
const Entries::value_type plist = {
    "B.bundle/Contents/Info.plist",
    "<plist><dict><key>CFBundleIdentifier</key><string>a.keyboardlayout.b</string></dict></plist>"};

}  // namespace

// keylayout diff run on two versions written to folders of their own: one row a pair, with what
// the run prints and how it exits.
TEST(KeylayoutDiff, ListsWhatEachKeyTypesDifferentlyAndExitsAsDiffDoes)
{
    const Entries v1 = {{"v1.keylayout", layout("L")}};
    const auto v2 = [](const Entries& changes) { return Entries{{"v2.keylayout", layout("L2", changes)}}; };
    const struct {
        const char* name;
        Entries before, after = {};
        std::string out = {};
        int status = 1;
        std::vector<std::string> arguments = {"old/v1.keylayout", "new/v2.keylayout"};  // in the folder
        std::string error = {};
    } rows[] = {
        {.name = "the same under another name and another dead-key state's",
         .before = v1,
         .after = v2({{"\"s1\"", "\"acute\""}}),
         .out = "No changes: both type the same.\n",
         .status = 0},
        {.name = "a key added, a key removed and a dead key that becomes a plain key",
         .before = v1,
         .after = v2({{"<key code=\"0\" [^>]*>", ""},
                      {"action=\"e\"/>", "$&<key code=\"49\" output=\" \"/>"},
                      {"action=\"acute\"", "output=\"é\""}}),
         .out = "\"L2\" (v1.keylayout → v2.keylayout):\n  A: a → nothing\n  Shift+A: A → nothing\n"
                "  Caps Lock+A: A → nothing\n  Option+E: ´ (dead) → é\n  Space: nothing → U+0020\n5 changes.\n"},
        {.name = "only Caps Lock changes",
         .before = v1,
         .after = v2({{"(index=\"4\"><key code=\"0\" output=\")A", "$1a"}}),
         .out = "\"L2\" (v1.keylayout → v2.keylayout):\n  Caps Lock+A: A → a\n1 change.\n"},
        {.name = "a changed and a lost composition",
         .before = {{"v1.keylayout",
                     layout("L",
                            {{"code=\"0\" output=\"a\"", "code=\"0\" action=\"a\""},
                             {"</actions>",
                              "<action id=\"a\"><when state=\"none\" output=\"a\"/><when state=\"s1\" "
                              "output=\"á\"/></action></actions>"}})}},
         .after = v2({{"é", "ė"}}),
         .out = "\"L2\" (v1.keylayout → v2.keylayout):\n  Option+E, then a: á → ´a\n  Option+E, then e: é → ė\n"
                "2 changes.\n"},
        // Layouts pair by name across a new file name, then by file name across a new name.
        {.name = "bundles with added and removed layouts",
         .before = {plist,
                    {resources + "A.keylayout", layout("A")},
                    {resources + "B.keylayout", layout("B", {{" id=\"1\"", " id=\"2\""}})},
                    {resources + "X.keylayout", layout("Old", {{" id=\"1\"", " id=\"3\""}})}},
         .after = {plist,
                   {resources + "A2.keylayout", layout("A")},
                   {resources + "C.keylayout", layout("C", {{" id=\"1\"", " id=\"2\""}})},
                   {resources + "X.keylayout",
                    layout("New", {{" id=\"1\"", " id=\"3\""}, {"output=\"a\"", "output=\"b\""}})}},
         .out = "Removed \"B\" (B.keylayout).\n\"New\" (X.keylayout):\n  A: a → b\nAdded \"C\" (C.keylayout).\n3 "
                "changes.\n",
         .arguments = {"old/B.bundle", "new/B.bundle"}},
        {.name = "JSON",
         .before = v1,
         .after = v2({{"é", "ė"}, {"output=\"a\"", "output=\"\""}}),
         .out = "[{\"changes\": [{\"code\": 0,\"deadAfter\": false,\"deadBefore\": false,\"layer\": \"none\","
                "\"new\": \"\",\"old\": \"a\"}],\"compositions\": [{\"after\": {\"code\": 14,\"layer\": \"option\"},"
                "\"code\": 14,\"deadAfter\": false,\"deadBefore\": false,\"layer\": \"none\",\"new\": \"ė\",\"old\": "
                "\"é\"}],\"name\": \"L2\",\"new\": \"v2.keylayout\",\"old\": \"v1.keylayout\"}]",
         .arguments = {"--json", "old/v1.keylayout", "new/v2.keylayout"}},
        {.name = "an unreadable item",
         .before = v1,
         .after = {{"v2.keylayout", "<!DOCTYPE html><html>"}},
         .status = 2,
         .error = "Refused: \"v2.keylayout\" is not a keyboard layout: it is a web page. Download the raw file "
                  "instead.\n\"v2.keylayout\" cannot be compared.\n"},
        {.name = "one item",
         .before = v1,
         .status = 2,
         .arguments = {"old/v1.keylayout"},
         .error = "keylayout: diff takes two items, OLD and NEW. Run \"keylayout --help\" for the commands.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TemporaryFolder folder;
        plant(folder / "old", row.before);
        plant(folder / "new", row.after);
        std::vector<std::string> arguments = {"diff"};
        for (const std::string& argument : row.arguments)
            arguments.push_back(argument.starts_with("--") ? argument : (folder / argument).string());
        const platform::ProcessResult result = platform::runToEnd(KEYLAYOUT, arguments);
        EXPECT_EQ(result.terminationStatus, row.status);
        EXPECT_EQ(row.arguments[0] == "--json" ? std::regex_replace(result.standardOutput, std::regex("\n *"), "")
                                               : result.standardOutput,
                  row.out);
        EXPECT_EQ(result.standardError, row.error);
    }
}
