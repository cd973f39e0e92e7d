#include "installer/system_install.h"
#include "platform/process.h"
#include "support/apple_script.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace fs = std::filesystem;
using namespace testing_support;

// Runs installForAllUsers as an ordinary user with a stand-in osascript that keeps its arguments,
// the staging folder's mode and a copy of the staging root, then does what the test gives it.
class InstallForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path temporary = folder / "tmp", osascript = folder / "osascript", downloads = folder / "Downloads";
    const fs::path stagingRoot = temporary / "morrowvane-keyboard-installer";
    // With a trailing slash, as the per-user temporary directory has it on macOS.
    const ScopedEnvironment tmpdir{"TMPDIR", temporary.string() + "/"};

    void SetUp() override { fs::create_directories(temporary), writeFile(downloads / "A.keylayout", "<keyboard/>", 0600), standIn(""); }
    void standIn(const std::string& then)
    {
        const std::string root = "'" + stagingRoot.string() + "'";
        writeScript(osascript, "cd '" + folder.path().string() + "'\nprintf '%s ' \"$#\" \"$1\" > arguments; printf '%s' \"$2\" > source\n"
                               "ls -ld " + root + "/* | cut -c1-10 > staging-mode; rm -rf staging; cp -R " + root + " staging\n" + then);
    }
    std::string failure(const fs::path& item)
    {
        return failureAsOrdinaryUser(folder.path(), [&] { installer::installForAllUsers(item, {.osascript = osascript}); });
    }
    void TearDown() override { EXPECT_TRUE(!fs::exists(stagingRoot) || fs::is_empty(stagingRoot)); }
};

// Runs the command osascript received in a sandbox of system tools that log their arguments.
TEST_F(InstallForAllUsers, ThePrivilegedCommandReplacesTheItemWholeWithModes755And644)
{
    const fs::path root = folder / "root", log = folder / "tools.log", system = root / "Library/Keyboard Layouts";
    for (const auto& [tool, work] : std::map<std::string, std::string>{
             {"bin/mkdir", "exec mkdir \"$@\""}, {"bin/rm", "exec rm \"$@\""}, {"usr/bin/ditto", "exec cp -R \"$1\" \"$2\""},
             {"usr/sbin/chown", ""}, {"usr/bin/find", "exec find \"$@\""}, {"bin/chmod", "exec chmod \"$@\""},
             {"usr/bin/xattr", "echo no >&2; exit 1"}})
        writeScript(root / tool, "{ basename \"$0\"; printf '[%s]' \"$@\"; echo; } >> '" + log.string() + "'\n" + work + "\n");
    const auto installAndRun = [&](const std::string& item) {
        EXPECT_EQ(failure(item), "");
        EXPECT_EQ(readFile(folder / "arguments") + readFile(folder / "staging-mode"), "2 -e drwx------\n");
        std::string command = readFile(folder / "source");
        EXPECT_TRUE(command.starts_with("do shell script ") && command.ends_with(" with administrator privileges"));
        command = decodeAppleScriptString(command.substr(16, command.size() - 16 - 30)).value_or("");
        command = std::regex_replace(command, std::regex("(^|; |-exec )/"), "$1" + root.string() + "/");
        command = std::regex_replace(command, std::regex("'/Library/"), "'" + root.string() + "/Library/");
        command.replace(command.find(stagingRoot.string()), stagingRoot.string().size(), (folder / "staging").string());
        const platform::ProcessResult result = platform::runToEnd("/bin/sh", {"-c", command});
        EXPECT_TRUE(result.succeeded() && result.standardError.empty()) << result.standardError;
        return fs::directory_iterator(folder / "staging")->path().filename().string();
    };

    const std::string name = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    writeFile(system / name / "Contents/old-only", "stale");
    writeFile(downloads / name / "Contents/Resources/Foo.keylayout", "<keyboard/>", 0600);
    fs::permissions(downloads / name / "Contents/Resources", static_cast<fs::perms>(0555));
    fs::permissions(downloads / name / "Contents", static_cast<fs::perms>(0500));
    const std::string uuid = installAndRun((downloads / name).string() + "/");
    const std::string to = (system / name).string(), chmod = (root / "bin/chmod").string();
    EXPECT_EQ(readFile(log), "mkdir\n[-p][" + system.string() + "]\nrm\n[-rf][" + to + "]\nditto\n["
                                 + (folder / "staging" / uuid / name).string() + "][" + to + "]\nchown\n[-R][root:wheel][" + to
                                 + "]\nfind\n[" + to + "][-type][d][-exec][" + chmod + "][755][{}][;]\nchmod\n[755][" + to
                                 + "]\nchmod\n[755][" + to + "/Contents]\nchmod\n[755][" + to + "/Contents/Resources]\nfind\n["
                                 + to + "][-type][f][-exec][" + chmod + "][644][{}][;]\nchmod\n[644][" + to
                                 + "/Contents/Resources/Foo.keylayout]\nxattr\n[-cr][" + to + "]\n");
    EXPECT_EQ(readFile(to + "/Contents/Resources/Foo.keylayout") + readFile(to + "/Contents/old-only"), "<keyboard/>");

    EXPECT_NE(installAndRun((downloads / "A.keylayout/").string()), uuid);
    EXPECT_EQ(fs::status(system / "A.keylayout").permissions(), fs::perms(0644));
}

