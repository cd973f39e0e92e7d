#include "installer/user_install.h"
#include "platform/error.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace fs = std::filesystem;
using installer::copyLayout;
using testing_support::modeOf;
using testing_support::readFile;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

namespace {

class CopyLayout : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path layouts = folder / "home/Library/Keyboard Layouts";
    const fs::path downloads = folder / "Downloads";

    platform::Error expectError(const fs::path& from, const fs::path& to)
    {
        try {
            copyLayout(from, to);
        } catch (const platform::Error& error) {
            EXPECT_FALSE(error.localizedDescription().empty());
            EXPECT_EQ(error.localizedDescription().find("filesystem error"), std::string::npos);
            return error;
        }
        ADD_FAILURE() << "copyLayout should have thrown";
        return platform::Error("", 0, "");
    }
};

}  // namespace

TEST_F(CopyLayout, CreatesTheMissingFolderAndInstallsAFileWithMode644)
{
    writeFile(downloads / "My Layout.keylayout", "<keyboard/>", 0600);
    copyLayout(downloads / "My Layout.keylayout", layouts);
    EXPECT_EQ(readFile(layouts / "My Layout.keylayout"), "<keyboard/>");
    EXPECT_EQ(modeOf(layouts / "My Layout.keylayout"), 0644u);
    EXPECT_EQ(readFile(downloads / "My Layout.keylayout"), "<keyboard/>");
}

TEST_F(CopyLayout, InstallsABundleWithMode755AndKeepsInnerModes)
{
    writeFile(downloads / "Foo.bundle/Contents/Resources/Foo.keylayout", "inner", 0600);
    fs::permissions(downloads / "Foo.bundle", static_cast<fs::perms>(0700));
    copyLayout(downloads / "Foo.bundle", layouts);
    EXPECT_EQ(modeOf(layouts / "Foo.bundle"), 0755u);
    EXPECT_EQ(modeOf(layouts / "Foo.bundle/Contents/Resources/Foo.keylayout"), 0600u);
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/Resources/Foo.keylayout"), "inner");
}

TEST_F(CopyLayout, ReplacesAnItemOfTheSameNameWhateverItsKind)
{
    writeFile(layouts / "Foo.bundle/stale", "old folder content");
    writeFile(downloads / "Foo.bundle", "now a file");
    copyLayout(downloads / "Foo.bundle", layouts);
    EXPECT_EQ(readFile(layouts / "Foo.bundle"), "now a file");

    fs::remove(downloads / "Foo.bundle");
    writeFile(downloads / "Foo.bundle/Contents/new", "now a folder");
    copyLayout(downloads / "Foo.bundle", layouts);
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/new"), "now a folder");
    EXPECT_FALSE(fs::exists(layouts / "Foo.bundle/stale"));

    // A dangling link of that name is replaced too, rather than blocking the copy.
    fs::create_symlink("/nonexistent", layouts / "Bar.keylayout");
    writeFile(downloads / "Bar.keylayout", "bar");
    copyLayout(downloads / "Bar.keylayout", layouts);
    EXPECT_EQ(readFile(layouts / "Bar.keylayout"), "bar");
}

TEST_F(CopyLayout, InstallingTwiceLeavesOneCopyTheSecond)
{
    writeFile(downloads / "Foo.bundle/Contents/a", "first");
    copyLayout(downloads / "Foo.bundle", layouts);
    fs::remove_all(downloads / "Foo.bundle");
    writeFile(downloads / "Foo.bundle/Contents/b", "second");
    copyLayout(downloads / "Foo.bundle", layouts);
    EXPECT_FALSE(fs::exists(layouts / "Foo.bundle/Contents/a"));
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/b"), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(layouts), fs::directory_iterator()), 1);
}

TEST_F(CopyLayout, AFileWhereTheFolderShouldBeFailsAndIsLeftAlone)
{
    writeFile(folder / "home/Library", "not a folder");
    writeFile(downloads / "My Layout.keylayout", "x");
    const platform::Error error = expectError(downloads / "My Layout.keylayout", layouts);
    EXPECT_EQ(error.domain(), "POSIX");
    EXPECT_EQ(error.code(), ENOTDIR);
    EXPECT_EQ(error.localizedDescription(), "Couldn't create the folder \"" + layouts.string() + "\": Not a directory.");
    EXPECT_EQ(readFile(folder / "home/Library"), "not a folder");
}

