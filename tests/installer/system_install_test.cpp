#include "installer/quoting.h"
#include "installer/system_install.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace fs = std::filesystem;
using namespace installer;
using namespace testing_support;
using Entries = std::map<std::string, std::string>;  // relative path -> content, or "->x" for a link to x
constexpr Elevation asRoot = Elevation::alreadyRoot, prompt = Elevation::administratorPrompt;

// Installs and removes as an ordinary user. The stand-in osascript and shell keep their arguments
// and the staging folder's mode, then do what the test gives them; the shell goes on to run the
// command with the system tools (stand-ins that log their arguments) and the system folder in `root`.
class ForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path temporary = folder / "tmp", downloads = folder / "Downloads", root = folder / "root", expected = folder / "expected";
    const fs::path stagingRoot = temporary / "morrowvane-keyboard-installer", system = root / "Library/Keyboard Layouts";
    const SystemTools tools{.osascript = folder / "osascript", .shell = folder / "sh", .systemLayouts = system};
    const ScopedEnvironment tmpdir{"TMPDIR", temporary.string() + "/"};  // with the trailing slash macOS gives it
    const Entries works = {{"bin/mkdir", "mkdir"}, {"bin/rm", "rm"}, {"bin/mv", "mv"}, {"usr/bin/ditto", "cp -R"}, {"usr/sbin/chown", ":"},
                           {"usr/bin/find", "find"}, {"bin/chmod", "chmod"}, {"usr/bin/xattr", "echo no >&2; false"}};

    void SetUp() override { fs::create_directories(temporary), writeFile(downloads / "A.keylayout", "<keyboard/>", 0600), standIn(""); }
    void tool(const std::string& path, const std::string& work) { writeScript(root / path, "echo \"${0##*/} $*\" >> ../log\n" + work + " \"$@\"\n"); }
    void standIn(const std::string& then)
    {
        const std::string keep = "cd '" + root.string() + "'\nprintf '%s ' \"$#\" \"$1\" > ../arguments; printf '%s' \"$2\" > ../received\n"
                                 "ls -ld '" + stagingRoot.string() + "'/* 2>/dev/null | cut -c1-10 > ../staging-mode\n" + then + "\n";
        writeScript(tools.osascript, keep);
        writeScript(tools.shell, keep + "exec /bin/sh -c \"$(printf '%s' \"$2\" | sed 's# /# " + root.string() + "/#g')\"\n");
        for (const auto& [path, work] : works)
            tool(path, work);
    }
    std::string install(const fs::path& item, Elevation how = asRoot) { return asUser([&] { installForAllUsers(item, tools, how); }); }
    std::string remove(const std::string& name, Elevation how = asRoot) { return asUser([&] { removeForAllUsers(name, tools, how); }); }
    std::string asUser(const std::function<void()>& action) { return failureAsOrdinaryUser(folder.path(), action); }
    // What the stand-in got, UUIDs as "UUID".
    std::string received() { return std::regex_replace(readFile(folder / "received"), std::regex("[0-9A-F]{8}-[0-9A-F-]{27}"), "UUID"); }
    // Every item under `root` with its mode and its content or link target.
    static Entries tree(const fs::path& root)
    {
        Entries entries;
        for (const auto& item : fs::recursive_directory_iterator(root))
            entries[fs::relative(item.path(), root).string()] = std::to_string(unsigned(item.symlink_status().permissions()))
                + (item.is_symlink() ? "->" + fs::read_symlink(item).string() : item.is_directory() ? "/" : " " + readFile(item));
        return entries;
    }
    void plant(const fs::path& base, const Entries& entries)
    {
        for (const auto& [path, content] : entries)
            content.starts_with("->") ? fs::create_symlink(content.substr(2), base / path) : writeFile(base / path, content, 0600);
    }
    void TearDown() override { EXPECT_TRUE(!fs::exists(stagingRoot) || fs::is_empty(stagingRoot)); }
};

