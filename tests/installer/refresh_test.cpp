#include "installer/refresh.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

using namespace testing_support;

TEST(RefreshInputSources, KillsTheThreeServicesInOrderAndLeavesNoChildren)
{
    const TemporaryFolder folder;
    // Each call records its process id, which gives the order the detached calls were started in.
    writeScript(folder / "killall", "echo \"$$ $# $*\" >> \"$(dirname \"$0\")/calls\"\n");
    installer::refreshInputSources(folder / "killall");
    std::vector<std::pair<long, std::string>> calls;
    ASSERT_TRUE(eventually([&] {
        std::istringstream lines(readFile(folder / "calls"));
        calls.clear();
        for (std::pair<long, std::string> call; lines >> call.first && std::getline(lines, call.second);)
            calls.push_back(call);
        return calls.size() >= 3;
    }));
    std::sort(calls.begin(), calls.end());
    const std::vector<std::pair<long, std::string>> expected = {
        {calls[0].first, " 1 TextInputMenuAgent"}, {calls[1].first, " 1 SystemUIServer"}, {calls[2].first, " 1 cfprefsd"}};
    EXPECT_EQ(calls, expected);

    // Where killall can't be started, nothing stops or shows: the layout is in place anyway.
    EXPECT_NO_THROW(installer::refreshInputSources(folder / "missing/killall"));
    EXPECT_NO_THROW(installer::refreshInputSources());
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
