#include "installer/refresh.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>

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