// Installed, the item is a complete copy; failed at any step, the installed item stays byte for byte.
// Either way what an interrupted run left is gone, anything else in the folder is kept, nothing of ours is left.
TEST_F(ForAllUsers, ReplacesTheInstalledItemOnlyByACompleteCopyWith755And644OwnedByRootWheel)
{
    const Entries kept = {{".keyboard-installer-.tmp", "kept"}, {".keyboard-installer-notes", "kept"}, {"Other.keylayout", "kept"}};
    const Entries left = {{".keyboard-installer-1F2E.tmp/half", "half"}, {".keyboard-installer-1F2E-old.tmp", "old"}};
    const std::string odd = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    struct Row { Entries installed, dropped; std::string tool = "bin/mkdir", work = "mkdir", error = ""; };
    // The step's words with the item as %n and the folder as %d.
    const auto failing = [&](const char* tool, const char* work, const std::string& step) {
        const std::string error = std::regex_replace(std::regex_replace(step, std::regex("%n"), "\"Foo.bundle\""), std::regex("%d"), system.string());
        return Row{{{"Foo.bundle/x", "installed"}}, {{"Foo.bundle/Contents/new", "newer"}, {"Foo.bundle/Contents/Big", std::string(1 << 16, 'x')}},
                   tool, work, "KeyboardInstaller 1 Couldn't " + error + "."};
    };
    const Row rows[] = {
        {{{"A.keylayout", "old"}}, {{"A.keylayout", "new"}}}, {{{"A.keylayout", "->../../../Downloads"}}, {{"A.keylayout", "newer"}}},
        {{{"Foo.bundle/stale", "old"}}, {{"Foo.bundle", "a file"}}}, {{{"Foo.bundle", "old"}}, {{"Foo.bundle/Contents/new", "a folder"}}},
        failing("bin/mkdir", "echo 'mkdir: x: Permission denied' >&2; false", "create %d for %n: Permission denied"),
        // Writes past the limit fail with EFBIG, as they fail with ENOSPC on a disk that fills up.
        failing("usr/bin/ditto", "trap '' XFSZ; ulimit -f 16; cp -R", "copy %n into %d: File too large"),
        failing("usr/bin/ditto", "rm -rf \"$1\"; cp -R", "copy %n into %d: No such file or directory"),
        failing("usr/sbin/chown", "echo 'chown: x: Operation not permitted' >&2; false", "set the owner of %n in %d: Operation not permitted"),
        failing("bin/chmod", "[ $1 != 755 ] && chmod", "set the permissions of %n in %d"),
        failing("bin/chmod", "echo 'x: Read-only file system.' >&2; [ $1 != 644 ] && chmod", "set the permissions of %n in %d: Read-only file system"),
        failing("bin/mv", "case $2 in *[0-9A-F].tmp) echo 'x: Input/output error' >&2; exit 1; esac; mv", "put %n in place in %d: Input/output error"),
        {{{odd + "/Contents/old-only", "stale"}}, {{odd + "/Contents/Resources/A.keylayout", "new"}, {odd + "/Contents/link", "->Resources"}}},
    };
    const std::regex owned(R"(chown -R root:wheel (.*/\.keyboard-installer-[0-9A-F-]{36}\.tmp)\n(find|chmod) [\s\S]*xattr -cr \1\nmv )");
    for (const auto& row : rows) {
        const std::string name = fs::path(row.dropped.begin()->first).begin()->string();
        SCOPED_TRACE(name + row.error);
        fs::remove_all(downloads), fs::remove_all(system), fs::remove_all(expected), fs::remove(folder / "log");
        plant(system, kept), plant(system, left), plant(system, row.installed), plant(downloads, row.dropped), tool(row.tool, row.work);
        plant(expected, kept), plant(expected, row.error.empty() ? row.dropped : row.installed);
        // Read-only folders, which the install has to open; what installing gives.
        const std::string modes = "find '" + downloads.string() + "' -mindepth 2 -type d -exec chmod 555 {} +; chmod -R a=rX,u+w ";
        ASSERT_EQ(std::system((row.error.empty() ? modes + shellQuote((expected / name).string()) : "").c_str()), 0);
        // A trailing slash, as a dropped folder's path may have, still names the item.
        EXPECT_EQ(install(downloads / (name + "/")), row.error);
        EXPECT_EQ(tree(system), tree(expected));
        EXPECT_EQ(readFile(folder / "staging-mode") + readFile(folder / "arguments"), "drwx------\n2 -c ");
        EXPECT_TRUE(!row.error.empty() || std::regex_search(readFile(folder / "log"), owned));
        tool(row.tool, works.at(row.tool));
    }
    // Asking an administrator runs the very same command.
    const std::string command = received();
    EXPECT_EQ(install(downloads / (odd + "/"), prompt), "");
    EXPECT_EQ(readFile(folder / "arguments") + received(), "2 -e do shell script " + appleScriptString(command) + " with administrator privileges");
}

