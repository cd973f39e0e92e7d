#include "platform/process.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

// The names in the folder, in order, hidden ones included.
std::string names(const fs::path& folder)
{
    std::set<std::string> found;
    std::error_code error;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); it.increment(error))
        found.insert(it->path().filename().string());
    std::string joined;
    for (const std::string& name : found)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

}  // namespace

// The built keylayout, run as a child under a home, data folder and all-users folder of the test's
// own, with stand-ins for osascript, the shell and killall: one row a run, each from the folders and
// login window it names.
TEST(Keylayout, EachRunEndsInItsExitStatusOutputAndFolders)
{
    TemporaryFolder folder;
    StandInSystem stands(folder / "root");
    const fs::path user = folder / "home/Library/Keyboard Layouts", root = folder / "root",
                   system = root / "System Layouts";
    const ScopedEnvironment home("HOME", (folder / "home").string()), data("XDG_DATA_HOME", (folder / "data").string()),
        tmp("TMPDIR", (folder / "tmp").string());
    fs::create_directories(folder / "tmp");
    const fs::path loginSources = root / "Preferences/com.apple.HIToolbox.plist";
    for (const auto& [path, content] : std::map<std::string, std::string>{
             {"src/Good.keylayout", validLayout("Good", 1)},
             {"src/Other.keylayout", validLayout("Other", 2)},
             {"src/Web.keylayout", "<!DOCTYPE html><html>"},
             {"src/Clash.keylayout", validLayout("Clash", 7)},
             {"new/Other.keylayout", validLayout("Other", 2, "ab")},
             {"src/Renamed.keylayout", validLayout("Clash", 11)},
             {"src/Both.keylayout", validLayout("Other", 11)},
             {"src/B.bundle/Contents/Resources/B.keylayout", validLayout("Bee", 4)},
             {"src/B.bundle/Contents/Info.plist",
              "<plist><dict><key>CFBundleIdentifier</key><string>a.keyboardlayout.b</string></dict></plist>"},
             {"src/アイコン.keylayout", validLayout("アイコン", 9)},  // two columns a character, as list lines it up
             {"src/アイコン.icns", "icns"},
             {"src/Short.keylayout",
              "<keyboard group=\"0\" name=\"S\"><layouts/><modifierMap/><keyMapSet/></keyboard>"},
             {"src/Hollow.bundle/Contents/Info.plist", "<plist/>"},
             {"src/Mixed.bundle/Contents/Resources/Mixed.keylayout", validLayout("Mixed", -5)},
             {"src/Mixed.bundle/Contents/Resources/Damaged.keylayout", "<keyboard>\n<a b=1/>\n</keyboard>"},
             {"src/Ugly.keylayout", validLayout("Ugly", 6)},
             {"src/Ugly.icns", "png"},
             {"src/Taken.keylayout", validLayout("Taken", 7)}})
        writeFile(folder / path, content);
    fs::create_symlink("nowhere", folder / "src/Dangling.keylayout");

    const std::string T = folder.path().string(), again = " Run \"keylayout --help\" for the commands.\n";
    const std::string clash =
        "\"Clash\" in \"Clash.keylayout\" has the same id (7) as \"Taken\" in \"Taken.keylayout\" in " + T
        + "/root/System Layouts; macOS renumbers or hides one of them.";
    // B.bundle's Info.plist gives its identifier alone, and its layout is neither named after its file nor
    // numbered as Unicode layouts are: check advises its author, install says nothing of it.
    const std::string beeAdvice =
        "Advice: \"B.bundle\" gives no CFBundleShortVersionString in Contents/Info.plist, the version people and "
        "installers read.\nAdvice: \"B.bundle\" gives no CFBundleVersion in Contents/Info.plist, by which the system "
        "tells a newer bundle from an older one.\nAdvice: \"B.bundle\" gives no CFBundleName in Contents/Info.plist, "
        "the name the system shows for the bundle.\nAdvice: \"B.bundle\" has no \"KLInfo_Bee\" in Contents/Info.plist "
        "for \"Bee\": no language for it, so the system files it under \"Others\" in the input menu.\nAdvice: In "
        "\"B.bundle\", \"Bee\" has the id 4; Apple's note on keyboard layouts asks a Unicode layout for a negative id, "
        "and the system may take a positive one for a script's.\nAdvice: In \"B.bundle\", \"Bee\" is in the file "
        "\"B.keylayout\"; the system expects the file to be named after the layout, \"Bee.keylayout\".\n";
    const std::string web =
        "\"Web.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead.";
    const auto json = [](const std::string& file, const std::string& name, int id) {
        return "\"layouts\": [{\"file\": \"" + file + "\",\"group\": 0,\"id\": " + std::to_string(id) + ",\"name\": \""
            + name + "\"}],";
    };
    // What list --json says of an installed item of one layout; B.bundle holds B.keylayout.
    const auto listed = [&](const std::string& item, const std::string& name, int id, const std::string& loginWindow,
                            const std::string& scope) {
        return "{\"enabled\": null,\"item\": \"" + item + "\","
            + json(item.ends_with(".bundle") ? "B.keylayout" : item, name, id) + "\"loginWindow\": " + loginWindow
            + ",\"problems\": [],\"scope\": \"" + scope + "\",\"warnings\": []}";
    };
    // What check --json says of an item in src, and of one finding.
    const auto checked = [&](const std::string& item, bool installable, const std::string& layouts,
                             const std::string& problems, const std::string& warnings, const std::string& advice = "") {
        return "{\"advice\": [" + advice + "],\"installable\": " + std::string(installable ? "true" : "false")
            + ",\"item\": \"" + T + "/src/" + item + "\"," + (layouts.empty() ? "\"layouts\": []," : layouts)
            + "\"problems\": [" + problems + "],\"warnings\": [" + warnings + "]}";
    };
    const auto found = [](const std::string& kind, const std::string& sentence) {
        return "{\"kind\": \"" + kind + "\",\"message\": \"" + std::regex_replace(sentence, std::regex("\""), "\\\"")
            + "\"}";
    };
    // The JSON of advice lines, each kind named by the start of its sentence.
    const auto adviceJson = [&](const std::string& lines) {
        const std::pair<const char*, const char*> kinds[] = {{"CFBundleShortVersionString", "noShortVersion"},
                                                             {"CFBundleVersion", "noVersion"},
                                                             {"CFBundleName", "noBundleName"},
                                                             {"KLInfo_", "layoutWithoutInfo"},
                                                             {"has the id", "idNotNegative"},
                                                             {"is in the file", "fileNameNotName"}};
        std::string json, line;
        for (std::istringstream in(lines); std::getline(in, line);)
            for (const auto& [marker, kind] : kinds)
                if (line.find(marker) != std::string::npos) {
                    json += (json.empty() ? "" : ",") + found(kind, line.substr(std::string("Advice: ").size()));
                    break;
                }
        return json;
    };
    const std::string
        missing = "\"Missing.keylayout\" could not be found; it may have been moved or deleted.",
        notes = "\"Notes.txt\" is not a .keylayout file or keyboard .bundle.",
        shortOfId = "\"Short.keylayout\" is not a keyboard layout macOS can load: its <keyboard> has no id.",
        dangling = "Couldn't read \"Dangling.keylayout\": No such file or directory.",
        hollow = "\"Hollow.bundle\" holds no keyboard layout in Contents/Resources.",
        damaged = "In \"Mixed.bundle\", \"Damaged.keylayout\" is not a keyboard layout: its text is damaged at "
                  "line 2.",
        noPlist = "\"Mixed.bundle\" has no Contents/Info.plist, which the system reads to register its layouts.",
        ugly = "\"Ugly.icns\" beside \"Ugly.keylayout\" is not an icon file (.icns); the input menu would show "
               "a generic icon.",
        twice = "\"Taken.keylayout\" is also installed in " + T
        + "/root/System Layouts; the input menu would list it twice.";
    const std::string untouched = "| Taken.keylayout",
                      bothFull =
                          "Good.keylayout Other.keylayout | B.bundle Clash.keylayout アイコン.icns アイコン.keylayout";
    // out: standard output without line breaks and indents; folders: the user's items, "|", those for all
    // users, "|", the ids the login window lists after the system's own 252: before "→" what the run starts
    // from, copied from src, after it (or if the same, alone) what it leaves; refreshes: of the input menu.
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string error, folders;
        int refreshes = 0;
        std::string out = "";
    } rows[] = {
        {{}, 2, "keylayout: No command given." + again, untouched},
        {{"frob"}, 2, "keylayout: Unknown command \"frob\"." + again, untouched},
        {{"check"}, 2, "keylayout: check needs at least one item." + again, untouched},
        {{"check", "--bogus", "src/Good.keylayout"}, 2, "keylayout: Unknown option 'bogus'." + again, untouched},
        {{"--version"}, 0, "", untouched, 0, "keylayout " PROJECT_VERSION},
        // Each kind of finding, said to people and in JSON.
        {{"check", "--json", "src/Good.keylayout", "src/Missing.keylayout", "src/B.bundle/", "src/Notes.txt",
          "src/Short.keylayout", "src/Dangling.keylayout", "src/Hollow.bundle", "src/Mixed.bundle",
          "src/Ugly.keylayout", "src/Taken.keylayout"},
         1,
         "\"Good.keylayout\" can be installed.\nRefused: " + missing + "\n\"Missing.keylayout\" cannot be installed.\n"
             + beeAdvice + "\"B.bundle\" can be installed.\nRefused: " + notes
             + "\n\"Notes.txt\" cannot be installed.\nRefused: " + shortOfId
             + "\n\"Short.keylayout\" cannot be installed.\nRefused: " + dangling
             + "\n\"Dangling.keylayout\" cannot be installed.\nRefused: " + hollow
             + "\n\"Hollow.bundle\" cannot be installed.\nWarning: " + damaged + "\nWarning: " + noPlist + "\n"
             + "\"Mixed.bundle\" can be installed.\nWarning: " + ugly
             + "\n\"Ugly.keylayout\" can be installed.\nWarning: " + twice
             + "\n\"Taken.keylayout\" can be installed.\n",
         untouched,
         0,
         "[" + checked("Good.keylayout", true, json("Good.keylayout", "Good", 1), "", "") + ","
             + checked("Missing.keylayout", false, "", found("missing", missing), "") + ","
             + checked("B.bundle/", true, json("B.keylayout", "Bee", 4), "", "", adviceJson(beeAdvice)) + ","
             + checked("Notes.txt", false, "", found("notLayoutItem", notes), "") + ","
             + checked("Short.keylayout", false, "", found("cannotLoad", shortOfId), "") + ","
             + checked("Dangling.keylayout", false, "", found("unreadable", dangling), "") + ","
             + checked("Hollow.bundle", false, "", found("noLayoutInBundle", hollow), "") + ","
             + checked("Mixed.bundle", true, json("Mixed.keylayout", "Mixed", -5), "",
                       found("layoutCannotLoad", damaged) + "," + found("bundleMetadata", noPlist))
             + "," + checked("Ugly.keylayout", true, json("Ugly.keylayout", "Ugly", 6), "", found("icon", ugly)) + ","
             + checked("Taken.keylayout", true, json("Taken.keylayout", "Taken", 7), "", found("installedTwice", twice))
             + "]"},
        {{"check", "--json", T + "/src/Web.keylayout", "src/Clash.keylayout"},
         1,
         "Refused: " + web
             + "\n\"Web.keylayout\" cannot be installed.\n"
               "Warning: "
             + clash + "\n\"Clash.keylayout\" can be installed.\n",
         untouched,
         0,
         "[" + checked("Web.keylayout", false, "", found("notLayout", web), "") + ","
             + checked("Clash.keylayout", true, json("Clash.keylayout", "Clash", 7), "", found("duplicate", clash))
             + "]"},
        {{"check", "--json", "--strict", "src/Clash.keylayout"},
         1,
         "Warning: " + clash + "\n\"Clash.keylayout\" is refused: --strict refuses warnings.\n",
         untouched,
         0,
         "[" + checked("Clash.keylayout", false, json("Clash.keylayout", "Clash", 7), "", found("duplicate", clash))
             + "]"},
        // Refused items among good ones: the good ones are installed all the same, then the menu refreshed once.
        {{"install", "--strict", "src/Good.keylayout", "src/Web.keylayout", "src/Clash.keylayout",
          "src/Other.keylayout"},
         1,
         "Installed \"Good.keylayout\" for the current user.\nRefused: " + web
             + "\nNot installed \"Web.keylayout\".\nWarning: " + clash
             + "\nNot installed \"Clash.keylayout\": --strict refuses warnings.\nInstalled \"Other.keylayout\" for the "
               "current user.\n",
         untouched + " → Good.keylayout Other.keylayout | Taken.keylayout",
         1},
        // An update under another file name, in the same privileged run.
        {{"install", "--all-users", "--replace", "src/Clash.keylayout"},
         0,
         "Warning: " + clash
             + "\nInstalled \"Clash.keylayout\" for all users in place of \"Taken.keylayout\".\nWhat it types is "
               "unchanged.\n",
         untouched + " → | Clash.keylayout",
         1},
        {{"install", "--login-window", "src/Good.keylayout"},
         2,
         "keylayout: install --login-window needs --all-users: the login window uses only layouts installed for all "
         "users."
             + again,
         untouched},
        {{"install", "--all-users", "--login-window", "src/B.bundle/", "src/アイコン.keylayout"},
         0,
         "Installed \"B.bundle\" for all users and the login window.\nInstalled \"アイコン.keylayout\" "
         "for all users and the login window.\n",
         "→ | B.bundle アイコン.icns アイコン.keylayout | 4 9",
         1},
        {{"disable", "--login-window", "アイコン.keylayout", "Good.keylayout"},
         1,
         "Took \"アイコン.keylayout\" out of the login window.\nLogin window not changed: \"Good.keylayout\" is not "
         "installed for all users.\n",
         "Good.keylayout | アイコン.icns アイコン.keylayout | 9 → Good.keylayout | アイコン.icns アイコン.keylayout |"},
        {{"repair", "--all-users", "B.bundle", "Gone.bundle"},
         1,
         "Repaired \"B.bundle\" for all users.\nRepair failed: \"Gone.bundle\" is not installed for all users.\n",
         "| B.bundle",
         1},
        {{"repair", "Good.keylayout"}, 0, "Repaired \"Good.keylayout\" for the current user.\n", "Good.keylayout |", 1},
        {{"list", "--json"},
         0,
         "",
         bothFull + " | 4",
         0,
         "[" + listed("Good.keylayout", "Good", 1, "null", "currentUser") + ","
             + listed("Other.keylayout", "Other", 2, "null", "currentUser") + ","
             + listed("B.bundle", "Bee", 4, "true", "allUsers") + ","
             + listed("Clash.keylayout", "Clash", 7, "false", "allUsers") + ","
             + listed("アイコン.keylayout", "アイコン", 9, "false", "allUsers") + "]"},
        // The table is the output, for a pipe to grep.
        {{"list"},
         0,
         "",
         bothFull + " | 4",
         0,
         "Good.keylayout      Current user  GoodOther.keylayout     Current user  OtherB.bundle            All users  "
         "   Bee       At the login window"
         "Clash.keylayout     All users     Clashアイコン.keylayout  All users     アイコン"},
        {{"remove", "--all-users", "B.bundle", "Clash.keylayout/", "アイコン.keylayout", "Gone.bundle"},
         1,
         "Removed \"B.bundle\" for all users.\nRemoved "
         "\"Clash.keylayout\" for all users.\nRemoved \"アイコン.keylayout\" for all users.\nRemove failed: "
         "\"Gone.bundle\" is not installed for all users.\n",
         bothFull + " | 4 9 → Good.keylayout Other.keylayout | |",
         1},
        {{"remove", "Good.keylayout", "../Other.keylayout", "Missing.keylayout"},
         1,
         "Moved \"Good.keylayout\" to the Trash.\nRemove failed: "
         "\"../Other.keylayout\" does not name a keyboard layout file or bundle.\nRemove failed: \"Missing.keylayout\" "
         "is not installed for "
         "the current user.\n",
         "Good.keylayout Other.keylayout | → Other.keylayout |",
         1},
        // A new version says what it types differently; the one it replaced is in the Trash.
        {{"install", "new/Other.keylayout"},
         0,
         "Installed \"Other.keylayout\" for the current user.\n2 keystrokes now type something else:\n  a: nothing → "
         "a\n  b: nothing → b\nThe version it replaced is in the Trash.\n",
         "Other.keylayout |",
         1},
        {{"install", "--replace", "src/Clash.keylayout", "src/Renamed.keylayout"},
         0,
         "Installed \"Clash.keylayout\" for the current user.\nWarning: \"Clash\" in \"Renamed.keylayout\" has the "
         "same "
         "name as \"Clash\" in \"Clash.keylayout\" in ~/Library/Keyboard Layouts; the input menu would show two "
         "entries you cannot tell apart.\nInstalled \"Renamed.keylayout\" for the current user in place of "
         "\"Clash.keylayout\".\nWhat it types is unchanged.\nThe version it replaced is in the Trash.\n",
         "Other.keylayout | → Other.keylayout Renamed.keylayout |",
         1},
        {{"install", "--replace", "src/Both.keylayout"},
         1,
         "Warning: \"Other\" in \"Both.keylayout\" has the same name as \"Other\" in \"Other.keylayout\" in ~/Library/"
         "Keyboard Layouts; the input menu would show two entries you cannot tell apart.\nWarning: \"Other\" in "
         "\"Both.keylayout\" has the same id (11) as \"Clash\" in \"Renamed.keylayout\" in ~/Library/Keyboard Layouts; "
         "macOS renumbers or hides "
         "one of them.\nNot installed \"Both.keylayout\": --replace would replace more than one installed item, "
         "\"Other.keylayout\", \"Renamed.keylayout\".\n",
         "Other.keylayout Renamed.keylayout |"},
    };
    const auto parts = [](const std::string& state) {
        std::array<std::string, 3> parts = {"", "", "252"};
        std::istringstream words(state);
        std::size_t part = 0;
        for (std::string word; words >> word;)
            word == "|" ? void(++part) : void(parts[part] += (parts[part].empty() ? "" : " ") + word);
        return parts;
    };
    const std::map<std::string, std::string> layoutNames = {{"252", "ABC"}, {"4", "Bee"}, {"9", "アイコン"}};
    for (const auto& row : rows) {
        const std::size_t arrow = row.folders.find("→");
        const auto before = parts(row.folders.substr(0, arrow)),
                   after = parts(arrow == std::string::npos ? row.folders : row.folders.substr(arrow + 3));
        fs::remove_all(folder / "home"), fs::remove_all(system), fs::remove(root / "killall.calls");
        for (const auto& [items, into] : {std::pair(before[0], user), std::pair(before[1], system)}) {
            std::istringstream in(items);
            for (std::string name; in >> name;)
                fs::create_directories(into), fs::copy(folder / "src" / name, into / name, fs::copy_options::recursive);
        }
        std::string listed;
        std::istringstream given(before[2]);
        for (std::string id; given >> id;)
            listed += id + " " + layoutNames.at(id) + "|";
        stands.listAtLoginWindow(listed);
        std::vector<std::string> arguments = stands.keylayoutOptions();
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        for (std::string& argument : arguments)
            argument = argument.starts_with("src/") || argument.starts_with("new/") ? T + "/" + argument : argument;
        SCOPED_TRACE(row.arguments.empty() ? "" : row.arguments.front() + " " + row.arguments.back());
        const platform::ProcessResult result = platform::runToEnd(KEYLAYOUT, arguments);
        EXPECT_EQ(result.terminationStatus, row.status);
        // What the JSON says of the items agrees with how the command ended.
        if (row.out.find("\"installable\"") != std::string::npos) {
            EXPECT_EQ(row.status == 0, row.out.find("\"installable\": false") == std::string::npos);
        }
        EXPECT_EQ(result.standardError, row.error);
        EXPECT_EQ(std::regex_replace(result.standardOutput, std::regex("\n *"), ""), row.out);
        const std::string ids = std::regex_replace(readFile(loginSources), std::regex("<integer>(-?[0-9]+)<"), " $1",
                                                   std::regex_constants::format_no_copy);
        EXPECT_EQ(names(user) + " | " + names(system) + " |" + ids, after[0] + " | " + after[1] + " | " + after[2]);
        const auto calls = [&] { return std::ranges::count(readFile(root / "killall.calls"), '\n'); };
        EXPECT_TRUE(eventually([&] { return calls() == 3 * row.refreshes; })) << calls();
    }
    // A command given an option or items it does not take is a usage error, and nothing is done.
    const std::map<std::string, std::string> takes = {
        {"check", "json strict"},   {"install", "all-users strict no-enable replace login-window"},
        {"list", "json"},           {"remove", "all-users"},
        {"repair", "all-users"},    {"enable", "login-window"},
        {"disable", "login-window"}};
    for (const auto& [command, options] : takes)
        for (const std::string option : {"json", "strict", "all-users", "no-enable", "replace", "login-window", ""}) {
            // With no option, only list is given what it does not take: an item.
            if (option.empty() ? command != "list" : options.find(option) != std::string::npos)
                continue;
            std::vector<std::string> arguments = stands.keylayoutOptions();
            arguments.push_back(command);
            if (!option.empty())
                arguments.push_back("--" + option);
            if (command != "list" || option.empty())
                arguments.push_back("Good.keylayout");
            const platform::ProcessResult result = platform::runToEnd(KEYLAYOUT, arguments);
            EXPECT_EQ(std::tuple(result.terminationStatus, result.standardOutput, result.standardError),
                      std::tuple(2, std::string(),
                                 option.empty() ? "keylayout: list takes no items." + again
                                                : "keylayout: " + command + " takes no --" + option + "." + again))
                << command << " " << option;
        }

    // Root runs the privileged command itself, with nobody to ask; anyone else asks through osascript.
    EXPECT_EQ(readFile(root / "sh.ran"), "\n\n\n\n\n\n\n\n");
    EXPECT_EQ(fs::exists(root / "osascript.ran"), ::geteuid() != 0);
    EXPECT_EQ(names(root / "Trash"), "Clash.keylayout Good.keylayout Other.keylayout");
    const platform::ProcessResult help = platform::runToEnd(KEYLAYOUT, {"--help"});
    // Each command heads its own lines.
    for (const std::string command :
         {"check", "install", "list", "remove", "repair", "enable", "disable", "show", "bundle", "diff"})
        EXPECT_NE(help.standardOutput.find("\n  " + command + " "), std::string::npos) << command;
    for (const char* hidden :
         {"osascript", "--shell", "killall", "system-layouts", "input-sources", "--defaults", "--trash"})
        EXPECT_EQ(help.standardOutput.find(hidden), std::string::npos) << hidden;
}

