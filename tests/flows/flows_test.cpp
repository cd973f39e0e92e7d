#include "flows/flows.h"
#include "flows/trash.h"
#include "installer/installed_layouts.h"
#include "installer/item_health.h"

#include "support/stand_ins.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;
using namespace installer;
using namespace testing_support;
using State = InputMenuResult::State;

namespace {

std::string plist(const std::string& inside)
{
    return "<?xml version=\"1.0\"?><plist "
           "version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>org.x.keyboardlayout.b</string>"
        + inside + "</dict></plist>";
}

class Flows : public testing::Test {
protected:
    TemporaryFolder folder;
    const ScopedEnvironment home{"HOME", (folder / "home").string()}, data{"XDG_DATA_HOME", (folder / "data").string()};
    const fs::path user = folder / "home/Library/Keyboard Layouts", downloads = folder / "Downloads";
    StandInSystem stands{folder.path()};
    StandInRegistry& system = stands.menu;
    SystemTools tools = stands.tools(true);

    InstallOutcome install(const fs::path& item, const Conversation& conversation = {})
    {
        const InstallOutcome outcome = installItems(
                                           {item}, [] { return InstallScope::currentUser; }, tools, conversation)
                                           .front();
        EXPECT_EQ(outcome.refreshFailure, "");
        return outcome;
    }
};

}  // namespace

// The system derives each layout's id, or takes the one a bundle declares; the flow finds the item's
// sources by them, else by the name the menu shows where the id is the item's own, enables only
// those not enabled yet and reads the state back.
TEST_F(Flows, AnInstalledLayoutGoesIntoTheInputMenuOfTheUserWhoInstalledIt)
{
    const std::string bundle = "B.bundle/Contents/", u = "org.unknown.keylayout.",
                      b = "org.x.keyboardlayout.b.keylayout.",
                      declaresBee = plist(
                          "<key>KLInfo_Bee</key><dict><key>TISInputSourceID</key><string>org.x.bee</string></dict>");
    const auto loose = [](const std::string& name, int id, const std::string& typing = "") {
        return Entries{{name + ".keylayout", validLayout(name, id, typing)}};
    };
    // A bundle of Bee, and of `other` where given, with this Info.plist.
    const auto bee = [&](const std::string& info, const std::string& other = "") {
        Entries files = {{bundle + "Resources/Bee.keylayout", validLayout("Bee", 2)}, {bundle + "Info.plist", info}};
        if (!other.empty())
            files[bundle + "Resources/" + other + ".keylayout"] = validLayout(other, 3);
        return files;
    };
    const struct {
        const char* what;
        Entries files;
        std::string sources;  // "ID NAME" each, apart by "|", an enabled one marked "*"
        State state;
        std::string calls;
        bool addToInputMenu = true;
        std::string refused = "";
        std::string replaced = "";  // an earlier version of the same layout, installed under this name
    } rows[] = {
        {"a loose layout, id without spaces", loose("Colemak DH", 1),
         "*org.x.other Other|" + u + "ColemakDH Colemak DH (local)", State::added,
         "register Colemak DH.keylayout, enable " + u + "ColemakDH"},
        {"already in the menu: not enabled twice", loose("Colemak DH", 1), "*" + u + "ColemakDH Colemak DH",
         State::added, "register Colemak DH.keylayout"},
        {"a bundle: the id it declares for one layout, the derived one, without spaces, for the other",
         bee(declaresBee, "Cee Dee"), "org.x.bee B|" + b + "CeeDee C|*org.x.other Other", State::added,
         "register B.bundle, enable org.x.bee, enable " + b + "CeeDee"},
        {"the declared id not registered: the derived one", bee(declaresBee), b + "Bee B", State::added,
         "register B.bundle, enable " + b + "Bee"},
        {"found by name, the id its own", loose("Colemak DH", 1), u + "Colemak-DH Colemak DH", State::added,
         "register Colemak DH.keylayout, enable " + u + "Colemak-DH"},
        {"the system's own of the same name is not taken", loose("Colemak", 5), "*com.apple.keylayout.Colemak Colemak",
         State::notFound, "register Colemak.keylayout"},
        {"a binary property list: nothing known to be its own", bee("bplist00"), "com.vendor.bee Bee", State::notFound,
         "register B.bundle"},
        {"not listed by the system", loose("Lost", 4), "*org.x.other Other", State::notFound,
         "register Lost.keylayout"},
        {"one of two not listed", bee(plist(""), "Cee"), b + "Bee Bee", State::notFound,
         "register B.bundle, enable " + b + "Bee"},
        {"enabling refused", loose("Colemak", 5), u + "Colemak Colemak", State::failed,
         "register Colemak.keylayout, enable " + u + "Colemak", true, u + "Colemak"},
        {"not for the menu (root, --no-enable): registered only", loose("Colemak", 5), u + "Colemak Colemak",
         State::unavailable, "register Colemak.keylayout", false},
        {"in place of an earlier version: that one out of the menu first, then into the Trash",
         loose("Colemak", 5, "q"), "*" + u + "Colemak Colemak", State::added,
         "disable " + u + "Colemak, register Colemak.keylayout, enable " + u + "Colemak", true, "",
         "Colemak 1.0.keylayout"},
    };
    Conversation conversation;
    conversation.proceedDespite = [](const auto&, const auto&, const auto&) { return Conversation::Answer::replace; };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(downloads), plant(downloads, row.files);
        system.sources.clear(), system.refused = {row.refused}, system.calls.clear();
        const std::regex source("(\\*?)([^|*\\s]+) ([^|]+)");
        for (std::sregex_iterator at(row.sources.begin(), row.sources.end(), source), end; at != end; ++at)
            system.sources.push_back({(*at)[2], (*at)[3], (*at)[1].length() > 0});
        const fs::path item = downloads / fs::path(row.files.begin()->first).begin()->string();
        if (!row.replaced.empty())
            writeFile(user / row.replaced, validLayout("Colemak", 5));
        conversation.addToInputMenu = row.addToInputMenu;
        const InstallOutcome outcome = install(item, conversation);
        // Replaced, it types something else now, which macOS may not take up before the next sign-in.
        EXPECT_EQ(std::tuple(outcome.replaced, outcome.changesAfterSignIn,
                             !row.replaced.empty() && fs::exists(folder / "Trash" / row.replaced)),
                  std::tuple(row.replaced, !row.replaced.empty(), !row.replaced.empty()));
        EXPECT_EQ(outcome.result, InstallOutcome::Result::installed) << outcome.failure;
        std::string calls;
        for (const std::string& call : system.calls)
            calls += (calls.empty() ? "" : ", ") + call;
        // With what the window and keylayout list show afterwards, of the one item installed.
        EXPECT_EQ(std::tuple(outcome.inputMenu.state, calls, listInstalled(tools).at(0).inInputMenu),
                  std::tuple(row.state, row.calls,
                             std::optional(
                                 row.state == State::added
                                 || (row.state == State::notFound && row.calls.find("enable") != std::string::npos))));
        fs::remove_all(user);
    }
    // Where the system has no input menu, nothing is asked of one and nothing is known of it.
    tools.inputSources = {};
    writeFile(downloads / "Plain.keylayout", validLayout("Plain", 6));
    EXPECT_EQ(install(downloads / "Plain.keylayout").inputMenu.state, State::unavailable);
    EXPECT_EQ(listInstalled(tools).front().inInputMenu, std::nullopt);
}

