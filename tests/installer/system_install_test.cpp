#include "installer/privileged.h"
#include "installer/quoting.h"
#include "installer/system_install.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <iterator>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;
using namespace installer;
using namespace testing_support;
constexpr Elevation asRoot = Elevation::alreadyRoot, prompt = Elevation::administratorPrompt;

// The C++ side, what it stages and the arguments the program gets, whether an administrator is asked or
// root runs it; and the program itself.
class ForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    StandInSystem stands{folder.path()};
    const SystemTools tools = stands.tools();
    const fs::path temporary = folder / "tmp", downloads = folder / "Downloads", root = folder / "tools",
                   expected = folder / "expected";
    const fs::path stagingRoot = temporary / "morrowvane-keyboard-installer", system = tools.systemLayouts;
    const ScopedEnvironment tmpdir{"TMPDIR", temporary.string() + "/"};  // with the trailing slash macOS gives it

    void SetUp() override
    {
        fs::create_directories(temporary), writeFile(downloads / "A.keylayout", "<keyboard/>", 0600), standIn("");
    }
    // Each stand-in keeps its arguments, one a line, and the staging folder's mode, then does `then`:
    // with nothing to do, the shell runs the program with the tools under `root`, and osascript hands
    // the command to a shell as an approving administrator would.
    void standIn(const std::string& then)
    {
        const std::string keep = "printf '%s\\n' \"$#\" \"$@\" > \"$0.arguments\"\nls -ld '" + stagingRoot.string()
            + "'/* 2>/dev/null | cut -c1-10 > '" + (folder / "staging-mode").string() + "'\n" + then + "\n";
        writeShell(folder / "tool-shell", root), writeOsascript(folder / "approving-osascript");
        writeScript(tools.shell, keep + "exec '" + (folder / "tool-shell").string() + "' \"$@\"");
        writeScript(tools.osascript, keep + "exec '" + (folder / "approving-osascript").string() + "' \"$@\"");
    }
    std::string install(const fs::path& item, Elevation how)
    {
        return asUser([&] { installForAllUsers(item, tools, how, "Install " + platform::lastPathComponent(item)); });
    }
    std::string remove(const std::string& name, Elevation how)
    {
        return asUser([&] { removeForAllUsers(name, tools, how, "Remove " + name); });
    }
    std::string asUser(const std::function<void()>& action) { return failureAsOrdinaryUser(folder.path(), action); }
    // Where AppleScript takes the prompt, in its words.
    bool prompted(const std::string& words)
    {
        return arguments("osascript")
            .ends_with(" with prompt " + appleScriptString(words) + " with administrator privileges\n");
    }
    std::string arguments(const std::string& program)
    {
        return std::regex_replace(readFile(folder / (program + ".arguments")), std::regex("[0-9A-F]{8}-[0-9A-F-]{27}"),
                                  "UUID");
    }
    // The program itself, run as root runs it with the tools under `root`: "", or its status and errors.
    std::string run(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> all = {"-c", std::string(privilegedScript), "keyboard-installer"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const platform::ProcessResult result = platform::runToEnd((folder / "tool-shell").string(), all);
        return result.succeeded() && result.standardError.empty()
            ? ""
            : std::to_string(result.terminationStatus) + " " + result.standardError;
    }
    void TearDown() override { EXPECT_TRUE(!fs::exists(stagingRoot) || fs::is_empty(stagingRoot)); }
};

