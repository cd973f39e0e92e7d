#include "installer/refresh.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>

using testing_support::readFile;
using testing_support::TemporaryFolder;
using testing_support::waitForFile;

TEST(RunProcess, StartsTheProgramWithItsArguments)
{
    const TemporaryFolder folder;
    installer::runProcess("/bin/sh", {"-c", "printf '%s' \"$1\" > \"$0\"", (folder / "out").string(), "a b"});
    ASSERT_TRUE(waitForFile(folder / "out"));
    // The file may exist before the write lands.
    for (int i = 0; i < 200 && readFile(folder / "out").empty(); ++i)
        ::usleep(10'000);
    EXPECT_EQ(readFile(folder / "out"), "a b");
}

TEST(RunProcess, AFailedLaunchIsDroppedSilently)
{
    EXPECT_NO_THROW(installer::runProcess("/nonexistent/killall", {"cfprefsd"}));
    EXPECT_NO_THROW(installer::runProcess("", {}));
}

TEST(RefreshInputSources, ReturnsNormallyAndLeavesNoChildren)
{
    // Here the services don't exist and killall may be missing: both must go unnoticed.
    EXPECT_NO_THROW(installer::refreshInputSources());
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
