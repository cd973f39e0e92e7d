#include "platform/error.h"
#include "platform/process.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>

using namespace testing_support;

TEST(LaunchDetached, ReturnsWhileTheProgramRunsOrThrowsWhyItCannotStart)
{
    const TemporaryFolder folder;
    ASSERT_EQ(::mkfifo((folder / "gate").c_str(), 0600), 0);
    // The program blocks until the test opens the gate, so it can't have ended by the return.
    writeScript(folder / "wait at gate", "cd \"$(dirname \"$0\")\"; read line < gate; echo \"$# $line\" > done\n");
    platform::launchDetached((folder / "wait at gate").string(), {});
    EXPECT_FALSE(std::filesystem::exists(folder / "done"));
    std::ofstream(folder / "gate") << "opened\n";
    EXPECT_TRUE(eventually([&] { return readFile(folder / "done") == "0 opened\n"; }));

    writeFile(folder / "not-executable", "#!/bin/sh\n", 0644);
    for (const auto& [path, code] : {std::pair{folder / "missing", ENOENT}, std::pair{folder / "not-executable", EACCES}}) {
        try {
            platform::launchDetached(path.string(), {"cfprefsd"});
            ADD_FAILURE() << path << " launched";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.code(), code);
            EXPECT_TRUE(error.localizedDescription().starts_with("Couldn't launch \"" + path.string() + "\": "));
        }
    }
}