// Out of the menu first, so it goes at once; a removal that fails puts it back.
TEST_F(Flows, ARemovedLayoutLeavesTheInputMenuBeforeItGoesAndComesBackIfItStays)
{
    writeFile(user / "Colemak.keylayout", validLayout("Colemak", 5));
    writeFile(tools.systemLayouts / "Colemak.keylayout", validLayout("Colemak", 5));
    writeScript(tools.osascript, "echo 'User canceled.' >&2; exit 1");
    system.sources = {{"org.unknown.keylayout.Colemak", "Colemak", true}};
    system.watched = tools.systemLayouts / "Colemak.keylayout";
    EXPECT_EQ(removeItems({"Colemak.keylayout"}, InstallScope::allUsers, tools).front().failure, "User canceled.");
    EXPECT_EQ(system.calls,
              std::vector<std::string>(
                  {"disable org.unknown.keylayout.Colemak while installed", "enable org.unknown.keylayout.Colemak"}));
    system.calls.clear(), system.watched = user / "Colemak.keylayout";
    EXPECT_TRUE(removeItems({"Colemak.keylayout"}, InstallScope::currentUser, tools).front().removed);
    EXPECT_EQ(system.calls, std::vector<std::string>({"disable org.unknown.keylayout.Colemak while installed"}));
}

