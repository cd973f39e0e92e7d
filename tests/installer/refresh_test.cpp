#include "installer/refresh.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <map>
#include <sstream>

using namespace testing_support;

TEST(RefreshInputSources, KillsTheThreeServicesInOrderAndLeavesNoChildren)
{
    const TemporaryFolder folder;
    // Each call records its process id, which gives the order the detached calls were started in.
    writeScript(folder / "killall", "echo \"$$ $#:$*\" >> \"$(dirname \"$0\")/calls\"\n");
    installer::refreshInputSources(folder / "killall");
    std::map<long, std::string> calls;
    ASSERT_TRUE(eventually([&] {
        std::istringstream lines(readFile(folder / "calls"));
        for (std::pair<long, std::string> call; lines >> call.first && std::getline(lines >> std::ws, call.second);)
            calls.insert(call);
        return calls.size() >= 3;
    }));
    std::string order;
    for (const auto& call : calls)
        order += call.second + ", ";
    EXPECT_EQ(order, "1:TextInputMenuAgent, 1:SystemUIServer, 1:cfprefsd, ");

    // Where killall can't be started, nothing stops or shows: the layout is in place anyway.
    EXPECT_NO_THROW(installer::refreshInputSources(folder / "missing/killall"));
    EXPECT_NO_THROW(installer::refreshInputSources());
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