// Failed at any step, refused or interrupted, the installed item stays byte for byte, and so does its
// icon; nothing of ours is left, and once the folder is taken nothing an interrupted run left either.
TEST_F(ForAllUsers, LeavesTheInstalledItemAsItWasWhateverStepFails)
{
    const Entries kept = {{".keyboard-installer-notes", "kept"}, {"Other.keylayout", "kept"}};
    const Entries left = {{".keyboard-installer-1F2E.tmp/half", "half"}, {".keyboard-installer-1F2E-old.tmp", "old"}};
    // A lock naming a run that has ended; "lock OWNER..." makes one, "old" ages it minutes.
    const std::string ended = platform::runToEnd("/bin/sh", {"-c", "printf $$"}).standardOutput;
    // The tool says `words` and fails where its second argument matches `pattern`, else works as `tool`.
    const auto fails = [](const std::string& pattern, const std::string& words, const std::string& tool = "") {
        return "case $2 in " + pattern + ") echo 'x: " + words + "' >&2; exit 1; esac; " + tool;
    };
    // The failed step's words ("" for none) with the item as %n and the folder as %d; what is done first
    // in Downloads, with the folders at $S and $E (expected) and the lock at $L; the tool that fails, how.
    const struct {
        std::string step, setup = ":", tool = "bin/mkdir", work = "mkdir";
        bool loose = false;
    } rows[] = {
        {"create %d for %n: Permission denied", ":", "bin/mkdir", fails("*", "Permission denied")},
        {"copy %n into %d: File too large", ":", "usr/bin/ditto", "trap '' XFSZ; ulimit -f 16; cp -R"},
        {"copy %n into %d: No such file or directory", ":", "usr/bin/ditto", "rm -rf \"$1\"; cp -R"},
        {"copy %n into %d: interrupted", ":", "usr/bin/ditto",
         "read -r run < \"${2%/*}/.keyboard-installer.lock/owner\"; kill -TERM $run; cp -R"},
        {"set the owner of %n in %d: Operation not permitted", ":", "usr/sbin/chown",
         fails("*", "Operation not permitted")},
        {"set the permissions of %n in %d", ":", "bin/chmod", "[ $1 != 755 ] && chmod"},
        {"set the permissions of %n in %d: Read-only file system", ":", "bin/chmod",
         "echo 'x: Read-only file system.' >&2; [ $1 != 644 ] && chmod"},
        {"put %n in place in %d: Input/output error", ":", "bin/mv",
         fails("*[0-9A-F].tmp", "Input/output error", "mv")},
        {"put the icon of %n in place in %d: Input/output error", ":", "bin/mv",
         fails("*-icon.tmp", "Input/output error", "mv"), true},
        // Clearing a mark is worth trying, and no reason to fail.
        {"", ":", "usr/bin/xattr", "false"},
        // Refused before anything is touched, naming what in the staged item it refuses.
        {"install %n: \"Foo.bundle/Contents/pipe\" is not a file, folder or symbolic link",
         "mkfifo Foo.bundle/Contents/pipe"},
        {"install %n: \"Foo.bundle/Contents/new\" has more than one hard link", "ln Foo.bundle/Contents/new elsewhere"},
        // Through a link to its own folder, ".." leads out of the item.
        {"install %n: \"Foo.bundle/Contents/away\" is a symbolic link leading out of it",
         "ln -s . Foo.bundle/Contents/here && ln -s here/../.. Foo.bundle/Contents/away"},
        {"install %n: \"Foo.bundle\" is a symbolic link leading out of it",
         "mv Foo.bundle real && ln -s real Foo.bundle"},
        {"install %n: \"Foo.bundle\" belongs to another user", ":", "bin/ls", "echo 'drwx------ 2 4242 20 64' #"},
        // No lock blocks for good: it is taken over once its run has ended, the system has started again,
        // or it is minutes old, whatever run it names; one that cannot be made or taken over fails at once.
        {"", "lock " + ended},
        {"", "lock $PPID 'booted at 1'", "usr/sbin/sysctl", "echo booted at 2 #"},
        {"", "lock $PPID && old"},
        {"", "mkdir \"$S/$L\" && old"},
        {"take over the lock of an earlier run in %d: Permission denied",
         "lock " + ended + " && mkdir \"$E/$L\" && cp \"$S/$L/owner\" \"$E/$L\"", "bin/rm",
         fails("*.lock", "Permission denied", "rm")},
        {"prepare %d for %n: File exists", "touch \"$S/$L\" \"$E/$L\""},
    };
    for (const auto& row : rows) {
        const std::string name = row.loose ? "A.keylayout" : "Foo.bundle";
        const Entries installed =
            row.loose ? Entries{{name, "old"}, {"A.icns", "old icon"}} : Entries{{name + "/x", "installed"}};
        const Entries dropped = row.loose
            ? Entries{{name, "new"}, {"A.icns", "new icon"}}
            : Entries{{name + "/Contents/new", "newer"}, {name + "/Contents/Big", std::string(1 << 16, 'x')}};
        const std::string error = std::regex_replace(std::regex_replace(row.step, std::regex("%n"), "\"" + name + "\""),
                                                     std::regex("%d"), system.string());
        // Copying, setting modes and putting in place come once the folder is taken and swept.
        const bool swept = std::regex_search(row.step, std::regex("^(|(copy|set|put) .*)$"));
        SCOPED_TRACE(error);
        fs::remove_all(downloads), fs::remove_all(system), fs::remove_all(expected), fs::create_directories(expected);
        plant(system, kept), plant(system, left), plant(system, installed), plant(downloads, dropped),
            writeTool(root, row.tool, row.work);
        plant(expected, kept), plant(expected, error.empty() ? dropped : installed),
            plant(expected, swept ? Entries() : left);
        const std::string setup = "S=" + shellQuote(system.string()) + " E=" + shellQuote(expected.string())
            + " L=.keyboard-installer.lock; lock() { mkdir \"$S/$L\" && printf '%s\\n' \"$@\" > \"$S/$L/owner\"; }; "
            + "old() { touch -t 202001010000 \"$S/$L\"; }; cd " + shellQuote(downloads.string()) + " && " + row.setup
            + (error.empty() ? " && chmod -R a=rX,u+w \"$E/" + name + "\"" : "");
        ASSERT_EQ(std::system(setup.c_str()), 0);
        std::vector<std::string> arguments = {"install", system.string(), name, (downloads / name).string(),
                                              "1F2E3D4C-0000-4000-8000-000000000001"};
        if (row.loose)
            arguments.push_back((downloads / "A.icns").string());
        EXPECT_EQ(run(arguments), error.empty() ? "" : "1 Couldn't " + error + ".\n");
        EXPECT_EQ(tree(system), tree(expected));
        writeTool(root, row.tool, workingTools.at(row.tool));
    }
}

