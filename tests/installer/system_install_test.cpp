#include "installer/system_install.h"
#include "platform/error.h"
#include "platform/process.h"
#include "support/apple_script.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

const std::string defaultFailure = "Administrator installation was cancelled or failed.";

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Runs installForAllUsers with a stand-in osascript that records its arguments and a copy of
// the staging root, then does what the test gives it.
class InstallForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path temporary = folder / "tmp", record = folder / "record", osascript = folder / "osascript";
    const fs::path downloads = folder / "Downloads", stagingRoot = temporary / "morrowvane-keyboard-installer";
    // With a trailing slash, as the per-user temporary directory has it on macOS.
    const ScopedEnvironment tmpdir{"TMPDIR", temporary.string() + "/"};

    void SetUp() override
    {
        fs::create_directories(temporary);
        writeFile(downloads / "A.keylayout", "<keyboard/>");
        standIn("");
    }
    void standIn(const std::string& then)
    {
        writeScript(osascript, "printf '%s\\n' \"$@\" > '" + record.string() + "'\nls -ld \"$TMPDIR\"/*/* | cut -c1-10 >> '"
                                   + record.string() + "'\ncp -R '" + stagingRoot.string() + "' '" + folder.path().string()
                                   + "/staging'\n" + then);
    }
    // What osascript was given: "-e", the source; then the staging folder's mode.
    std::vector<std::string> recorded() const
    {
        std::vector<std::string> lines{""};
        for (const char c : readFile(record))
            c == '\n' ? lines.push_back("") : lines.back().push_back(c);
        return lines;
    }
    std::string stagedUuid() const { return fs::directory_iterator(folder / "staging")->path().filename(); }
    std::string failure(const fs::path& item, const fs::path& program)
    {
        try {
            installer::installForAllUsers(item, program);
        } catch (const platform::Error& error) {
            return error.domain() + " " + std::to_string(error.code()) + " " + error.localizedDescription();
        }
        return "no error";
    }
    void TearDown() override { EXPECT_TRUE(!fs::exists(stagingRoot) || fs::is_empty(stagingRoot)); }
};

}  // namespace

TEST_F(InstallForAllUsers, PassesTheWorkedExampleToOsascriptFromAFreshPrivateStagingFolder)
{
    writeFile(downloads / "My Layout.keylayout", "<keyboard/>");
    installer::installForAllUsers(downloads / "My Layout.keylayout", osascript);
    const std::string uuid = stagedUuid(), destination = "'/Library/Keyboard Layouts/My Layout.keylayout'";
    EXPECT_TRUE(std::regex_match(uuid, std::regex("[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}")));
    const std::vector<std::string> expected = {
        "-e",
        "do shell script \"/bin/mkdir -p '/Library/Keyboard Layouts'; /bin/rm -rf " + destination + "; /usr/bin/ditto '"
            + temporary.string() + "/morrowvane-keyboard-installer/" + uuid + "/My Layout.keylayout' " + destination
            + "; /usr/sbin/chown -R root:wheel " + destination + "; /usr/bin/find " + destination
            + " -type d -exec /bin/chmod 755 {} \\\\;; /usr/bin/find " + destination
            + " -type f -exec /bin/chmod 644 {} \\\\;; /usr/bin/xattr -cr " + destination
            + " 2>/dev/null || true\" with administrator privileges",
        "drwx------", ""};
    EXPECT_EQ(recorded(), expected);
    EXPECT_EQ(readFile(folder / "staging" / uuid / "My Layout.keylayout"), "<keyboard/>");
    EXPECT_EQ(modeOf(stagingRoot), 0700u);

    fs::remove_all(folder / "staging");
    installer::installForAllUsers(downloads / "My Layout.keylayout", osascript);
    EXPECT_NE(stagedUuid(), uuid);
}

TEST_F(InstallForAllUsers, ABundleWithReadOnlyFoldersAndATrailingSlashIsStagedUnderItsName)
{
    writeFile(downloads / "Foo.bundle/Contents/Resources/Foo.keylayout", "x");
    fs::permissions(downloads / "Foo.bundle/Contents/Resources", static_cast<fs::perms>(0555));
    fs::permissions(downloads / "Foo.bundle/Contents", static_cast<fs::perms>(0555));
    const auto error = runAsOrdinaryUser(folder.path(), [&] {
        installer::installForAllUsers(downloads.string() + "/Foo.bundle/", osascript);
    });
    EXPECT_FALSE(error.has_value()) << error->message;
    EXPECT_NE(recorded().at(1).find("/bin/rm -rf '/Library/Keyboard Layouts/Foo.bundle';"), std::string::npos);
}

