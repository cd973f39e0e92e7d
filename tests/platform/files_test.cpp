#include "platform/files.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace testing_support;

TEST(CopyItem, CopiesATreeWithItsContentLinksAndModes)
{
    const TemporaryFolder folder;
    const fs::path source = folder / "Foo.bundle/Contents", copy = folder / "copy";
    writeFile(source / "Resources/Foo.keylayout", std::string(300'000, 'k'), 0600);
    writeFile(source / "Resources/empty", "", 0640);
    writeFile(source / "Resources/tool", "#!/bin/sh\n", 0755);
    fs::create_directories(source / "Empty Folder");
    fs::create_symlink("Resources/Foo.keylayout", source / "link");
    fs::create_symlink("/nonexistent/target", source / "dangling");
    fs::permissions(source / "Resources", static_cast<fs::perms>(0555));

    platform::copyItem(folder / "Foo.bundle", copy);

    EXPECT_EQ(readFile(copy / "Contents/Resources/Foo.keylayout"), std::string(300'000, 'k'));
    EXPECT_TRUE(fs::is_directory(copy / "Contents/Empty Folder"));
    EXPECT_EQ(fs::read_symlink(copy / "Contents/link"), "Resources/Foo.keylayout");
    EXPECT_EQ(fs::read_symlink(copy / "Contents/dangling"), "/nonexistent/target");
    for (const auto& [inside, mode] : {std::pair{"Resources/Foo.keylayout", 0600}, {"Resources/empty", 0640},
                                       {"Resources/tool", 0755}, {"Resources", 0555}})
        EXPECT_EQ(modeOf(copy / "Contents" / inside), static_cast<mode_t>(mode)) << inside;
}