// Moved aside under a name of ours first, the item is never left half removed under its own name; a
// failed removal leaves only that sibling, which the next run takes away. A loose layout's icon goes
// with it; a bundle's name says nothing of icons beside it.
TEST_F(ForAllUsers, RemovesTheNamedItemAndRefusesWhatItIsNotMadeFor)
{
    plant(system,
          {{"Foo.bundle/Contents/Foo.keylayout", "installed"},
           {"Other.KeyLayout", "kept"},
           {"Other.icns", "its icon"},
           {"B.bundle/x", "b"},
           {"B.icns", "not the bundle's"},
           {".keyboard-installer-1F2E-old.tmp", "left"}});
    writeTool(root, "bin/rm", "case $2 in *-old.tmp) echo 'rm: x: Operation not permitted' >&2; exit 1; esac; rm");
    EXPECT_EQ(run({"remove", system.string(), "Foo.bundle", "ID"}),
              "1 Couldn't remove \"Foo.bundle\" from " + system.string() + ": Operation not permitted.\n");
    writeTool(root, "bin/rm", "rm");
    // In place of another item, that one and its icon go in the same run, or stay should the new one not go in.
    const std::vector<std::string> replace = {
        "replace", system.string(), "A.keylayout", (downloads / "A.keylayout").string(), "ID", "Other.KeyLayout"};
    writeTool(root, "bin/mv", "case $2 in *ID.tmp) exit 1; esac; mv");
    EXPECT_EQ(run(replace), "1 Couldn't put \"A.keylayout\" in place in " + system.string() + ".\n");
    EXPECT_EQ(tree(system / "Other.icns"), Entries({{"", "its icon"}}));
    writeTool(root, "bin/mv", "mv");
    EXPECT_EQ(run(replace), "");
    EXPECT_FALSE(fs::exists(system / "Other.icns"));
    EXPECT_EQ(
        run({"remove", system.string(), "A.keylayout", "ID"}) + run({"remove", system.string(), "B.bundle", "ID"}), "");
    EXPECT_EQ(tree(system), Entries({{"B.icns", "384 not the bundle's"}}));
    for (const std::string wrong :
         {"", "frob a b c", "remove a b", "remove a .. c", "install a b/c d e", "install a b c d e f",
          "replace a b c d b", "replace a b c d e/f", "repair a b", "login-window a b c d"}) {
        std::istringstream words(wrong);
        EXPECT_EQ(run({std::istream_iterator<std::string>(words), {}}).substr(0, 28), "2 usage: keyboard-installer ");
    }
    // The C++ side refuses a name that is no one installed item before anyone is asked.
    for (const std::string name : {"", ".", "..", "Foo.bundle/Contents", "Missing.keylayout"})
        EXPECT_EQ(remove(name, prompt),
                  name.starts_with("Missing")
                      ? "POSIX 2 \"Missing.keylayout\" is not installed for all users."
                      : "POSIX 22 \"" + name + "\" does not name a keyboard layout file or bundle.");
    EXPECT_FALSE(fs::exists(folder / "osascript.arguments"));
}