TEST_F(InstallForAllUsers, AFailedOsascriptThrowsItsStatusAndTheMessageItsOutputsGive)
{
    const std::vector<std::pair<std::string, std::string>> rows = {  // what osascript does; the error
        {"printf '\\n  0:108: execution error: User canceled. (-128)\\n\\n' >&2; exit 1",
         "KeyboardInstaller 1 0:108: execution error: User canceled. (-128)"},
        {"echo not looked at; exit 5", "KeyboardInstaller 5 " + defaultFailure},
        {"printf ' \\t\\r\\n ' >&2; echo not looked at; exit 5", "KeyboardInstaller 5 " + defaultFailure},
        {"printf ' first\\nsecond \\n' >&2; exit 5", "KeyboardInstaller 5 first\nsecond"},
        {"printf '\\302\\240\\343\\200\\200text\\342\\200\\250' >&2; exit 5", "KeyboardInstaller 5 text"},
        {"printf '\\364\\217\\277\\277 \\360\\237\\230\\200' >&2; exit 3", "KeyboardInstaller 3 \xF4\x8F\xBF\xBF \xF0\x9F\x98\x80"},
        {"printf '\\377\\376' >&2; printf '  from output\\n'; exit 5", "KeyboardInstaller 5 from output"},
        {"printf 'ok\\346\\227x' >&2; echo cut; exit 5", "KeyboardInstaller 5 cut"},
        {"printf '\\300\\257' >&2; echo overlong; exit 5", "KeyboardInstaller 5 overlong"},
        {"printf '\\355\\240\\200' >&2; echo surrogate; exit 5", "KeyboardInstaller 5 surrogate"},
        {"printf '\\364\\220\\200\\200' >&2; echo beyond; exit 5", "KeyboardInstaller 5 beyond"},
        {"printf '\\377' >&2; printf '\\377'; exit 5", "KeyboardInstaller 5 " + defaultFailure},
        {"kill -KILL $$", "KeyboardInstaller 9 " + defaultFailure},
        // Both pipes far beyond their buffers: reading one to its end first would stall.
        {"head -c 3000000 /dev/zero | tr '\\0' o; head -c 3000000 /dev/zero | tr '\\0' e >&2; exit 2",
         "KeyboardInstaller 2 " + std::string(3'000'000, 'e')},
    };
    for (const auto& [then, expected] : rows) {
        standIn(then);
        EXPECT_EQ(failure(downloads / "A.keylayout", osascript), expected) << then;
    }
}

TEST_F(InstallForAllUsers, WhatCannotBeStagedSafelyIsRefusedBeforeOsascriptRuns)
{
    EXPECT_EQ(failure(downloads / "A.keylayout", folder / "no/osascript"),
              "POSIX 2 Couldn't launch \"" + (folder / "no/osascript").string() + "\": No such file or directory.");
    for (const fs::path& nameless : {fs::path("/"), fs::path(""), downloads / ".."})
        EXPECT_NE(failure(nameless, osascript).find("does not name a keyboard layout"), std::string::npos);

    writeFile(downloads / "Foo.bundle/Contents/Foo.keylayout", "secret", 0000);
    const auto unreadable = runAsOrdinaryUser(folder.path(), [&] {
        installer::installForAllUsers(downloads / "Foo.bundle", osascript);
    });
    EXPECT_NE(unreadable.value_or(ThrownError{}).message.find("Permission denied"), std::string::npos);

    fs::remove_all(stagingRoot);
    fs::create_directory_symlink(downloads, stagingRoot);
    EXPECT_NE(failure(downloads / "A.keylayout", osascript).find("symbolic link"), std::string::npos);
    fs::remove(stagingRoot);
    fs::create_directory(stagingRoot);
    fs::permissions(stagingRoot, static_cast<fs::perms>(0777));
    EXPECT_NE(failure(downloads / "A.keylayout", osascript).find("other users may write"), std::string::npos);
    const ScopedEnvironment missing{"TMPDIR", (folder / "gone").string()};
    EXPECT_NE(failure(downloads / "A.keylayout", osascript).find("Couldn't find the temporary folder: "), std::string::npos);
    EXPECT_FALSE(fs::exists(record));
}

