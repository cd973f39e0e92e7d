#include "installer/privileged.h"
#include "installer/quoting.h"
#include "installer/system_install.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <thread>

namespace fs = std::filesystem;
using namespace installer;
using namespace testing_support;
constexpr Elevation asRoot = Elevation::alreadyRoot, prompt = Elevation::administratorPrompt;

// The privileged program itself, run as root runs it, with the system's tools and folder under `root`.
class PrivilegedProgram : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path downloads = folder / "Downloads", root = folder / "root", expected = folder / "expected";
    const fs::path system = root / "Library/Keyboard Layouts", shell = folder / "sh";

    void SetUp() override { writeShell(shell, root); }
    // "" when it succeeded, else its status and standard error.
    std::string run(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> all = {"-c", std::string(privilegedScript), "keyboard-installer"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const platform::ProcessResult result = platform::runToEnd(shell.string(), all);
        return result.succeeded() && result.standardError.empty()
            ? ""
            : std::to_string(result.terminationStatus) + " " + result.standardError;
    }
    std::string install(const fs::path& staged, const std::string& id = "1F2E3D4C-0000-4000-8000-000000000001")
    {
        return run({"install", system.string(), platform::lastPathComponent(staged), staged.string(), id});
    }
};

// Installed, the item is a complete copy; failed at any step, the installed item stays byte for byte.
// Either way what an interrupted run left is gone, anything else in the folder is kept, nothing of ours is left.
TEST_F(PrivilegedProgram, ReplacesTheInstalledItemOnlyByACompleteCopyWith755And644OwnedByRootWheel)
{
    const Entries kept = {
        {".keyboard-installer-.tmp", "kept"}, {".keyboard-installer-notes", "kept"}, {"Other.keylayout", "kept"}};
    const Entries left = {{".keyboard-installer-1F2E.tmp/half", "half"}, {".keyboard-installer-1F2E-old.tmp", "old"}};
    const std::string odd = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    struct Row {
        Entries installed, dropped;
        std::string tool = "bin/mkdir", work = "mkdir", error = "";
        bool swept = true;
    };
    // The step's words with the item as %n and the folder as %d.
    const auto failing = [&](const char* tool, const char* work, const std::string& step) {
        const std::string error = std::regex_replace(std::regex_replace(step, std::regex("%n"), "\"Foo.bundle\""),
                                                     std::regex("%d"), system.string());
        return Row{{{"Foo.bundle/x", "installed"}},
                   {{"Foo.bundle/Contents/new", "newer"}, {"Foo.bundle/Contents/Big", std::string(1 << 16, 'x')}},
                   tool,
                   work,
                   "1 Couldn't " + error + ".\n"};
    };
    const Row rows[] = {
        {{{"A.keylayout", "old"}}, {{"A.keylayout", "new"}}},
        {{{"A.keylayout", "->../../../Downloads"}}, {{"A.keylayout", "newer"}}},
        {{{"Foo.bundle/stale", "old"}}, {{"Foo.bundle", "a file"}}},
        {{{"Foo.bundle", "old"}}, {{"Foo.bundle/Contents/new", "a folder"}}},
        // Nothing is touched before the folder is there.
        [&] {
            Row row = failing("bin/mkdir", "echo 'mkdir: x: Permission denied' >&2; false",
                              "create %d for %n: Permission denied");
            return row.swept = false, row;
        }(),
        // Writes past the limit fail with EFBIG, as they fail with ENOSPC on a disk that fills up.
        failing("usr/bin/ditto", "trap '' XFSZ; ulimit -f 16; cp -R", "copy %n into %d: File too large"),
        failing("usr/bin/ditto", "rm -rf \"$1\"; cp -R", "copy %n into %d: No such file or directory"),
        failing("usr/sbin/chown", "echo 'chown: x: Operation not permitted' >&2; false",
                "set the owner of %n in %d: Operation not permitted"),
        failing("bin/chmod", "[ $1 != 755 ] && chmod", "set the permissions of %n in %d"),
        failing("bin/chmod", "echo 'x: Read-only file system.' >&2; [ $1 != 644 ] && chmod",
                "set the permissions of %n in %d: Read-only file system"),
        failing("bin/mv", "case $2 in *[0-9A-F].tmp) echo 'x: Input/output error' >&2; exit 1; esac; mv",
                "put %n in place in %d: Input/output error"),
        {{{odd + "/Contents/old-only", "stale"}},
         {{odd + "/Contents/Resources/A.keylayout", "new"}, {odd + "/Contents/link", "->Resources"}}},
    };
    const std::regex owned(
        R"(chown -R root:wheel (.*/\.keyboard-installer-[0-9A-F-]{36}\.tmp)\n(find|chmod) [\s\S]*xattr -cr \1\nmv )");
    for (const auto& row : rows) {
        const std::string name = fs::path(row.dropped.begin()->first).begin()->string();
        SCOPED_TRACE(name + row.error);
        fs::remove_all(downloads), fs::remove_all(system), fs::remove_all(expected), fs::remove(folder / "log");
        plant(system, kept), plant(system, left), plant(system, row.installed), plant(downloads, row.dropped),
            writeTool(root, row.tool, row.work);
        plant(expected, kept), plant(expected, row.error.empty() ? row.dropped : row.installed),
            plant(expected, row.swept ? Entries() : left);
        const std::string modes = "chmod -R a=rX,u+w " + shellQuote((expected / name).string());
        ASSERT_EQ(std::system((row.error.empty() ? modes : "").c_str()), 0);
        EXPECT_EQ(install(downloads / name), row.error);
        EXPECT_EQ(tree(system), tree(expected));
        EXPECT_TRUE(!row.error.empty() || std::regex_search(readFile(folder / "log"), owned));
        writeTool(root, row.tool, workingTools.at(row.tool));
    }
}