// The login window's input sources get each layout once, beside the entries they had, through a
// stand-in defaults that keeps each domain in a file; a Mac without these preferences starts empty.
TEST_F(ForAllUsers, TheLoginWindowListsEachLayoutOnceBesideTheEntriesItHad)
{
    const fs::path sources = folder / "Preferences/com.apple.HIToolbox.plist",
                   menu = folder / "Preferences/com.apple.loginwindow.plist";
    writeFile(downloads / "L.keylayout", validLayout("L", -7));
    const std::vector<KeyboardLayout> l = {{.file = "L.keylayout", .name = "L", .id = -7}};
    // What the preferences hold: the ids listed in order, whether the other key stayed, whether the menu shows.
    const auto held = [&] {
        const std::string text = readFile(sources);
        return std::regex_replace(text, std::regex("<integer>(-?[0-9]+)</integer>"), "$1 ",
                                  std::regex_constants::format_no_copy)
            + (text.find("<key>Other</key>") != std::string::npos ? "kept " : "")
            + (std::regex_search(readFile(menu), std::regex("showInputMenu</key>\\s*<true ?/>")) ? "shown" : "");
    };
    const auto install = [&] { installForAllUsers(downloads / "L.keylayout", tools, asRoot, "", "", l); };
    const auto set = [&](bool present) { return [&, present] { setLoginWindowSources(l, present, tools, asRoot); }; };
    // before: what the login window lists first, beside a key of another kind; none: no preferences at all.
    const struct {
        std::string before;
        std::function<void()> action;
        std::string held;
    } rows[] = {
        {"none", install, "-7 shown"},
        {"252 ABC", install, "252 -7 kept shown"},
        {"252 ABC|-7 L", install, "252 -7 kept shown"},
        {"252 ABC|-7 L", set(false), "252 kept "},
        {"252 ABC", set(true), "252 -7 kept shown"},
        {"-7 L|252 ABC|-7 L",
         [&] {
             removeForAllUsers("L.keylayout", tools, asRoot);
             EXPECT_FALSE(fs::exists(system / "L.keylayout"));
         },
         "252 kept "},
        {"none", [&] { writeFile(sources, "<html/>"), set(true)(); },
         "Couldn't read the login window's preferences: they are no property list."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before);
        fs::remove_all(folder / "Preferences"), fs::remove_all(system),
            writeFile(system / "L.keylayout", validLayout("L", -7));
        if (row.before != "none")
            stands.listAtLoginWindow(row.before);
        try {
            row.action();
            EXPECT_EQ(held(), row.held);
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.localizedDescription(), row.held);
        }
    }
}

// Root runs the program itself; anyone else has osascript ask an administrator, and the program gets
// the very same arguments, however odd the name. The staged copy sits in a folder only its owner can open.
TEST_F(ForAllUsers, GivesTheProgramItsArgumentsThroughEitherWayToRoot)
{
    const std::string odd = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    writeFile(downloads / odd / "Contents/Resources/A.keylayout", "new");
    const std::string program = "-c\n" + std::string(privilegedScript) + "\nkeyboard-installer\n";
    const auto wanted = [&](const std::string& name) {
        return "8\n" + program + "install\n" + system.string() + "\n" + name + "\n" + stagingRoot.string() + "/UUID/"
            + name + "\nUUID\n";
    };
    for (const std::string& name : {std::string("A.keylayout"), odd}) {
        EXPECT_EQ(install(downloads / (name + "/"), asRoot), "");
        EXPECT_EQ(arguments("sh") + readFile(folder / "staging-mode"), wanted(name) + "drwx------\n");
        EXPECT_EQ(install(downloads / name, prompt), "");
        EXPECT_EQ(arguments("sh"), wanted(name));
        EXPECT_TRUE(arguments("osascript").starts_with("2\n-e\ndo shell script \"")) << arguments("osascript");
        EXPECT_TRUE(prompted("Install " + name));
    }
    EXPECT_EQ(remove(odd, prompt), "");
    EXPECT_TRUE(prompted("Remove " + odd));
    EXPECT_EQ(arguments("sh"), "7\n" + program + "remove\n" + system.string() + "\n" + odd + "\nUUID\n");
    EXPECT_FALSE(fs::exists(system / odd));
}