// Runs the command osascript received in a sandbox, each system tool replaced by one that
// logs its arguments and does the work there.
TEST_F(InstallForAllUsers, ThePrivilegedCommandReplacesTheItemWholeWithModes755And644)
{
    const fs::path tools = folder / "tools", log = folder / "tools.log", system = folder / "Library/Keyboard Layouts";
    const std::string logCall = "{ basename \"$0\"; printf '[%s]' \"$@\"; echo; } >> '" + log.string() + "'\n";
    for (const auto& [tool, work] : std::vector<std::pair<std::string, std::string>>{
             {"mkdir", "exec mkdir \"$@\""}, {"rm", "exec rm \"$@\""}, {"ditto", "exec cp -R \"$1\" \"$2\""},
             {"chown", ""}, {"find", "exec find \"$@\""}, {"chmod", "exec chmod \"$@\""}, {"xattr", "echo no >&2; exit 1"}})
        writeScript(tools / tool, logCall + work + "\n");
    const auto installAndRun = [&](const fs::path& item) {
        fs::remove_all(folder / "staging");
        installer::installForAllUsers(item, osascript);
        std::string command = recorded().at(1);
        ASSERT_TRUE(command.starts_with("do shell script ") && command.ends_with(" with administrator privileges"));
        command = decodeAppleScriptString(command.substr(16, command.size() - 16 - 30)).value_or("");
        command = replaceAll(command, "'" + stagingRoot.string(), "'" + (folder / "staging").string());
        command = replaceAll(command, "'/Library/Keyboard Layouts", "'" + system.string());
        for (const char* tool : {"/bin/mkdir", "/bin/rm", "/usr/bin/ditto", "/usr/sbin/chown", "/usr/bin/find",
                                 "/bin/chmod", "/usr/bin/xattr"})
            command = replaceAll(command, std::string(tool) + " ", (tools / fs::path(tool).filename()).string() + " ");
        const platform::ProcessResult result = platform::runToEnd("/bin/sh", {"-c", command});
        EXPECT_TRUE(result.succeeded() && result.standardError.empty()) << result.standardError;
    };

    const std::string name = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    writeFile(system / name / "Contents/old-only", "stale");
    writeFile(downloads / name / "Contents/Foo.keylayout", "<keyboard/>", 0600);
    fs::permissions(downloads / name / "Contents", static_cast<fs::perms>(0700));
    installAndRun(downloads / name);
    const std::string to = (system / name).string(), staged = (folder / "staging" / stagedUuid() / name).string();
    const std::string chmod = (tools / "chmod").string();
    EXPECT_EQ(readFile(log), "mkdir\n[-p][" + system.string() + "]\nrm\n[-rf][" + to + "]\nditto\n[" + staged + "]["
                                 + to + "]\nchown\n[-R][root:wheel][" + to + "]\nfind\n[" + to + "][-type][d][-exec]["
                                 + chmod + "][755][{}][;]\nchmod\n[755][" + to + "]\nchmod\n[755][" + to
                                 + "/Contents]\nfind\n[" + to + "][-type][f][-exec][" + chmod + "][644][{}][;]\nchmod\n[644]["
                                 + to + "/Contents/Foo.keylayout]\nxattr\n[-cr][" + to + "]\n");
    EXPECT_FALSE(fs::exists(system / name / "Contents/old-only"));
    EXPECT_EQ(readFile(system / name / "Contents/Foo.keylayout"), "<keyboard/>");
    EXPECT_EQ(std::vector<mode_t>({modeOf(to), modeOf(to + "/Contents"), modeOf(to + "/Contents/Foo.keylayout")}),
              std::vector<mode_t>({0755, 0755, 0644}));

    writeFile(downloads / "B.keylayout", "<keyboard/>", 0600);
    installAndRun(downloads / "B.keylayout");
    EXPECT_EQ(modeOf(system / "B.keylayout"), 0644u);
}
