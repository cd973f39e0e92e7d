#include "installer/user_install.h"
#include "platform/extended_attributes.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <csignal>
#include <map>
#include <system_error>

namespace fs = std::filesystem;
using namespace testing_support;
#if defined(__APPLE__)
const char* const quarantine = "com.apple.quarantine";
int listAttributes(const fs::path& path)
{
    return int(::listxattr(path.c_str(), nullptr, 0, XATTR_NOFOLLOW));
}
void mark(const fs::path& path)
{
    ::setxattr(path.c_str(), quarantine, "0081;", 5, 0, XATTR_NOFOLLOW);
}
#else
const char* const quarantine = "user.com.apple.quarantine";
int listAttributes(const fs::path& path)
{
    return int(::llistxattr(path.c_str(), nullptr, 0));
}
void mark(const fs::path& path)
{
    ::lsetxattr(path.c_str(), quarantine, "0081;", 5, 0);
}
#endif

// The bytes of extended attribute names throughout the tree.
int attributes(const fs::path& root)
{
    int total = std::max(listAttributes(root), 0);
    if (fs::is_directory(fs::symlink_status(root)))
        for (const auto& entry : fs::recursive_directory_iterator(root))
            total += std::max(listAttributes(entry.path()), 0);
    return total;
}

class CopyLayout : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path layouts = folder / "home/Library/Keyboard Layouts", downloads = folder / "Downloads";
    // Every file made owner-only but those named "-shared", so that the install has to set the
    // modes; what is dropped carries a quarantine mark, as a download does.
    void start(const Entries& installed, const Entries& dropped)
    {
        fs::remove_all(layouts), fs::remove_all(downloads);
        for (const auto& [base, entries] : {std::pair{layouts, installed}, {downloads, dropped}})
            for (const auto& [path, content] : entries) {
                fs::create_directories((base / path).parent_path());
                if (content.starts_with("->"))
                    fs::create_symlink(content.substr(2), base / path);
                else if (!path.ends_with('/'))
                    writeFile(base / path, content, path.ends_with("-shared") ? 0640 : 0600);
                for (fs::path marked = base / path; base == downloads && marked != base; marked = marked.parent_path())
                    mark(marked);
            }
    }
    std::string install(const fs::path& from, const fs::path& to = {}, platform::Cloning cloning = {})
    {
        // A strict umask, as some administrators set, must not take modes from the copy.
        const mode_t umask = ::umask(077);
        const std::string failure = failureAsOrdinaryUser(
            folder.path(), [&] { installer::copyLayout(from, to.empty() ? layouts : to, cloning); });
        ::umask(umask);
        return failure;
    }
};

