#include "installer/refresh.h"
#include "platform/process.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cerrno>

using namespace testing_support;

TEST(RefreshInputSources, KillsTheThreeServicesInOrderWithoutWaitingAndLeavesNoChildren)
{
    const TemporaryFolder folder;
    // Each call waits for the test to open the gate, then records its process id, which gives
    // the order the detached calls were started in.
    writeScript(folder / "killall", "cd \"$(dirname \"$0\")\"; until [ -e gate ]; do sleep 0.01; done; echo \"$$ $#:$*\" >> calls\n");
    installer::refreshInputSources(folder / "killall");
    EXPECT_FALSE(std::filesystem::exists(folder / "calls"));
    writeFile(folder / "gate", "");
    const auto calls = [&] {
        return platform::runToEnd("/bin/sh", {"-c", "sort -n '" + (folder / "calls").string() + "' | cut -d' ' -f2- | tr '\\n' ,"});
    };
    ASSERT_TRUE(eventually([&] { return std::ranges::count(calls().standardOutput, ',') >= 3; }));
    EXPECT_EQ(calls().standardOutput, "1:TextInputMenuAgent,1:SystemUIServer,1:cfprefsd,");

    // Where killall can't be started, nothing stops or shows: the layout is in place anyway.
    EXPECT_NO_THROW(installer::refreshInputSources(folder / "missing/killall"));
    EXPECT_NO_THROW(installer::refreshInputSources());
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG) == -1 ? errno : 0, ECHILD);
}