// Refused before anything runs, or failed as osascript ends: the status and the message its outputs give.
TEST_F(ForAllUsers, AFailedRunOrARefusalThrowsItsStatusAndMessage)
{
    const std::string cancelled = "Administrator installation was cancelled or failed.", use = "POSIX 1 Couldn't use the folder \"" + stagingRoot.string();
    const auto then = [&](const std::string& script) { return [&, script] { standIn(script); }; };
    const auto open = [&](unsigned mode) { return [&, mode] { fs::create_directory(stagingRoot), fs::permissions(stagingRoot, fs::perms(mode)); }; };
    const struct { std::function<void()> prepare; std::string error; Elevation how = prompt; std::string item = "A.keylayout"; } rows[] = {
        {then("printf '\\n  0:108: execution error: User canceled. (-128)\\n\\n' >&2; exit 1"),
         "KeyboardInstaller 1 0:108: execution error: User canceled. (-128)"},
        {then("printf ' \\t\\r\\n ' >&2; echo not looked at; exit 5"), "KeyboardInstaller 5 " + cancelled},
        {then("printf '\\302\\240\\343\\200\\200first\\nsecond\\342\\200\\250' >&2; exit 5"), "KeyboardInstaller 5 first\nsecond"},
        {then("printf '\\377\\376' >&2; printf '  from output\\n'; exit 5"), "KeyboardInstaller 5 from output"},
        // Overlong encodings of "/" and "A": well-formed in shape only.
        {then("printf '\\300\\257' >&2; printf 'from output'; exit 5"), "KeyboardInstaller 5 from output"},
        {then("printf '\\377' >&2; printf '\\360\\200\\201\\201'; exit 5"), "KeyboardInstaller 5 " + cancelled},
        {then("kill -KILL $$"), "KeyboardInstaller 9 " + cancelled},
        // Both pipes far beyond their buffers: reading one to its end first would stall.
        {then("head -c 3000000 /dev/zero | tr '\\0' o; head -c 3000000 /dev/zero | tr '\\0' e >&2; exit 2"),
         "KeyboardInstaller 2 " + std::string(3'000'000, 'e')},
        {[] {}, "POSIX 22 Couldn't install \"" + (downloads / "..").string() + "\": it does not name a keyboard layout file or bundle.", prompt, ".."},
        {[&] { fs::create_directory_symlink(downloads, stagingRoot); }, use + "\": it is a symbolic link."},
        {open(0720), use + "\": other users may write to it."}, {open(0702), use + "\": other users may write to it."},
        {[&] { fs::remove(tools.osascript); }, "POSIX 2 Couldn't launch \"" + tools.osascript.string() + "\": No such file or directory."},
        {[&] { fs::permissions(tools.osascript, fs::perms(0400)); }, "POSIX 13 Couldn't launch \"" + tools.osascript.string() + "\": Permission denied."},
        {[&] { fs::remove(tools.shell); }, "POSIX 2 Couldn't launch \"" + tools.shell.string() + "\": No such file or directory.", asRoot},
    };
    for (const auto& row : rows) {
        fs::remove_all(stagingRoot), fs::remove(folder / "arguments"), standIn("");
        row.prepare();
        EXPECT_EQ(install(downloads / row.item, row.how), row.error);
        EXPECT_EQ(fs::exists(folder / "arguments"), row.error.starts_with("KeyboardInstaller")) << row.error;
    }
}

// Moved aside under a name of ours first, the item is never left half removed under its own name; a
// failed removal leaves only that sibling, which the next run takes away. A name not installed is refused first.
TEST_F(ForAllUsers, RemovesTheNamedItemThroughOneCommand)
{
    plant(system, {{"Foo.bundle/Contents/Foo.keylayout", "installed"}, {"Other.keylayout", "kept"}, {".keyboard-installer-1F2E-old.tmp", "left"}});
    for (const std::string name : {"", ".", "..", "Foo.bundle/Contents", "Missing.keylayout"})
        EXPECT_EQ(remove(name), name.starts_with("Missing") ? "POSIX 2 \"Missing.keylayout\" is not installed for all users."
                  : "POSIX 22 Couldn't remove \"" + name + "\": it does not name a keyboard layout file or bundle.");
    EXPECT_FALSE(fs::exists(folder / "received"));
    tool("bin/rm", "case $2 in *-old.tmp) echo 'rm: x: Operation not permitted' >&2; exit 1; esac; rm");
    EXPECT_EQ(remove("Foo.bundle"), "KeyboardInstaller 1 Couldn't remove \"Foo.bundle\" from " + system.string() + ": Operation not permitted.");
    const std::string d = system.string();
    EXPECT_EQ(received(), "d='" + d + "'; n='Foo.bundle'; p='" + d + "/Foo.bundle'; o='" + d + "/.keyboard-installer-UUID-old.tmp'; run() { w=$1; shift; "
                       "e=$(\"$@\" 2>&1 >/dev/null) && return; e=${e##*: }; printf '%s\\n' \"Couldn't $w${e:+: ${e%.}}.\" >&2; exit 1; }; "
                       "for x in \"$d\"/.keyboard-installer-?*.tmp; do /bin/rm -rf \"$x\" 2>/dev/null; done; "
                       "run \"remove \\\"$n\\\" from $d\" /bin/mv -f \"$p\" \"$o\"; run \"remove \\\"$n\\\" from $d\" /bin/rm -rf \"$o\"");
    tool("bin/rm", "rm");
    EXPECT_EQ(remove("Other.keylayout"), "");
    EXPECT_TRUE(fs::is_empty(system));
}
