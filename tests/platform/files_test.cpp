#include "platform/error.h"
#include "platform/files.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fs = std::filesystem;
using testing_support::modeOf;
using testing_support::readFile;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

TEST(CopyItem, CopiesATreeWithItsContentLinksAndModes)
{
    const TemporaryFolder folder;
    const fs::path source = folder / "Foo.bundle";
    writeFile(source / "Contents/Info.plist", "<plist/>", 0644);
    writeFile(source / "Contents/Resources/Foo.keylayout", std::string(300'000, 'k'), 0600);
    writeFile(source / "Contents/Resources/empty", "", 0640);
    writeFile(source / "Contents/Resources/tool", "#!/bin/sh\n", 0755);
    fs::create_directories(source / "Contents/Empty Folder");
    fs::create_symlink("Resources/Foo.keylayout", source / "Contents/link");
    fs::create_symlink("/nonexistent/target", source / "Contents/dangling");
    fs::permissions(source / "Contents/Resources", static_cast<fs::perms>(0555));

    platform::copyItem(source, folder / "copy");

    const fs::path copy = folder / "copy";
    EXPECT_EQ(readFile(copy / "Contents/Info.plist"), "<plist/>");
    EXPECT_EQ(readFile(copy / "Contents/Resources/Foo.keylayout"), std::string(300'000, 'k'));
    EXPECT_EQ(readFile(copy / "Contents/Resources/empty"), "");
    EXPECT_TRUE(fs::is_directory(copy / "Contents/Empty Folder"));
    EXPECT_EQ(fs::read_symlink(copy / "Contents/link"), "Resources/Foo.keylayout");
    EXPECT_EQ(fs::read_symlink(copy / "Contents/dangling"), "/nonexistent/target");
    EXPECT_EQ(modeOf(copy / "Contents/Resources/Foo.keylayout"), 0600u);
    EXPECT_EQ(modeOf(copy / "Contents/Resources/tool") & 0700, 0700u);
    EXPECT_EQ(modeOf(copy / "Contents/Resources"), 0555u);
}

TEST(RequirePrivateDirectory, AcceptsOnlyAnOwnDirectoryClosedToOthers)
{
    const TemporaryFolder folder;
    platform::createPrivateDirectory(folder / "private");
    EXPECT_EQ(modeOf(folder / "private"), 0700u);
    EXPECT_NO_THROW(platform::requirePrivateDirectory(folder / "private"));

    fs::create_directory_symlink(folder / "private", folder / "link");
    EXPECT_THROW(platform::requirePrivateDirectory(folder / "link"), platform::Error);

    fs::create_directory(folder / "shared");
    fs::permissions(folder / "shared", static_cast<fs::perms>(0775));
    EXPECT_THROW(platform::requirePrivateDirectory(folder / "shared"), platform::Error);

    writeFile(folder / "file", "");
    EXPECT_THROW(platform::requirePrivateDirectory(folder / "file"), platform::Error);

    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((folder / "private").c_str(), 65534, 65534), 0);
        EXPECT_THROW(platform::requirePrivateDirectory(folder / "private"), platform::Error);
    }
}