// keylayout show on a layout, a bundle and items it refuses: what goes to each output, the SVG it
// writes, and how it exits.
TEST(Keylayout, ShowDrawsWhatEachKeyTypesAsTextJsonAndSvg)
{
    TemporaryFolder folder;
    const std::string small =
        "<keyboard group=\"0\" id=\"1\" name=\"Small\"><layouts><layout modifiers=\"m\" mapSet=\"s\"/></layouts>"
        "<modifierMap id=\"m\"><keyMapSelect mapIndex=\"1\"><modifier keys=\"anyShift\"/></keyMapSelect>"
        "<keyMapSelect mapIndex=\"2\"><modifier keys=\"anyOption\"/></keyMapSelect><keyMapSelect mapIndex=\"3\">"
        "<modifier keys=\"anyShift anyOption\"/></keyMapSelect><keyMapSelect mapIndex=\"1\"><modifier keys=\"caps\"/>"
        "</keyMapSelect></modifierMap><keyMapSet id=\"s\"><keyMap index=\"0\"><key code=\"0\" output=\"a\"/>"
        "<key code=\"36\" output=\"&#13;\"/><key code=\"10\" output=\"§\"/><key code=\"12\" output=\"qu\"/></keyMap>"
        "<keyMap index=\"1\"><key code=\"0\" output=\"A\"/><key code=\"12\" output=\"QUE\"/></keyMap>"
        "<keyMap index=\"2\"><key code=\"0\" output=\"å\"/><key code=\"12\" output=\"漢\"/></keyMap>"
        "<keyMap index=\"3\"><key code=\"0\" action=\"d\"/></keyMap></keyMapSet><actions><action id=\"d\">"
        "<when state=\"none\" next=\"1\"/></action></actions><terminators><when state=\"1\" output=\"´\"/>"
        "</terminators></keyboard>";
    const auto named = [&](const std::string& name, const std::string& id) {
        return std::regex_replace(std::regex_replace(small, std::regex("Small"), name), std::regex("id=\"1\""),
                                  "id=\"" + id + "\"");
    };
    for (const auto& [path, content] : std::map<std::string, std::string>{
             {"Small.keylayout", small},
             {"Web.keylayout", "<!DOCTYPE html><html>"},
             {"B.bundle/Contents/Resources/Z.keylayout", named("Zed", "2")},
             {"B.bundle/Contents/Resources/A.keylayout", named("Ay", "3")},
             {"B.bundle/Contents/Resources/C.keylayout", ""},
             {"B.bundle/Contents/Info.plist",
              "<plist><dict><key>CFBundleIdentifier</key><string>a.keyboardlayout.b</string></dict></plist>"}})
        writeFile(folder / path, content);
    const std::string T = folder.path().string() + "/", again = " Run \"keylayout --help\" for the commands.\n";
    const std::string smallJson = "{\"file\": \"Small.keylayout\",\"item\": \"" + T
        + "Small.keylayout\",\"keys\": [{\"caps\": \"A\",\"code\": 0,"
          "\"dead\": [\"shift+option\"],\"none\": \"a\",\"option\": \"å\",\"shift\": \"A\",\"shift+option\": \"´\"},"
          "{\"caps\": \"\",\"code\": 10,\"dead\": [],\"none\": \"§\",\"option\": \"\",\"shift\": \"\","
          "\"shift+option\": \"\"},{\"caps\": \"QUE\",\"code\": 12,\"dead\": [],\"none\": \"qu\",\"option\": \"漢\","
          "\"shift\": \"QUE\",\"shift+option\": \"\"},{\"caps\": \"\",\"code\": 36,\"dead\": [],"
          "\"none\": \"\\r\",\"option\": \"\",\"shift\": \"\",\"shift+option\": \"\"}],\"name\": \"Small\"}";
    const std::string web =
        "Refused: \"Web.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead.\n"
        "\"Web.keylayout\" cannot be shown.\n";
    const std::string cannotLoad =
        "Warning: In \"B.bundle\", \"C.keylayout\" is not a keyboard layout: the file is empty.\n";
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string error;
        std::vector<std::string> out;
    } rows[] = {
        {{"show"}, 2, "keylayout: show needs at least one item." + again, {""}},
        {{"show", "--svg", T + "a.svg", "Small.keylayout", "B.bundle"},
         2,
         "keylayout: show --svg takes one item." + again,
         {""}},
        {{"show", "--strict", "Small.keylayout"}, 2, "keylayout: show takes no --strict." + again, {""}},
        {{"check", "--iso", "Small.keylayout"}, 2, "keylayout: check takes no --iso." + again, {""}},
        // Four legends a key where they stand on the board, wide ones taking two columns, long ones cut short; no
        // Return glyph, no ISO key; dead keys named below.
        {{"show", "Small.keylayout"},
         0,
         "",
         {"Small (Small.keylayout)\n╭────┬", "│       │Q…  │    │", "│   ⇥   │qu漢│    │", "│        │A  ´│    │",
          "\n│   ⇪    │a  å│    │", "│   ↩    │\n",
          "\nDead keys, which type nothing until the next key: ´ (shift+option, key a)\n"}},
        {{"show", "--iso", "Small.keylayout"}, 0, "", {"\n│§   │    │", "│ ↩ │\n", "\n│  ⇧  │    │    │"}},
        // Refused items are told of and left out; the others are shown, a bundle's layouts by file name.
        {{"show", "--json", "Small.keylayout", "Web.keylayout", "Notes.txt", "B.bundle/"},
         1,
         web + "Refused: \"Notes.txt\" is not a .keylayout file or keyboard .bundle.\n\"Notes.txt\" cannot be shown.\n"
             + cannotLoad,
         {"[" + smallJson + ",{\"file\": \"A.keylayout\",\"item\": \"" + T + "B.bundle/\",",
          "\"name\": \"Ay\"},{\"file\": \"Z.keylayout\",", "\"name\": \"Zed\"}]"}},
        {{"show", "Web.keylayout", "Small.keylayout"}, 1, web, {"Small (Small.keylayout)\n"}},
        {{"show", "--svg", T + "B.svg", "B.bundle"},
         0,
         cannotLoad + "Saved the picture in \"" + T + "B.svg\".\n",
         {""}},
        {{"show", "--svg", T + "none/B.svg", "B.bundle"},
         1,
         cannotLoad + "Couldn't save the picture in \"" + T + "none/B.svg\": ",
         {""}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> arguments;
        for (const std::string& argument : row.arguments)
            arguments.push_back(argument.ends_with(".keylayout") || argument.starts_with("B.bundle")
                                        || argument == "Notes.txt"
                                    ? T + argument
                                    : argument);
        SCOPED_TRACE(row.arguments.back());
        const platform::ProcessResult result = platform::runToEnd(KEYLAYOUT, arguments);
        EXPECT_EQ(result.terminationStatus, row.status);
        EXPECT_TRUE(result.standardError.starts_with(row.error)) << result.standardError;
        const std::string out = row.arguments.size() > 1 && row.arguments[1] == "--json"
            ? std::regex_replace(result.standardOutput, std::regex("\n *"), "")
            : result.standardOutput;
        for (const std::string& part : row.out)
            EXPECT_NE(out.find(part), std::string::npos) << part << " in\n" << out;
        EXPECT_EQ(out.empty(), row.out == std::vector<std::string>{""}) << out;
    }

    // The bundle's layouts one under the other, each under its name, a <text> a legend.
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_file((folder / "B.svg").c_str()));
    const pugi::xml_node root = svg.document_element();
    EXPECT_EQ(std::string(root.name()) + " " + root.attribute("xmlns").value(), "svg http://www.w3.org/2000/svg");
    std::string texts;
    for (const pugi::xpath_node text : root.select_nodes("//text[@class!='symbol']"))
        texts += std::string(text.node().attribute("class").value()) + ":" + text.node().child_value()
            + (text.node().attribute("font-weight") ? "*" : "") + " ";
    EXPECT_EQ(texts,
              "name:Ay legend:qu legend:QUE legend:漢 legend:a legend:A legend:å legend:´* "
              "name:Zed legend:qu legend:QUE legend:漢 legend:a legend:A legend:å legend:´* ");
    EXPECT_LT(root.select_node("//text[.='Ay']/following::text[.='´']").node().attribute("y").as_double(),
              root.select_node("//text[.='Zed']").node().attribute("y").as_double());
}