TEST_F(CopyLayout, TheInstalledItemItselfIsNeverLost)
{
    writeFile(layouts / "Foo.bundle/Contents/Foo.keylayout", "only copy", 0600);
    fs::permissions(layouts / "Foo.bundle", static_cast<fs::perms>(0700));
    writeFile(layouts / "Bar.keylayout", "only copy", 0600);

    copyLayout(layouts / "Foo.bundle", layouts);
    copyLayout(layouts / "Bar.keylayout/", layouts);
    // The same bundle reached through another path to the folder.
    fs::create_directory_symlink(layouts, folder / "alias");
    copyLayout(folder / "alias/Foo.bundle/", layouts);

    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/Foo.keylayout"), "only copy");
    EXPECT_EQ(readFile(layouts / "Bar.keylayout"), "only copy");
    EXPECT_EQ(modeOf(layouts / "Foo.bundle"), 0755u);
    EXPECT_EQ(modeOf(layouts / "Bar.keylayout"), 0644u);
}

TEST_F(CopyLayout, ASourceInsideTheItemItWouldReplaceIsRefusedUntouched)
{
    writeFile(layouts / "Foo.bundle/Contents/Foo.bundle/Contents/Foo.keylayout", "nested");
    const platform::Error error = expectError(layouts / "Foo.bundle/Contents/Foo.bundle", layouts);
    EXPECT_NE(error.localizedDescription().find("lies inside"), std::string::npos);
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/Foo.bundle/Contents/Foo.keylayout"), "nested");

    // Nor may a bundle be copied into a folder inside itself.
    writeFile(downloads / "Big.bundle/Contents/x", "x");
    expectError(downloads / "Big.bundle", downloads / "Big.bundle/Contents/Layouts");
    EXPECT_FALSE(fs::exists(downloads / "Big.bundle/Contents/Layouts/Big.bundle"));
}

TEST_F(CopyLayout, APathWithoutANameNeverEmptiesTheFolder)
{
    writeFile(layouts / "Other.keylayout", "keep me");
    writeFile(downloads / "Foo.bundle/Contents/x", "x");

    for (const fs::path& nameless : {fs::path("/"), fs::path(""), downloads / ".", downloads / "Foo.bundle/.."})
        expectError(nameless, layouts);
    EXPECT_EQ(readFile(layouts / "Other.keylayout"), "keep me");

    copyLayout(downloads.string() + "/Foo.bundle/", layouts);
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/x"), "x");
    EXPECT_EQ(readFile(layouts / "Other.keylayout"), "keep me");
}

TEST_F(CopyLayout, AnUnreadableSourceFailsWithTheReason)
{
    writeFile(downloads / "Foo.bundle/Contents/Foo.keylayout", "secret", 0000);
    const auto error = testing_support::runAsOrdinaryUser(folder.path(), [&] {
        copyLayout(downloads / "Foo.bundle", layouts);
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->domain, "POSIX");
    EXPECT_EQ(error->code, EACCES);
    EXPECT_NE(error->message.find("Foo.bundle/Contents/Foo.keylayout\": Permission denied."), std::string::npos)
        << error->message;
}

TEST_F(CopyLayout, ReplacesAnInstalledBundleWithReadOnlyFolders)
{
    writeFile(downloads / "Foo.bundle/Contents/Resources/Foo.keylayout", "v1");
    fs::permissions(downloads / "Foo.bundle/Contents/Resources", static_cast<fs::perms>(0555));
    fs::permissions(downloads / "Foo.bundle/Contents", static_cast<fs::perms>(0555));
    const auto error = testing_support::runAsOrdinaryUser(folder.path(), [&] {
        copyLayout(downloads / "Foo.bundle", layouts);
        copyLayout(downloads / "Foo.bundle", layouts);
    });
    EXPECT_FALSE(error.has_value()) << error->message;
    EXPECT_EQ(readFile(layouts / "Foo.bundle/Contents/Resources/Foo.keylayout"), "v1");
}