TEST_F(InstallForAllUsers, AFailedOsascriptThrowsItsStatusAndTheMessageItsOutputsGive)
{
    const std::string cancelled = "Administrator installation was cancelled or failed.";
    const std::pair<std::string, std::string> rows[] = {  // what osascript does; the error
        {"printf '\\n  0:108: execution error: User canceled. (-128)\\n\\n' >&2; exit 1",
         "KeyboardInstaller 1 0:108: execution error: User canceled. (-128)"},
        {"printf ' \\t\\r\\n ' >&2; echo not looked at; exit 5", "KeyboardInstaller 5 " + cancelled},
        {"printf '\\302\\240\\343\\200\\200first\\nsecond\\342\\200\\250' >&2; exit 5", "KeyboardInstaller 5 first\nsecond"},
        {"printf '\\377\\376' >&2; printf '  from output\\n'; exit 5", "KeyboardInstaller 5 from output"},
        {"printf '\\377' >&2; printf '\\377'; exit 5", "KeyboardInstaller 5 " + cancelled},
        {"kill -KILL $$", "KeyboardInstaller 9 " + cancelled},
        // Both pipes far beyond their buffers: reading one to its end first would stall.
        {"head -c 3000000 /dev/zero | tr '\\0' o; head -c 3000000 /dev/zero | tr '\\0' e >&2; exit 2",
         "KeyboardInstaller 2 " + std::string(3'000'000, 'e')},
    };
    for (const auto& [then, expected] : rows) {
        standIn(then);
        EXPECT_EQ(failure(downloads / "A.keylayout"), expected) << then;
    }
}

TEST_F(InstallForAllUsers, WhatCannotBeStagedSafelyIsRefusedBeforeOsascriptRuns)
{
    const struct { fs::path item; std::function<void()> prepare; std::string error; } rows[] = {
        {downloads / "..", [] {}, "does not name a keyboard layout"},
        {downloads / "A.keylayout", [&] { fs::create_directory_symlink(downloads, stagingRoot); }, "symbolic link"},
        {downloads / "A.keylayout", [&] { fs::create_directory(stagingRoot), fs::permissions(stagingRoot, fs::perms::all); },
         "other users may write"},
        {downloads / "A.keylayout", [&] { fs::remove(osascript); },
         "POSIX 2 Couldn't launch \"" + osascript.string() + "\": No such file or directory."},
    };
    for (const auto& row : rows) {
        fs::remove_all(stagingRoot);
        row.prepare();
        EXPECT_NE(failure(row.item).find(row.error), std::string::npos) << row.error;
    }
    EXPECT_FALSE(fs::exists(folder / "arguments"));
}