// A loose layout's icon, in any letter case beside it, is installed as the layout's base name with
// ".icns", replaced with it, gone when it comes without one, and trashed with it. A file there that
// is no icon is warned of; one that cannot be read is left behind. A bundle carries its icons inside:
// one named like it beside it is not its.
TEST_F(Flows, ALooseLayoutsIconTravelsWithItForTheCurrentUser)
{
    const std::string icon = "icns\x00\x00\x01\x00 pixels";
    writeFile(downloads / "Colemak.keylayout", validLayout("Colemak", 5)),
        writeFile(downloads / "Colemak.ICNS", icon, 0600);
    writeFile(user / "Colemak.icns", "an older icon");
    // Found by its name, in a folder that may not be listed, as macOS guards Downloads.
    fs::permissions(downloads, fs::perms(0111));
    InstallOutcome first;
    failureAsOrdinaryUser(folder.path(), [&] { first = install(downloads / "Colemak.keylayout"); });
    fs::permissions(downloads, fs::perms(0755));
    EXPECT_EQ(std::pair(first.report.warnings.size(), first.icon), std::pair(std::size_t(0), LayoutIcon::State::found));
    EXPECT_EQ(readFile(user / "Colemak.icns"), icon);
    EXPECT_EQ(fs::status(user / "Colemak.icns").permissions(), fs::perms(0644));
    EXPECT_EQ(listInstalled(tools).size(), 1u) << "an icon is no item of the list";

    fs::remove(downloads / "Colemak.ICNS");
    install(downloads / "Colemak.keylayout");
    EXPECT_FALSE(fs::exists(user / "Colemak.icns")) << "an icon of an earlier install left";

    writeFile(downloads / "Colemak.icns", "<html>not an icon");
    Conversation declining;
    declining.proceedDespite = [](const auto&, const auto&, const auto&) { return Conversation::Answer::cancel; };
    const InstallOutcome warned = install(downloads / "Colemak.keylayout", declining);
    ASSERT_EQ(warned.report.warnings.size(), 1u);
    const Warning& named = warned.report.warnings[0];
    EXPECT_EQ(std::tuple(warned.result, named.kind, named.item, named.otherItem),
              std::tuple(InstallOutcome::Result::declined, Warning::Kind::icon, std::string("Colemak.keylayout"),
                         std::string("Colemak.icns")));

    // One the system will not let be read: the layout goes alone, and the outcome says so.
    fs::permissions(downloads / "Colemak.icns", fs::perms::none);
    InstallOutcome alone;
    failureAsOrdinaryUser(folder.path(), [&] { alone = install(downloads / "Colemak.keylayout"); });
    EXPECT_EQ(std::tuple(alone.result, alone.icon, fs::exists(user / "Colemak.icns")),
              std::tuple(InstallOutcome::Result::installed, LayoutIcon::State::refused, false));

    writeFile(user / "Colemak.icns", icon);
    EXPECT_TRUE(removeItems({"Colemak.keylayout"}, InstallScope::currentUser, tools).front().removed);
    EXPECT_TRUE(fs::is_empty(user));
    EXPECT_EQ(readFile(folder / "Trash/Colemak.icns"), icon);

    writeFile(user / "B.bundle/Contents/Resources/B.keylayout", validLayout("Bee", -2)),
        writeFile(user / "B.icns", "someone else's");
    EXPECT_TRUE(removeItems({"B.bundle"}, InstallScope::currentUser, tools).front().removed);
    EXPECT_EQ(tree(user), (Entries{{"B.icns", "420 someone else's"}}));
}