// What an interrupted install left is removed; anything else in the folder is kept.
TEST_F(CopyLayout, InstallsEitherKindOverEitherKindLeavingOnlyTheNewCopy)
{
    const Entries others = {{".keyboard-installer-1F2E.tmp/Contents/half", "half a copy"},
                            {".keyboard-installer-notes", "kept"}};
    // A file of the user's own that a link in a bundle points to; its marks are not the item's.
    const fs::path outside = folder / "Outside.txt";
    writeFile(outside, "mine"), mark(outside);
    const struct {
        const char* what;
        Entries installed, dropped;
        bool readOnlyFolders = false;
    } rows[] = {
        {"a file into a missing folder", {}, {{"\xE6\x97\xA5\xE6\x9C\xAC e\xCC\x81.keylayout", "<keyboard/>"}}},
        {"a file over a file", {{"Foo.keylayout", "old"}}, {{"Foo.keylayout", std::string(300'000, 'k')}}},
        {"a file over a folder", {{"Foo.bundle/stale", "old"}}, {{"Foo.bundle", "now a file"}}},
        {"a folder over a file", {{"Foo.bundle", "old"}}, {{"Foo.bundle/Contents/new", "now a folder"}}},
        {"a folder over a folder",
         {{"Foo.bundle/Contents/a", "first"}},
         {{"Foo.bundle/Contents/b", "second"},
          {"Foo.bundle/Contents/Empty/", ""},
          {"Foo.bundle/Contents/link", "->b"},
          {"Foo.bundle/Contents/c-shared", "g"},
          {"Foo.bundle/Contents/dangling", "->/nonexistent"}}},
        {"a link out of the item", {}, Entries{{"Out.bundle/Contents/outside", "->" + outside.string()}}},
        {"read-only folders over read-only folders",
         {{"Foo.bundle/Contents/Resources/Foo.keylayout", "v1"}},
         {{"Foo.bundle/Contents/Resources/Foo.keylayout", "v2"}},
         true},
    };
    for (auto row : rows) {
        SCOPED_TRACE(row.what);
        row.installed.insert(others.begin(), others.end());
        start(row.installed, row.dropped);
        const std::string name = fs::path(row.dropped.begin()->first).begin()->string();
        const std::string readOnly =
            " && find 'home/Library/Keyboard Layouts' Downloads -mindepth 2 -type d -exec chmod 555 {} +";
        ASSERT_EQ(std::system(("cd '" + folder.path().string() + "' && chmod 700 Downloads/*"
                               + (row.readOnlyFolders ? readOnly : ""))
                                  .c_str()),
                  0);
        // A trailing slash, as a dropped folder's path may have, still names the item.
        EXPECT_EQ(install(downloads / (name + "/")), "");
        EXPECT_EQ(tree(layouts / name), tree(downloads / name));
        EXPECT_EQ(std::pair(attributes(layouts / name), attributes(downloads / name) > 0), std::pair(0, true))
            << quarantine;
        platform::clearExtendedAttributes(downloads / name);  // the same clearing, where a copy would keep marks
        EXPECT_EQ(attributes(downloads / name), 0);
        EXPECT_EQ(fs::status(layouts / name).permissions(),
                  fs::perms(fs::is_directory(downloads / name) ? 0755 : 0644));
        EXPECT_EQ(std::distance(fs::directory_iterator(layouts), fs::directory_iterator()), 2);
        EXPECT_EQ(readFile(layouts / ".keyboard-installer-notes"), "kept");
        EXPECT_GT(attributes(outside), 0) << "cleared through a link out of the item";
    }

    // The installed item itself, reached directly or through a link, only has its modes set.
    start({{"Bar.keylayout", "only"}, {"Foo.bundle/Contents/x", "x"}}, {});
    fs::create_directory_symlink(layouts, folder / "alias");
    fs::create_hard_link(layouts / "Bar.keylayout",
                         folder / "same file");  // a copy put in its place would break the link
    EXPECT_EQ(install(layouts / "Bar.keylayout/") + install(folder / "alias/Foo.bundle/"), "");
    EXPECT_TRUE(fs::equivalent(layouts / "Bar.keylayout", folder / "same file"));
    EXPECT_EQ(tree(layouts),
              Entries({{"Bar.keylayout", "420 only"},
                       {"Foo.bundle", "493/"},
                       {"Foo.bundle/Contents", "493/"},
                       {"Foo.bundle/Contents/x", "384 x"}}));
}

// Refused or failed part-way, an install leaves everything as it was and names the item.
TEST_F(CopyLayout, AFailedCopyLeavesTheInstalledLayoutAndNothingElse)
{
    const fs::path dropped = downloads / "Foo.bundle";
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{65536, unlimited.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const auto unchanged = [](int code) {
        return "POSIX " + std::to_string(code) + " Couldn't copy \"Foo.bundle\": "
            + std::generic_category().message(code) + ". The installed \"Foo.bundle\" is unchanged.";
    };
    const struct {
        std::string error;
        std::function<void()> prepare;
        fs::path from, to = {};
    } rows[] = {
        {unchanged(ENOTSUP), [&] { ASSERT_EQ(::mkfifo((dropped / "Contents/pipe").c_str(), 0644), 0); }, dropped},
        // Writes past the limit fail with EFBIG, as they fail with ENOSPC on a disk that fills up.
        {unchanged(EFBIG),
         [&] {
             writeFile(dropped / "Contents/Big.keylayout", std::string(1 << 20, 'x')),
                 ::setrlimit(RLIMIT_FSIZE, &limited);
         },
         dropped},
        {unchanged(EACCES), [&] { fs::permissions(dropped / "Contents/Foo.keylayout", fs::perms::none); }, dropped},
        {unchanged(EACCES), [&] { fs::permissions(layouts, static_cast<fs::perms>(0555)); }, dropped},
        {"lies inside", [] {}, layouts / "Foo.bundle/Contents/Foo.bundle"},
        {"into a folder inside itself", [] {}, dropped, dropped / "Contents"},
        {"Couldn't create the folder \"" + (downloads / "Other").string(), [] {}, dropped, downloads / "Other/Layouts"},
        {"does not name", [] {}, "/"},
        {"does not name", [] {}, downloads / "."},
        {"does not name", [] {}, ""},
    };
    for (const auto& row : rows) {
        start({{"Foo.bundle/Contents/Foo.keylayout", "installed"},
               {"Foo.bundle/Contents/Foo.bundle/Contents/x", "nested"}},
              {{"Foo.bundle/Contents/Foo.keylayout", "newer"}, {"Other", "not a folder"}});
        row.prepare();
        const Entries before = tree(folder.path());
        const std::string error = install(row.from, row.to, platform::Cloning::never);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
        EXPECT_EQ(tree(folder.path()), before) << row.error;
    }
    std::signal(SIGXFSZ, handler);
}