// Two runs at once, as two management-tool jobs may start them: each waits its turn, both items stand
// complete, neither takes the other's copy for a leftover. A lock whose run has died does not block.
TEST_F(PrivilegedProgram, RunsAtTheSameTimeInstallCompleteItemsAndALockOfADeadRunIsTakenOver)
{
    const Entries first = {{"one/X.bundle/Contents/Info.plist", "one"},
                           {"one/X.bundle/Contents/Resources/X.keylayout", "one"}};
    const Entries second = {{"two/X.bundle/Contents/Info.plist", "two"},
                            {"two/X.bundle/Contents/Resources/X.keylayout", "two"},
                            {"two/X.bundle/Contents/Resources/Y.keylayout", "two"},
                            {"two/Y.bundle/Contents/Info.plist", "two"}};
    plant(downloads, first), plant(downloads, second);
    writeTool(root, "usr/bin/ditto", "sleep 0.05; cp -R");
    // What an item holds, its modes aside; nothing for an item that is not there.
    const auto contents = [](const fs::path& item) {
        Entries entries = fs::exists(item) ? tree(item) : Entries();
        for (auto& [path, content] : entries)
            content.erase(0, content.find_first_of("/ "));
        return entries;
    };
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        fs::remove_all(system);
        const fs::path other = downloads / (round % 2 ? "two/X.bundle" : "two/Y.bundle");
        std::string outcomes[2];
        std::thread a(
            [&] { outcomes[0] = install(downloads / "one/X.bundle", "00000000-0000-4000-8000-00000000000A"); });
        std::thread b([&] { outcomes[1] = install(other, "00000000-0000-4000-8000-00000000000B"); });
        a.join(), b.join();
        EXPECT_EQ(outcomes[0] + outcomes[1], "");
        // The same name: whichever came second stands, whole; nothing of ours is left.
        const std::string last = fs::exists(system / "X.bundle/Contents/Resources/Y.keylayout") ? "two" : "one";
        EXPECT_EQ(contents(system / "X.bundle"), contents(downloads / last / "X.bundle"));
        EXPECT_EQ(contents(system / "Y.bundle"), round % 2 ? Entries() : contents(other));
        EXPECT_EQ(std::distance(fs::directory_iterator(system), {}), 2 - round % 2);
    }
    for (const std::string owner : {"", "dead"}) {
        plant(system,
              {{".keyboard-installer.lock/owner",
                owner == "dead" ? platform::runToEnd("/bin/sh", {"-c", "echo $$"}).standardOutput : ""}});
        // Without an owner, only a lock minutes old is taken for the remains of a crash.
        fs::last_write_time(system / ".keyboard-installer.lock",
                            fs::file_time_type::clock::now() - std::chrono::minutes(5));
        EXPECT_EQ(install(downloads / "one/X.bundle"), "");
        EXPECT_FALSE(fs::exists(system / ".keyboard-installer.lock"));
    }
}

