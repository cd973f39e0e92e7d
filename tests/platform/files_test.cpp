#include "platform/files.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace testing_support;

TEST(CopyItem, CopiesATreeWithItsContentLinksAndModes)
{
    const TemporaryFolder folder;
    const fs::path source = folder / "Foo.bundle", copy = folder / "copy";
    writeFile(source / "Contents/Resources/Foo.keylayout", std::string(300'000, 'k'), 0600);
    writeFile(source / "Contents/Resources/empty", "", 0640);
    writeFile(source / "Contents/Resources/tool", "#!/bin/sh\n", 0755);
    fs::create_directories(source / "Contents/Empty Folder");
    fs::create_symlink("Resources/Foo.keylayout", source / "Contents/link");
    fs::create_symlink("/nonexistent/target", source / "Contents/dangling");
    fs::permissions(source / "Contents/Resources", static_cast<fs::perms>(0555));

    platform::copyItem(source, copy);

    EXPECT_EQ(readFile(copy / "Contents/Resources/Foo.keylayout"), std::string(300'000, 'k'));
    EXPECT_TRUE(fs::is_directory(copy / "Contents/Empty Folder"));
    EXPECT_EQ(fs::read_symlink(copy / "Contents/link"), "Resources/Foo.keylayout");
    EXPECT_EQ(fs::read_symlink(copy / "Contents/dangling"), "/nonexistent/target");
    for (const auto& [inside, mode] : {std::pair{"Contents/Resources/Foo.keylayout", 0600}, {"Contents/Resources/empty", 0640},
                                       {"Contents/Resources/tool", 0755}, {"Contents/Resources", 0555}})
        EXPECT_EQ(modeOf(copy / inside), static_cast<mode_t>(mode)) << inside;
}