// Refused before anything runs, or failed as osascript ends: the status and the message its outputs give.
TEST_F(ForAllUsers, AFailedRunOrARefusalThrowsItsStatusAndMessage)
{
    const std::string silent = "Administrator installation failed.",
                      use = "POSIX 1 Couldn't use the folder \"" + stagingRoot.string();
    const auto open = [&](unsigned mode) {
        return [&, mode] { fs::create_directory(stagingRoot), fs::permissions(stagingRoot, fs::perms(mode)); };
    };
    const auto launch = [](const fs::path& tool, const std::string& why) {
        return "Couldn't launch \"" + tool.string() + "\": " + why + ".";
    };
    const std::string k = "KeyboardInstaller ";
    // What the osascript or shell stand-in does, and what is done before the install.
    const struct {
        std::string script, error;
        std::function<void()> prepare = [] {};
        Elevation how = prompt;
        std::string item = "A.keylayout";
    } rows[] = {
        {"printf '\\n  0:108: execution error: User canceled. (-128)\\n\\n' >&2; exit 1",
         k + "-128 Nothing was installed: the approval was cancelled."},
        // The program's own line, without what osascript puts around it.
        {"printf '0:1021: execution error: Couldn'\\''t copy: No space left on device. (1)\\n' >&2; exit 1",
         k + "1 Couldn't copy: No space left on device."},
        {"printf ' \\t\\r\\n ' >&2; echo not looked at; exit 5", k + "5 " + silent},
        {"printf '\\302\\240\\343\\200\\200first\\nsecond\\342\\200\\250' >&2; exit 5", k + "5 first\nsecond"},
        {"printf '\\377\\376' >&2; printf '  from output\\n'; exit 5", k + "5 from output"},
        // Overlong encodings of "/" and "A": well-formed in shape only.
        {"printf '\\300\\257' >&2; printf 'from output'; exit 5", k + "5 from output"},
        {"printf '\\377' >&2; printf '\\360\\200\\201\\201'; exit 5", k + "5 " + silent},
        {"kill -KILL $$", k + "9 " + silent},
        // Both pipes far beyond their buffers: reading one to its end first would stall.
        {"head -c 3000000 /dev/zero | tr '\\0' o; head -c 3000000 /dev/zero | tr '\\0' e >&2; exit 2",
         k + "2 " + std::string(3'000'000, 'e')},
        {"", "POSIX 22 \"" + (downloads / "..").string() + "\" does not name a keyboard layout file or bundle.", [] {},
         prompt, ".."},
        {"", use + "\": it is a symbolic link.", [&] { fs::create_directory_symlink(downloads, stagingRoot); }},
        {"", use + "\": other users may write to it.", open(0720)},
        {"", use + "\": other users may write to it.", open(0702)},
        {"", "POSIX 2 " + launch(tools.osascript, "No such file or directory"), [&] { fs::remove(tools.osascript); }},
        {"", "POSIX 13 " + launch(tools.osascript, "Permission denied"),
         [&] { fs::permissions(tools.osascript, fs::perms(0400)); }},
        {"", "POSIX 2 " + launch(tools.shell, "No such file or directory"), [&] { fs::remove(tools.shell); }, asRoot},
    };
    for (const auto& row : rows) {
        fs::remove_all(stagingRoot), fs::remove(folder / "osascript.arguments"), fs::remove(folder / "sh.arguments"),
            standIn(row.script), row.prepare();
        EXPECT_EQ(install(downloads / row.item, row.how), row.error);
        EXPECT_EQ(fs::exists(folder / "osascript.arguments") || fs::exists(folder / "sh.arguments"),
                  !row.error.starts_with("POSIX"))
            << row.error;
    }
    // A cancel is a kind of its own, which a way in can tell from a failure.
    standIn("echo '0:1: execution error: User canceled. (-128)' >&2; exit 1");
    asUser([&] { EXPECT_THROW(installForAllUsers(downloads / "A.keylayout", tools), ApprovalCancelled); });
}