// A loose layout's icon goes in beside it, owned and moded like it; one left from an earlier
// install goes when the layout comes without one, and with the layout when it is removed. A
// bundle's name says nothing of icons beside it.
TEST_F(PrivilegedProgram, PutsALooseLayoutsIconBesideItAndRemovesItWithIt)
{
    const std::string id = "1F2E3D4C-0000-4000-8000-000000000001";
    plant(downloads, {{"A.keylayout", "layout"}, {"A.icns", "icns new"}, {"B.bundle/Contents/x", "b"}});
    plant(system, {{"A.icns", "icns old"}, {"B.icns", "not the bundle's"}});
    EXPECT_EQ(run({"install", system.string(), "A.keylayout", (downloads / "A.keylayout").string(), id,
                   (downloads / "A.icns").string()}),
              "");
    EXPECT_EQ(tree(system),
              Entries({{"A.icns", "420 icns new"}, {"A.keylayout", "420 layout"}, {"B.icns", "384 not the bundle's"}}));
    EXPECT_NE(readFile(folder / "log")
                  .find("chown root:wheel " + system.string() + "/.keyboard-installer-" + id + "-icon.tmp"),
              std::string::npos);
    EXPECT_EQ(install(downloads / "A.keylayout", id) + install(downloads / "B.bundle", id), "");
    EXPECT_EQ(tree(system).count("A.icns") + tree(system).count("B.icns"), 1u)
        << "only the loose layout's old icon goes";
    plant(system, {{"A.icns", "icns again"}});
    EXPECT_EQ(run({"remove", system.string(), "A.keylayout", id}) + run({"remove", system.string(), "B.bundle", id}),
              "");
    EXPECT_EQ(tree(system), Entries({{"B.icns", "384 not the bundle's"}}));
}

// Moved aside under a name of ours first, the item is never left half removed under its own name; a
// failed removal leaves only that sibling, which the next run takes away.
TEST_F(PrivilegedProgram, RemovesTheNamedItemAndRefusesWhatItIsNotMadeFor)
{
    plant(system,
          {{"Foo.bundle/Contents/Foo.keylayout", "installed"},
           {"Other.keylayout", "kept"},
           {".keyboard-installer-1F2E-old.tmp", "left"}});
    writeTool(root, "bin/rm", "case $2 in *-old.tmp) echo 'rm: x: Operation not permitted' >&2; exit 1; esac; rm");
    const std::string id = "1F2E3D4C-0000-4000-8000-000000000001";
    EXPECT_EQ(run({"remove", system.string(), "Foo.bundle", id}),
              "1 Couldn't remove \"Foo.bundle\" from " + system.string() + ": Operation not permitted.\n");
    writeTool(root, "bin/rm", "rm");
    EXPECT_EQ(run({"remove", system.string(), "Other.keylayout", id}), "");
    EXPECT_TRUE(fs::is_empty(system));
    const std::string usage =
        "2 usage: keyboard-installer install FOLDER NAME STAGED ID [ICON] | remove FOLDER NAME ID\n";
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {}, {"frob", "a", "b", "c"}, {"remove", "a", "b"}, {"install", "a", "b", "c", "d", "e", "f"}})
        EXPECT_EQ(run(wrong), usage);
}

// The C++ side: what it stages, and the arguments the program gets, whether an administrator is asked or root runs it.
class ForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path temporary = folder / "tmp", downloads = folder / "Downloads", root = folder / "root";
    const fs::path stagingRoot = temporary / "morrowvane-keyboard-installer",
                   system = root / "Library/Keyboard Layouts";
    const SystemTools tools{.osascript = folder / "osascript", .shell = folder / "sh", .systemLayouts = system};
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
        return asUser([&] { installForAllUsers(item, tools, how); });
    }
    std::string remove(const std::string& name, Elevation how)
    {
        return asUser([&] { removeForAllUsers(name, tools, how); });
    }
    std::string asUser(const std::function<void()>& action) { return failureAsOrdinaryUser(folder.path(), action); }
    std::string arguments(const std::string& program)
    {
        return std::regex_replace(readFile(folder / (program + ".arguments")), std::regex("[0-9A-F]{8}-[0-9A-F-]{27}"),
                                  "UUID");
    }
    void TearDown() override { EXPECT_TRUE(!fs::exists(stagingRoot) || fs::is_empty(stagingRoot)); }
};

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
        EXPECT_EQ(readFile(name == odd ? system / name / "Contents/Resources/A.keylayout" : system / name),
                  name == odd ? "new" : "<keyboard/>");
    }
    EXPECT_EQ(remove(odd, prompt), "");
    EXPECT_EQ(arguments("sh"), "7\n" + program + "remove\n" + system.string() + "\n" + odd + "\nUUID\n");
    EXPECT_FALSE(fs::exists(system / odd));
}