// What makes the system ignore an installed item is noted, once a kind, naming the first thing found
// so; repair makes the note go in either scope and keeps the item in the input menu. A repair that
// fails leaves the item as it was.
TEST_F(Flows, RepairMakesEachNoteOfAnInstalledItemGoInEitherScope)
{
    Conversation asRoot;
    asRoot.elevation = Elevation::alreadyRoot;
    const bool root = ::geteuid() == 0;
#if defined(__APPLE__)
    const std::string mark = "com.apple.quarantine";
    const auto marked = [](const fs::path& p) { ::setxattr(p.c_str(), "com.apple.quarantine", "1", 1, 0, 0); };
#else
    const std::string mark = "user.com.apple.quarantine";
    const auto marked = [](const fs::path& p) { ::lsetxattr(p.c_str(), "user.com.apple.quarantine", "1", 1, 0); };
#endif
    const std::string plistFile = "B.bundle/Contents/Info.plist";
    constexpr InstallScope mine = InstallScope::currentUser, all = InstallScope::allUsers;
    using Path = const fs::path&;
    const auto piped = [&](Path b) { marked(b), ::mkfifo((b / "Contents/pipe").c_str(), 0644); };
    const struct {
        InstallScope scope;
        std::function<void(Path bundle)> craft;
        std::string note;  // reason, or the kind where it has none, what, data
        bool repaired = true;
    } rows[] = {
        {mine, [&](Path b) { marked(b / "Contents/Info.plist"); }, "extendedAttribute " + plistFile + " " + mark},
        {all, [&](Path b) { marked(b); }, "extendedAttribute B.bundle " + mark},
        {mine, [](Path b) { fs::permissions(b / "Contents/Info.plist", fs::perms(0600)); },
         "fileMode " + plistFile + " 384"},
        {all, [](Path b) { fs::permissions(b / "Contents", fs::perms(0750)); }, "folderMode B.bundle/Contents 488"},
        {mine, [](Path b) { EXPECT_EQ(::lchown(b.c_str(), 1, 1), 0); }, "notUser B.bundle 1:1"},
        {all, [](Path b) { EXPECT_EQ(::lchown((b / "Contents/Info.plist").c_str(), 0, 1), 0); },
         "notRootWheel " + plistFile + " 0:1"},
        // Nothing the system loads can be a pipe; the repair's copy refuses it, and the item stays marked.
        {mine, piped, "extendedAttribute B.bundle " + mark, false},
        {all, piped, "extendedAttribute B.bundle " + mark, false},
    };
    using R = Warning::Reason;
    const std::map<R, std::string> reasons = {{R::fileMode, "fileMode"},
                                              {R::folderMode, "folderMode"},
                                              {R::notUser, "notUser"},
                                              {R::notRootWheel, "notRootWheel"}};
    const auto notes = [&] {
        std::string found;
        for (const InstalledItem& item : listInstalled(tools))
            for (const Warning& w : item.report.warnings)
                found += w.kind == Warning::Kind::extendedAttribute
                    ? "extendedAttribute " + w.detail + " " + w.otherItem
                    : reasons.at(w.reason) + " " + w.detail + " " + std::to_string(w.number)
                        + (w.kind == Warning::Kind::owner ? ":" + std::to_string(w.group) : "");
        return found;
    };
    for (const auto& row : rows) {
        if (row.note.starts_with("not") && !root)
            continue;  // only root can give an item away
        const fs::path bundle = layoutsFolder(row.scope, tools) / "B.bundle";
        SCOPED_TRACE(row.note);
        fs::remove_all(bundle);
        writeFile(bundle / "Contents/Resources/B.keylayout", validLayout("B", -3)),
            writeFile(bundle / "Contents/Info.plist", plist(""));
        system.sources = {{"org.x.keyboardlayout.b.keylayout.B", "B", true}};
        row.craft(bundle);
        EXPECT_EQ(notes(), row.note);
        const Entries before = tree(bundle.parent_path());
        const ChangeOutcome repaired = repairItems({"B.bundle"}, row.scope, tools, asRoot).front();
        EXPECT_EQ(repaired.done, row.repaired) << repaired.failure;
        EXPECT_EQ(notes(), row.repaired ? "" : row.note);
        EXPECT_TRUE(row.repaired || tree(bundle.parent_path()) == before);
        EXPECT_TRUE(system.sources[0].enabled);
        fs::remove_all(bundle);
    }
    // The owner expected is the caller's to give, so a check can be made of anyone's item.
    writeFile(user / "A.keylayout", validLayout("A", -4));
    EXPECT_EQ(healthWarnings(user / "A.keylayout", {::getuid() + 1, std::nullopt}).size(), 1u);
    EXPECT_TRUE(healthWarnings(user / "A.keylayout", expectedOwner(InstallScope::currentUser)).empty());
}

// The Trash keeps every item put in it, one of the same name as another beside it: a folder of the
// system's tools, or the desktop's own, which on Linux XDG_DATA_HOME holds and which is made when missing.
TEST_F(Flows, TheTrashKeepsEveryItemPutInIt)
{
#ifdef __APPLE__
    const std::vector<fs::path> trashes = {tools.trash};  // the desktop's is the person's own
#else
    const std::vector<fs::path> trashes = {tools.trash, {}};
#endif
    for (const fs::path& trash : trashes)
        for (const char* content : {"first", "second"})
            writeFile(user / "A.keylayout", content), moveToTrash(user / "A.keylayout", trash);
    EXPECT_EQ(readFile(tools.trash / "A.keylayout") + readFile(tools.trash / "A.keylayout 2"), "firstsecond");
    EXPECT_TRUE(trashes.size() == 1 || std::distance(fs::directory_iterator(folder / "data/Trash/files"), {}) == 2);
    EXPECT_THROW(moveToTrash(user / "A.keylayout", tools.trash), platform::Error);
}
