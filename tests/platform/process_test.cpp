#include "platform/error.h"
#include "platform/process.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

using platform::ProcessResult;
using platform::runToEnd;
using testing_support::readFile;
using testing_support::TemporaryFolder;
using testing_support::waitForFile;
using testing_support::writeScript;

TEST(RunToEnd, SeparatesOutputsAndReportsTheExitStatus)
{
    const ProcessResult result = runToEnd("/bin/sh", {"-c", "printf out; printf err >&2; exit 7"});
    EXPECT_EQ(result.standardOutput, "out");
    EXPECT_EQ(result.standardError, "err");
    EXPECT_EQ(result.terminationStatus, 7);
    EXPECT_FALSE(result.killedBySignal);
    EXPECT_FALSE(result.succeeded());
    EXPECT_TRUE(runToEnd("/bin/sh", {"-c", "exit 0"}).succeeded());
}

TEST(RunToEnd, PassesEachArgumentAsOneWordWithoutAShell)
{
    const ProcessResult result = runToEnd("/bin/sh", {"-c", "printf '%s|' \"$@\"", "sh", "a b", "'$HOME'", "", "x\ny"});
    EXPECT_EQ(result.standardOutput, "a b|'$HOME'||x\ny|");
}

TEST(LaunchDetached, ReturnsWhileTheProgramStillRuns)
{
    const TemporaryFolder folder;
    const auto gate = folder / "gate";
    ASSERT_EQ(::mkfifo(gate.c_str(), 0600), 0);
    // The program blocks until the test opens the gate, so it can't have ended by the return.
    platform::launchDetached("/bin/sh", {"-c", "read line < \"$0\"; echo \"$line\" > \"$0.done\"", gate.string()});
    EXPECT_FALSE(std::filesystem::exists(folder / "gate.done"));
    std::ofstream(gate) << "opened\n";
    ASSERT_TRUE(waitForFile(folder / "gate.done"));
}

TEST(LaunchDetached, LeavesNoChildToReap)
{
    const TemporaryFolder folder;
    platform::launchDetached("/bin/sh", {"-c", "touch \"$0\"", (folder / "ran").string()});
    ASSERT_TRUE(waitForFile(folder / "ran"));
    // The program belongs to init, and the middle child has been reaped already.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(LaunchDetached, StartsAProgramWithNoArgumentsButItsName)
{
    const TemporaryFolder folder;
    const auto script = folder / "count arguments";
    writeScript(script, "echo \"$# $0\" > \"$(dirname \"$0\")/count\"\n");
    platform::launchDetached(script.string(), {});
    ASSERT_TRUE(waitForFile(folder / "count"));
    EXPECT_EQ(readFile(folder / "count"), "0 " + script.string() + "\n");
}

TEST(LaunchDetached, ThrowsWhenTheProgramCannotBeStarted)
{
    const TemporaryFolder folder;
    testing_support::writeFile(folder / "not-executable", "#!/bin/sh\n", 0644);
    const auto launchError = [](const std::string& path) -> long {
        try {
            platform::launchDetached(path, {"TextInputMenuAgent"});
        } catch (const platform::Error& error) {
            EXPECT_NE(error.localizedDescription().find("Couldn't launch \"" + path + "\""), std::string::npos);
            return error.code();
        }
        return 0;
    };
    EXPECT_EQ(launchError("/nonexistent/killall"), ENOENT);
    EXPECT_EQ(launchError((folder / "not-executable").string()), EACCES);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a failed launch left a child behind";
}