// With a registry of input sources (a file standing in for the Mac's): install puts what it installed
// into the input menu of the user who runs it, unless --no-enable or run as root, which says so once;
// enable and disable change it; list tells it.
TEST(Keylayout, PutsWhatItInstallsIntoTheRunningUsersInputMenu)
{
    TemporaryFolder folder;
    const ScopedEnvironment home("HOME", (folder / "home").string());
    writeFile(folder / "src/Good.keylayout", validLayout("Good", 1)),
        writeFile(folder / "src/Other.keylayout", validLayout("Other", 2));
    StandInSystem stands(folder / "system");
    const fs::path registry = folder / "sources", calls = folder / "sources.calls",
                   user = folder / "home/Library/Keyboard Layouts";
    const bool root = ::geteuid() == 0;
    const std::string asRoot =
        "Run as root, keylayout adds nothing to an input menu: root has none. Each user can add it in System Settings "
        "> Keyboard > Input Sources.\n";
    // installed: the items in the user's folder before the run; enabled: Good's and Other's sources in the
    // menu, "1" for enabled, before it; listed: what list --json says of each installed item after it.
    const struct {
        std::vector<std::string> arguments;
        std::string installed, enabled;
        int status;
        std::string error, calls, listed;
    } rows[] = {
        {{"install", "src/Good.keylayout"},
         "",
         "00",
         0,
         (root ? asRoot : "") + "Installed \"Good.keylayout\" for the current user.\n"
             + (root ? "" : "Added \"Good.keylayout\" to the input menu.\n"),
         "register Good.keylayout\n" + std::string(root ? "" : "enable org.unknown.keylayout.Good\n"),
         root ? "false" : "true"},
        {{"install", "--no-enable", "src/Other.keylayout"},
         "Good.keylayout",
         "10",
         0,
         "Installed \"Other.keylayout\" for the current user.\n",
         "register Other.keylayout\n",
         "true false"},
        {{"enable", "Other.keylayout", "Missing.keylayout"},
         "Other.keylayout",
         "00",
         1,
         "Added \"Other.keylayout\" to the input menu.\n\"Missing.keylayout\" is not installed, for you or for all "
         "users.\n",
         "register Other.keylayout\nenable org.unknown.keylayout.Other\n",
         "true"},
        {{"disable", "Good.keylayout", "Other.keylayout"},
         "Good.keylayout Other.keylayout",
         "01",
         0,
         "Took \"Good.keylayout\" out of the input menu.\nTook \"Other.keylayout\" out of the input menu.\n",
         "disable org.unknown.keylayout.Other\n",
         "false false"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.front());
        fs::remove_all(folder / "home"), fs::remove(calls), fs::create_directories(user);
        std::istringstream installed(row.installed);
        for (std::string name; installed >> name;)
            fs::copy_file(folder / "src" / name, user / name);
        writeFile(registry,
                  "org.unknown.keylayout.Good\tGood\t" + row.enabled.substr(0, 1)
                      + "\norg.unknown.keylayout.Other\tOther\t" + row.enabled.substr(1) + "\n");
        std::vector<std::string> arguments = stands.keylayoutOptions(registry);
        for (const std::string& argument : row.arguments)
            arguments.push_back(argument.starts_with("src/") ? (folder / argument).string() : argument);
        const platform::ProcessResult result = platform::runToEnd(KEYLAYOUT, arguments);
        EXPECT_EQ(std::pair(result.terminationStatus, result.standardError), std::pair(row.status, row.error));
        EXPECT_EQ(readFile(calls), row.calls);
        std::vector<std::string> list = stands.keylayoutOptions(registry);
        list.insert(list.end(), {"list", "--json"});
        EXPECT_EQ(std::regex_replace(platform::runToEnd(KEYLAYOUT, list).standardOutput,
                                     std::regex("\"enabled\": (true|false|null)"), "$1 ",
                                     std::regex_constants::format_no_copy),
                  row.listed + " ");
    }
}
