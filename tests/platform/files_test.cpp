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

TEST(PathNames, TrailingSlashesDoNotCount)
{
    EXPECT_EQ(platform::lastPathComponent("/a/Foo.bundle/"), "Foo.bundle");
    EXPECT_EQ(platform::lastPathComponent("/a/Foo.bundle//"), "Foo.bundle");
    EXPECT_EQ(platform::lastPathComponent("My Layout.keylayout"), "My Layout.keylayout");
    EXPECT_EQ(platform::lastPathComponent("/"), "");
    EXPECT_EQ(platform::withoutTrailingSlashes("/tmp/x/"), "/tmp/x");
    EXPECT_EQ(platform::withoutTrailingSlashes("/"), "/");
}

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

TEST(CopyItem, RefusesAnOccupiedDestinationAndNamesIt)
{
    const TemporaryFolder folder;
    writeFile(folder / "a.keylayout", "new");
    writeFile(folder / "b.keylayout", "old");
    try {
        platform::copyItem(folder / "a.keylayout", folder / "b.keylayout");
        FAIL() << "copy over an existing file should fail";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.domain(), "POSIX");
        EXPECT_EQ(error.code(), EEXIST);
        EXPECT_EQ(error.localizedDescription(), "Couldn't copy \"" + (folder / "a.keylayout").string() + "\" to \""
                                                    + (folder / "b.keylayout").string() + "\": File exists.");
    }
    EXPECT_EQ(readFile(folder / "b.keylayout"), "old");
}

TEST(CopyItem, UnreadableFileInsideATreeFailsWithItsName)
{
    const TemporaryFolder folder;
    writeFile(folder / "Foo.bundle/Contents/secret.keylayout", "x", 0000);
    const auto error = testing_support::runAsOrdinaryUser(folder.path(), [&] {
        platform::copyItem(folder / "Foo.bundle", folder / "copy.bundle");
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EACCES);
    EXPECT_EQ(error->message, "Couldn't copy \"" + (folder / "Foo.bundle/Contents/secret.keylayout").string()
                                  + "\" to \"" + (folder / "copy.bundle/Contents/secret.keylayout").string()
                                  + "\": Permission denied.");
}

TEST(CreateDirectories, ExplainsWhyAFolderCannotBeMade)
{
    const TemporaryFolder folder;
    writeFile(folder / "Library", "a file where a folder should be");
    try {
        platform::createDirectories(folder / "Library/Keyboard Layouts");
        FAIL() << "creating a folder below a file should fail";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.localizedDescription(),
                  "Couldn't create the folder \"" + (folder / "Library/Keyboard Layouts").string() + "\": Not a directory.");
        EXPECT_EQ(error.code(), ENOTDIR);
    }
    platform::createDirectories(folder / "a/b/c");
    platform::createDirectories(folder / "a/b/c");
    EXPECT_TRUE(fs::is_directory(folder / "a/b/c"));
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

TEST(SameItemAndInside, SeeThroughOtherPathsToTheSameItem)
{
    const TemporaryFolder folder;
    writeFile(folder / "Layouts/Foo.bundle/Contents/Foo.keylayout", "x");
    fs::create_directory_symlink(folder / "Layouts", folder / "alias");

    EXPECT_TRUE(platform::isSameItem(folder / "alias/Foo.bundle", folder / "Layouts/Foo.bundle/"));
    EXPECT_FALSE(platform::isSameItem(folder / "alias", folder / "Layouts"));  // a link is not its target
    EXPECT_TRUE(platform::liesInside(folder / "alias/Foo.bundle/Contents", folder / "Layouts/Foo.bundle"));
    EXPECT_FALSE(platform::liesInside(folder / "Layouts/Foo.bundle", folder / "Layouts/Foo.bundle"));
    EXPECT_FALSE(platform::liesInside(folder / "Layouts/Foo.bundle2", folder / "Layouts/Foo.bundle"));
    EXPECT_FALSE(platform::liesInside(folder / "Layouts/Foo.bundle/Contents", folder / "alias"));
}
