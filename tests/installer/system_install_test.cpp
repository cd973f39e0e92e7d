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
using installer::installForAllUsers;
using testing_support::modeOf;
using testing_support::readFile;
using testing_support::ScopedEnvironment;
using testing_support::TemporaryFolder;
using testing_support::writeFile;
using testing_support::writeScript;

namespace {

const std::string defaultFailure = "Administrator installation was cancelled or failed.";

// Stands in for osascript: records its arguments, copies the staging root aside while the
// staged item is there, and ends as the test asks through STANDIN_* variables.
constexpr const char* standInOsascript = R"(
record="$STANDIN_RECORD"
printf '%s' "$#" > "$record/argc"
printf '%s' "$1" > "$record/arg1"
printf '%s' "$2" > "$record/arg2"
ls -ld "$TMPDIR"/morrowvane-keyboard-installer/* | cut -c1-10 > "$record/staging-mode"
cp -R "$TMPDIR/morrowvane-keyboard-installer" "$record/staging-copy"
printf "${STANDIN_STDOUT:-}"
printf "${STANDIN_STDERR:-}" >&2
[ -n "${STANDIN_SIGNAL:-}" ] && kill -"$STANDIN_SIGNAL" $$
exit "${STANDIN_STATUS:-0}"
)";

class InstallForAllUsers : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path temporary = folder / "tmp";
    const fs::path record = folder / "record";
    const fs::path osascript = folder / "bin/osascript";
    const fs::path downloads = folder / "Downloads";
    // With a trailing slash, as the per-user temporary directory has it on macOS.
    const ScopedEnvironment tmpdir{"TMPDIR", temporary.string() + "/"};
    const ScopedEnvironment recordTo{"STANDIN_RECORD", record.string()};

    void SetUp() override
    {
        fs::create_directories(temporary);
        fs::create_directories(record);
        writeScript(osascript, standInOsascript);
    }

    fs::path stagingRoot() const { return temporary / "morrowvane-keyboard-installer"; }
    bool osascriptRan() const { return fs::exists(record / "argc"); }
    std::string appleScript() const { return readFile(record / "arg2"); }

    // The one staging folder osascript saw, by its UUID name.
    std::string stagedUuid() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(record / "staging-copy"))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names.size(), 1u);
        return names.empty() ? "" : names.front();
    }

    platform::Error expectError(const fs::path& item)
    {
        try {
            installForAllUsers(item, osascript);
        } catch (const platform::Error& error) {
            return error;
        }
        ADD_FAILURE() << "installForAllUsers should have thrown";
        return platform::Error("", 0, "");
    }

    void expectNoStagingFolderLeft() const
    {
        if (fs::exists(stagingRoot())) {
            EXPECT_TRUE(fs::is_empty(stagingRoot()));
        }
    }
};

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TEST_F(InstallForAllUsers, PassesExactlyTheWorkedExampleToOsascript)
{
    writeFile(downloads / "My Layout.keylayout", "<keyboard/>");
    installForAllUsers(downloads / "My Layout.keylayout", osascript);

    const std::string uuid = stagedUuid();
    EXPECT_TRUE(std::regex_match(uuid, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}")));
    const std::string staged = temporary.string() + "/morrowvane-keyboard-installer/" + uuid + "/My Layout.keylayout";
    const std::string destination = "'/Library/Keyboard Layouts/My Layout.keylayout'";
    EXPECT_EQ(readFile(record / "argc"), "2");
    EXPECT_EQ(readFile(record / "arg1"), "-e");
    EXPECT_EQ(appleScript(),
              "do shell script \"/bin/mkdir -p '/Library/Keyboard Layouts'; /bin/rm -rf " + destination
                  + "; /usr/bin/ditto '" + staged + "' " + destination + "; /usr/sbin/chown -R root:wheel "
                  + destination + "; /usr/bin/find " + destination + " -type d -exec /bin/chmod 755 {} \\\\;; "
                  + "/usr/bin/find " + destination + " -type f -exec /bin/chmod 644 {} \\\\;; /usr/bin/xattr -cr "
                  + destination + " 2>/dev/null || true\" with administrator privileges");
    EXPECT_EQ(readFile(record / "staging-copy" / uuid / "My Layout.keylayout"), "<keyboard/>");
}

TEST_F(InstallForAllUsers, StagesInAPrivateFolderThatIsGoneAfterwards)
{
    writeFile(downloads / "A.keylayout", "a");
    installForAllUsers(downloads / "A.keylayout", osascript);
    const std::string first = stagedUuid();
    EXPECT_EQ(readFile(record / "staging-mode"), "drwx------\n");
    EXPECT_EQ(modeOf(stagingRoot()), 0700u);
    expectNoStagingFolderLeft();

    fs::remove_all(record / "staging-copy");
    installForAllUsers(downloads / "A.keylayout", osascript);
    EXPECT_NE(stagedUuid(), first);
    expectNoStagingFolderLeft();
    EXPECT_EQ(readFile(downloads / "A.keylayout"), "a");
}

TEST_F(InstallForAllUsers, ACancelledPromptThrowsOsascriptsTrimmedError)
{
    writeFile(downloads / "A.keylayout", "a");
    const ScopedEnvironment status{"STANDIN_STATUS", "1"};
    const ScopedEnvironment stderrText{"STANDIN_STDERR", "\\n  0:108: execution error: User canceled. (-128)\\n\\n"};
    const platform::Error error = expectError(downloads / "A.keylayout");
    EXPECT_EQ(error.domain(), "KeyboardInstaller");
    EXPECT_EQ(error.code(), 1);
    EXPECT_EQ(error.localizedDescription(), "0:108: execution error: User canceled. (-128)");
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, FailureMessageFollowsTheOutputs)
{
    writeFile(downloads / "A.keylayout", "a");
    const ScopedEnvironment status{"STANDIN_STATUS", "5"};
    struct Case {
        const char* standardError;
        const char* standardOutput;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", "output is not looked at", defaultFailure},
        {" \\t\\r\\n ", "output is not looked at", defaultFailure},
        {"\\377\\376 not UTF-8", "  from standard output\\n", "from standard output"},
        {"\\377", "\\377", defaultFailure},
        {"\\377", "", defaultFailure},
        {" first line\\nsecond line \\n", "", "first line\nsecond line"},
    };
    for (const Case& c : cases) {
        const ScopedEnvironment stderrText{"STANDIN_STDERR", c.standardError};
        const ScopedEnvironment stdoutText{"STANDIN_STDOUT", c.standardOutput};
        const platform::Error error = expectError(downloads / "A.keylayout");
        EXPECT_EQ(error.localizedDescription(), c.expected) << "standard error: " << c.standardError;
        EXPECT_EQ(error.code(), 5);
    }
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, OsascriptKilledByASignalIsAFailure)
{
    writeFile(downloads / "A.keylayout", "a");
    const ScopedEnvironment signal{"STANDIN_SIGNAL", "KILL"};
    const platform::Error error = expectError(downloads / "A.keylayout");
    EXPECT_EQ(error.domain(), "KeyboardInstaller");
    EXPECT_EQ(error.code(), 9);
    EXPECT_EQ(error.localizedDescription(), defaultFailure);
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, AChattyOsascriptCannotStallTheCall)
{
    writeFile(downloads / "A.keylayout", "a");
    writeScript(osascript, "head -c 3000000 /dev/zero | tr '\\0' o\nhead -c 3000000 /dev/zero | tr '\\0' e >&2\nexit 2\n");
    const platform::Error error = expectError(downloads / "A.keylayout");
    EXPECT_EQ(error.code(), 2);
    EXPECT_EQ(error.localizedDescription(), std::string(3'000'000, 'e'));
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, AMissingOsascriptThrowsTheLaunchError)
{
    writeFile(downloads / "A.keylayout", "a");
    try {
        installForAllUsers(downloads / "A.keylayout", folder / "no/osascript");
        FAIL() << "launch should have failed";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.domain(), "POSIX");
        EXPECT_EQ(error.localizedDescription(),
                  "Couldn't launch \"" + (folder / "no/osascript").string() + "\": No such file or directory.");
    }
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, AStagingRootOthersCouldTamperWithIsRefusedBeforeAnythingRuns)
{
    writeFile(downloads / "A.keylayout", "a");
    fs::create_directories(folder / "elsewhere");
    fs::create_directory_symlink(folder / "elsewhere", stagingRoot());
    EXPECT_NE(expectError(downloads / "A.keylayout").localizedDescription().find("symbolic link"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder / "elsewhere"));

    fs::remove(stagingRoot());
    fs::create_directory(stagingRoot());
    fs::permissions(stagingRoot(), static_cast<fs::perms>(0777));
    EXPECT_NE(expectError(downloads / "A.keylayout").localizedDescription().find("other users may write"),
              std::string::npos);
    EXPECT_TRUE(fs::is_empty(stagingRoot()));
    EXPECT_FALSE(osascriptRan());
}

TEST_F(InstallForAllUsers, AFailedStagingCopyThrowsAndCleansUp)
{
    writeFile(downloads / "Foo.bundle/Contents/Foo.keylayout", "secret", 0000);
    const auto error = testing_support::runAsOrdinaryUser(folder.path(), [&] {
        installForAllUsers(downloads / "Foo.bundle", osascript);
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->domain, "POSIX");
    EXPECT_NE(error->message.find("Permission denied"), std::string::npos) << error->message;
    EXPECT_FALSE(osascriptRan());
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, ReadOnlyFoldersOfABundleDoNotOutliveTheCall)
{
    writeFile(downloads / "Foo.bundle/Contents/Resources/Foo.keylayout", "x");
    fs::permissions(downloads / "Foo.bundle/Contents/Resources", static_cast<fs::perms>(0555));
    fs::permissions(downloads / "Foo.bundle/Contents", static_cast<fs::perms>(0555));
    const auto error = testing_support::runAsOrdinaryUser(folder.path(), [&] {
        installForAllUsers(downloads / "Foo.bundle", osascript);
    });
    EXPECT_FALSE(error.has_value()) << error->message;
    EXPECT_TRUE(osascriptRan());
    expectNoStagingFolderLeft();
}

TEST_F(InstallForAllUsers, AMissingTemporaryFolderIsAReadableError)
{
    writeFile(downloads / "A.keylayout", "a");
    const ScopedEnvironment missing{"TMPDIR", (folder / "gone").string()};
    const platform::Error error = expectError(downloads / "A.keylayout");
    EXPECT_EQ(error.domain(), "POSIX");
    EXPECT_EQ(error.localizedDescription().rfind("Couldn't find the temporary folder: ", 0), 0u)
        << error.localizedDescription();
    EXPECT_FALSE(osascriptRan());
}

TEST_F(InstallForAllUsers, ABundlePathWithATrailingSlashNamesTheBundle)
{
    writeFile(downloads / "Foo.bundle/Contents/Foo.keylayout", "x");
    installForAllUsers(downloads.string() + "/Foo.bundle/", osascript);
    const auto command = testing_support::shellCommandOf(appleScript());
    ASSERT_TRUE(command.has_value());
    EXPECT_NE(command->find("/bin/rm -rf '/Library/Keyboard Layouts/Foo.bundle';"), std::string::npos);
    EXPECT_EQ(command->find("'/Library/Keyboard Layouts/'"), std::string::npos);

    fs::remove_all(record);
    fs::create_directories(record);
    for (const fs::path& nameless : {fs::path("/"), fs::path(""), downloads / "Foo.bundle/.."})
        EXPECT_EQ(expectError(nameless).domain(), "POSIX");
    EXPECT_FALSE(osascriptRan());
}

// Runs the privileged command that osascript received, with each system tool replaced by a
// stand-in that logs its arguments and does the work inside a sandbox.
class PrivilegedCommand : public InstallForAllUsers {
protected:
    const fs::path tools = folder / "tools";
    const fs::path sandbox = folder / "sandbox";
    const fs::path log = folder / "tools.log";

    void SetUp() override
    {
        InstallForAllUsers::SetUp();
        // Each call logs its name and arguments, NUL-separated, so any byte of a name survives.
        const std::string logCall = "{ printf '%s\\0' \"$(basename \"$0\")\" \"$#\"; printf '%s\\0' \"$@\"; } >> \"" + log.string() + "\"\n";
        writeScript(tools / "mkdir", logCall + "exec /bin/mkdir \"$@\"\n");
        writeScript(tools / "rm", logCall + "exec /bin/rm \"$@\"\n");
        writeScript(tools / "ditto", logCall + "exec cp -R \"$1\" \"$2\"\n");
        writeScript(tools / "chown", logCall);  // root:wheel needs root on a Mac
        writeScript(tools / "find", logCall + "exec find \"$@\"\n");
        writeScript(tools / "chmod", logCall + "exec chmod \"$@\"\n");
        writeScript(tools / "xattr", logCall + "echo 'no such option' >&2; exit 1\n");
    }

    // Installs `item` and runs the command osascript was given; returns the logged calls.
    std::vector<std::vector<std::string>> installAndRun(const fs::path& item)
    {
        installForAllUsers(item, osascript);
        const auto command = testing_support::shellCommandOf(appleScript());
        EXPECT_TRUE(command.has_value()) << appleScript();
        std::string runnable = command.value_or("");
        const std::string stagingPrefix = temporary.string() + "/morrowvane-keyboard-installer/";
        runnable = replaceAll(runnable, "'" + stagingPrefix, "'" + (record / "staging-copy").string() + "/");
        runnable = replaceAll(runnable, "'/Library/Keyboard Layouts", "'" + (sandbox / "Library/Keyboard Layouts").string());
        for (const char* tool : {"/bin/mkdir ", "/bin/rm ", "/usr/bin/ditto ", "/usr/sbin/chown ", "/usr/bin/find ",
                                 "/bin/chmod ", "/usr/bin/xattr "})
            runnable = replaceAll(runnable, tool, (tools / fs::path(tool).filename()).string() + " ");
        const platform::ProcessResult result = platform::runToEnd("/bin/sh", {"-c", runnable});
        EXPECT_TRUE(result.succeeded()) << result.standardError;
        EXPECT_EQ(result.standardError, "");
        return calls();
    }

    std::vector<std::vector<std::string>> calls() const
    {
        const std::string text = readFile(log);
        std::vector<std::string> fields;
        for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
            fields.push_back(text.substr(start, end - start));
        std::vector<std::vector<std::string>> result;
        for (std::size_t at = 0; at + 1 < fields.size();) {
            const std::size_t count = std::stoul(fields[at + 1]);
            std::vector<std::string> call{fields[at]};
            call.insert(call.end(), fields.begin() + static_cast<long>(at) + 2,
                        fields.begin() + static_cast<long>(at + 2 + count));
            result.push_back(call);
            at += 2 + count;
        }
        return result;
    }
};

TEST_F(PrivilegedCommand, EachPathArrivesAsOneIntactWord)
{
    const std::string name = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    writeFile(downloads / name / "Contents/Info.plist", "<plist/>");
    const auto logged = installAndRun(downloads / name);

    const std::string system = (sandbox / "Library/Keyboard Layouts").string();
    const std::string destination = system + "/" + name;
    const std::string staged = (record / "staging-copy" / stagedUuid() / name).string();
    const std::string chmod = (tools / "chmod").string();
    const std::vector<std::vector<std::string>> expected = {
        {"mkdir", "-p", system},
        {"rm", "-rf", destination},
        {"ditto", staged, destination},
        {"chown", "-R", "root:wheel", destination},
        {"find", destination, "-type", "d", "-exec", chmod, "755", "{}", ";"},
        {"chmod", "755", destination},
        {"chmod", "755", destination + "/Contents"},
        {"find", destination, "-type", "f", "-exec", chmod, "644", "{}", ";"},
        {"chmod", "644", destination + "/Contents/Info.plist"},
        {"xattr", "-cr", destination},
    };
    EXPECT_EQ(logged, expected);
}

TEST_F(PrivilegedCommand, ReplacesTheOldItemWholeAndSetsModes755And644)
{
    writeFile(sandbox / "Library/Keyboard Layouts/Foo.bundle/Contents/old-only", "stale");
    writeFile(downloads / "Foo.bundle/Contents/Resources/Foo.keylayout", "<keyboard/>", 0600);
    writeFile(downloads / "Foo.bundle/Contents/Resources/script", "#!/bin/sh\n", 0755);
    fs::permissions(downloads / "Foo.bundle/Contents", static_cast<fs::perms>(0700));
    installAndRun(downloads / "Foo.bundle");

    const fs::path installed = sandbox / "Library/Keyboard Layouts/Foo.bundle";
    EXPECT_FALSE(fs::exists(installed / "Contents/old-only"));
    EXPECT_EQ(readFile(installed / "Contents/Resources/Foo.keylayout"), "<keyboard/>");
    for (const fs::path& folder : {installed, installed / "Contents", installed / "Contents/Resources"})
        EXPECT_EQ(modeOf(folder), 0755u) << folder;
    for (const fs::path& file : {installed / "Contents/Resources/Foo.keylayout", installed / "Contents/Resources/script"})
        EXPECT_EQ(modeOf(file), 0644u) << file;
}

TEST_F(PrivilegedCommand, ASingleFileLayoutGetsMode644)
{
    writeFile(downloads / "My Layout.keylayout", "<keyboard/>", 0600);
    installAndRun(downloads / "My Layout.keylayout");
    EXPECT_EQ(modeOf(sandbox / "Library/Keyboard Layouts/My Layout.keylayout"), 0644u);
    EXPECT_EQ(readFile(sandbox / "Library/Keyboard Layouts/My Layout.keylayout"), "<keyboard/>");
}