// Refused before anything runs, or failed as osascript ends: the status and the message its outputs give.
TEST_F(ForAllUsers, AFailedRunOrARefusalThrowsItsStatusAndMessage)
{
    const std::string cancelled = "Administrator installation was cancelled or failed.",
                      use = "POSIX 1 Couldn't use the folder \"" + stagingRoot.string();
    const auto then = [&](const std::string& script) { return [&, script] { standIn(script); }; };
    const auto open = [&](unsigned mode) {
        return [&, mode] { fs::create_directory(stagingRoot), fs::permissions(stagingRoot, fs::perms(mode)); };
    };
    const struct {
        std::function<void()> prepare;
        std::string error;
        Elevation how = prompt;
        std::string item = "A.keylayout";
    } rows[] = {
        {then("printf '\\n  0:108: execution error: User canceled. (-128)\\n\\n' >&2; exit 1"),
         "KeyboardInstaller 1 0:108: execution error: User canceled. (-128)"},
        {then("printf ' \\t\\r\\n ' >&2; echo not looked at; exit 5"), "KeyboardInstaller 5 " + cancelled},
        {then("printf '\\302\\240\\343\\200\\200first\\nsecond\\342\\200\\250' >&2; exit 5"),
         "KeyboardInstaller 5 first\nsecond"},
        {then("printf '\\377\\376' >&2; printf '  from output\\n'; exit 5"), "KeyboardInstaller 5 from output"},
        // Overlong encodings of "/" and "A": well-formed in shape only.
        {then("printf '\\300\\257' >&2; printf 'from output'; exit 5"), "KeyboardInstaller 5 from output"},
        {then("printf '\\377' >&2; printf '\\360\\200\\201\\201'; exit 5"), "KeyboardInstaller 5 " + cancelled},
        {then("kill -KILL $$"), "KeyboardInstaller 9 " + cancelled},
        // Both pipes far beyond their buffers: reading one to its end first would stall.
        {then("head -c 3000000 /dev/zero | tr '\\0' o; head -c 3000000 /dev/zero | tr '\\0' e >&2; exit 2"),
         "KeyboardInstaller 2 " + std::string(3'000'000, 'e')},
        {[] {},
         "POSIX 22 Couldn't install \"" + (downloads / "..").string()
             + "\": it does not name a keyboard layout file or bundle.",
         prompt, ".."},
        {[&] { fs::create_directory_symlink(downloads, stagingRoot); }, use + "\": it is a symbolic link."},
        {open(0720), use + "\": other users may write to it."},
        {open(0702), use + "\": other users may write to it."},
        {[&] { fs::remove(tools.osascript); },
         "POSIX 2 Couldn't launch \"" + tools.osascript.string() + "\": No such file or directory."},
        {[&] { fs::permissions(tools.osascript, fs::perms(0400)); },
         "POSIX 13 Couldn't launch \"" + tools.osascript.string() + "\": Permission denied."},
        {[&] { fs::remove(tools.shell); },
         "POSIX 2 Couldn't launch \"" + tools.shell.string() + "\": No such file or directory.", asRoot},
    };
    for (const auto& row : rows) {
        fs::remove_all(stagingRoot), fs::remove(folder / "osascript.arguments"), fs::remove(folder / "sh.arguments"),
            standIn("");
        row.prepare();
        EXPECT_EQ(install(downloads / row.item, row.how), row.error);
        EXPECT_EQ(fs::exists(folder / "osascript.arguments") || fs::exists(folder / "sh.arguments"),
                  row.error.starts_with("KeyboardInstaller"))
            << row.error;
    }
}

// A name that is not one item in the folder, or is not installed, is refused before anyone is asked.
TEST_F(ForAllUsers, RefusesToRemoveWhatIsNoInstalledItemBeforeAskingAnyone)
{
    for (const std::string name : {"", ".", "..", "Foo.bundle/Contents", "Missing.keylayout"})
        EXPECT_EQ(remove(name, prompt),
                  name.starts_with("Missing") ? "POSIX 2 \"Missing.keylayout\" is not installed for all users."
                                              : "POSIX 22 Couldn't remove \"" + name
                          + "\": it does not name a keyboard layout file or bundle.");
    EXPECT_FALSE(fs::exists(folder / "osascript.arguments"));
}
