#include "installer/quoting.h"
#include "installer/system_install.h"
#include "installer/user_install.h"
#include "platform/extended_attributes.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <regex>
#include <system_error>

namespace fs = std::filesystem;
using namespace testing_support;
// Both ways to install: the copy into the user's folder, and the install for all users through the
// privileged program, run as root runs it with stand-ins for the system's tools.
class Installing : public testing::Test {
protected:
    TemporaryFolder folder;
    StandInSystem stands{folder.path()};
    const installer::SystemTools tools = stands.tools();
    const fs::path downloads = folder / "Downloads", user = folder / "home/Library/Keyboard Layouts",
                   expected = folder / "expected";
    const ScopedEnvironment tmpdir{"TMPDIR", (folder / "tmp").string()};

    void SetUp() override { fs::create_directories(folder / "tmp"); }
    std::string install(const fs::path& item, const fs::path& into, platform::Cloning cloning = {})
    {
        // A strict umask, as some administrators set, must not take modes from the copy.
        const mode_t umask = ::umask(077);
        const std::string failure = failureAsOrdinaryUser(folder.path(), [&] {
            into == tools.systemLayouts ? installer::installForAllUsers(item, tools, installer::Elevation::alreadyRoot)
                                        : installer::copyLayout(item, into, cloning);
        });
        ::umask(umask);
        return failure;
    }
#if defined(__APPLE__)
    static constexpr auto listed = [](const char* path) { return int(::listxattr(path, nullptr, 0, XATTR_NOFOLLOW)); };
    static constexpr auto mark = [](const fs::path& p) {
        ::setxattr(p.c_str(), "com.apple.quarantine", "1", 1, 0, XATTR_NOFOLLOW);
    };
#else
    static constexpr auto listed = [](const char* path) { return int(::llistxattr(path, nullptr, 0)); };
    static constexpr auto mark = [](const fs::path& p) {
        ::lsetxattr(p.c_str(), "user.com.apple.quarantine", "1", 1, 0);
    };
#endif
    // The bytes of extended attribute names throughout the tree.
    static int attributes(const fs::path& root)
    {
        int total = std::max(listed(root.c_str()), 0);
        if (fs::is_directory(fs::symlink_status(root)))
            for (const auto& entry : fs::recursive_directory_iterator(root))
                total += std::max(listed(entry.path().c_str()), 0);
        return total;
    }
    // Folders 755 and files 644 throughout, as an install leaves them.
    static void asInstalled(const fs::path& item)
    {
        ASSERT_EQ(std::system(("chmod -R a=rX,u+w " + installer::shellQuote(item.string())).c_str()), 0);
    }
};

// What each way promises: the item is replaced whole by the new copy, folders 755 and files 644, with a
// loose layout's icon beside it and no quarantine mark; what an interrupted install left is gone;
// nothing else in the folder is touched.
TEST_F(Installing, EitherScopeReplacesTheItemWholeAndTouchesNothingElse)
{
    const Entries kept = {{".keyboard-installer-.tmp", "kept"},
                          {".keyboard-installer-notes", "kept"},
                          {"Other.keylayout", "kept"},
                          {"B.icns", "not the bundle's"}};
    const Entries left = {{".keyboard-installer-1F2E.tmp/half", "half"}, {".keyboard-installer-1F2E-old.tmp", "old"}};
    const std::string odd = "Bob's \"Layout\" $HOME `id` \\ ; & * \xE6\x97\xA5 e\xCC\x81\nline.bundle";
    const fs::path outside = folder / "Outside.txt";  // a file of the user's own; its marks are not the item's
    const struct {
        const char* what;
        Entries installed, dropped;
        bool refusedForAllUsers = false;  // root installs no link out of the item, its first entry
    } rows[] = {
        {"a file into a missing folder", {}, {{"\xE6\x97\xA5\xE6\x9C\xAC e\xCC\x81.keylayout", "<keyboard/>"}}},
        {"a file over a file", {{"A.keylayout", "old"}}, {{"A.keylayout", std::string(300'000, 'k')}}},
        {"a file over a link", {{"A.keylayout", "->../../../Downloads"}}, {{"A.keylayout", "newer"}}},
        {"a file over a folder", {{"Foo.bundle/stale", "old"}}, {{"Foo.bundle", "now a file"}}},
        {"a folder over a file, beside B.icns", {{"B.bundle", "old"}}, {{"B.bundle/Contents/x", "now a folder"}}},
        {"a folder of an odd name over a folder",
         {{odd + "/a", "first"}},
         {{odd + "/b", "second"},
          {odd + "/Empty/", ""},
          {odd + "/link", "->R"},
          {odd + "/R/up", "->../b"},
          {odd + "/dangling", "->missing"}}},
        {"an icon, over a folder in its way", {{"A.icns/x", "old"}}, {{"A.KeyLayout", "layout"}, {"A.icns", "icon"}}},
        {"no icon, where an old one stood", {{"A.icns", "old icon"}}, {{"A.kEyLaYoUt", "layout"}}},
        {"a link out of the item", {{"Out.bundle", "old"}}, {{"Out.bundle/outside", "->" + outside.string()}}, true},
    };
    const std::regex owned(
        R"(chown -R root:wheel (.*/\.keyboard-installer-[0-9A-F-]{36}\.tmp)\n(find|chmod) [\s\S]*xattr -crs \1\n[\s\S]*mv -f \1 )");
    for (const auto& row : rows)
        for (const fs::path& layouts : {user, tools.systemLayouts}) {
            SCOPED_TRACE(row.what + std::string(layouts == user ? " for the user" : " for all users"));
            const std::string name = fs::path(row.dropped.begin()->first).begin()->string();
            const bool refused = layouts != user && row.refusedForAllUsers;
            for (const fs::path& made : {downloads, user, tools.systemLayouts, expected, folder / "log"})
                fs::remove_all(made);
            if (!row.installed.empty())
                plant(layouts, kept), plant(layouts, left), plant(layouts, row.installed), plant(expected, kept);
            plant(downloads, row.dropped), writeFile(outside, "mine"), mark(outside);
            for (const auto& [path, content] : row.dropped)
                for (fs::path marked = downloads / path; marked != downloads; marked = marked.parent_path())
                    mark(marked);
            plant(expected, refused ? row.installed : row.dropped), plant(expected, refused ? left : Entries());
            for (const auto& [path, content] : refused ? Entries() : row.dropped)
                asInstalled(expected / fs::path(path).begin()->string());
            // A trailing slash, as a dropped folder's path may have, still names the item.
            EXPECT_EQ(install(downloads / (name + "/"), layouts),
                      refused ? "KeyboardInstaller 1 Couldn't install \"" + name + "\": \"" + row.dropped.begin()->first
                              + "\" is a symbolic link leading out of it."
                              : "");
            EXPECT_EQ(tree(layouts), tree(expected));
            EXPECT_TRUE(layouts == user || refused || std::regex_search(readFile(folder / "log"), owned));
            EXPECT_EQ(std::pair(attributes(user), attributes(downloads / name) > 0), std::pair(0, true));
            platform::clearExtendedAttributes(downloads / name);  // the same clearing, where a copy would keep marks
            EXPECT_EQ(std::pair(attributes(downloads / name), attributes(outside) > 0), std::pair(0, true));
        }
}

// The installed item itself, reached directly or through a link, only has its modes set; folders
// the user made read-only are replaced all the same.
TEST_F(Installing, ThePerUserCopySetsTheModesOfTheInstalledItemItselfAndReplacesReadOnlyFolders)
{
    plant(user, {{"Bar.keylayout", "only"}, {"Foo.bundle/Contents/x", "x"}, {"Ro.bundle/Contents/A/x", "v1"}});
    plant(downloads, {{"Ro.bundle/Contents/A/x", "v2"}});
    fs::create_directory_symlink(user, folder / "alias");
    fs::create_hard_link(user / "Bar.keylayout", folder / "same file");  // a copy put in its place would break the link
    ASSERT_EQ(std::system(
                  ("find '" + folder.path().string() + "' -path '*Ro.bundle/*' -type d -exec chmod 555 {} +").c_str()),
              0);
    EXPECT_EQ(install(user / "Bar.keylayout/", user) + install(folder / "alias/Foo.bundle/", user)
                  + install(downloads / "Ro.bundle", user),
              "");
    EXPECT_TRUE(fs::equivalent(user / "Bar.keylayout", folder / "same file"));
    plant(expected, {{"Bar.keylayout", "only"}, {"Foo.bundle/Contents/x", "x"}, {"Ro.bundle/Contents/A/x", "v2"}});
    asInstalled(expected);
    EXPECT_EQ(tree(user), tree(expected));
}

// Two installs at once, as two keylayout runs or two management-tool jobs may start them: neither
// takes the other's copy for a leftover, and the item left standing is one of the two, whole.
TEST_F(Installing, TwoInstallsAtOnceInEitherScopeLeaveOneOfTheTwoWhole)
{
    for (const char* which : {"one", "two"})
        writeFile(downloads / which / "X.bundle/Contents/x", std::string(16 << 20, *which));
    for (const fs::path& layouts : {user, tools.systemLayouts})
        for (int round = 0; round < 10; ++round) {
            SCOPED_TRACE(layouts.string() + " " + std::to_string(round));
            pid_t children[2];
            for (int child = 0; child < 2; ++child)
                if ((children[child] = ::fork()) == 0)
                    ::_exit(install(downloads / (child ? "two" : "one") / "X.bundle", layouts).empty() ? 0 : 1);
            for (int status = -1; const pid_t child : children)
                EXPECT_EQ(std::pair(::waitpid(child, &status, 0), status), std::pair(child, 0));
            const Entries installed = tree(layouts / "X.bundle");
            EXPECT_TRUE(installed == tree(downloads / "one/X.bundle") || installed == tree(downloads / "two/X.bundle"));
            EXPECT_EQ(std::distance(fs::directory_iterator(layouts), {}), 1);
        }
}

// Refused or failed part-way, an install leaves everything as it was and names the item.
TEST_F(Installing, AFailedPerUserCopyLeavesTheInstalledLayoutAndNothingElse)
{
    const fs::path dropped = downloads / "Foo.bundle";
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{1024, unlimited.rlim_max};
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
        {unchanged(EFBIG), [&] { ::setrlimit(RLIMIT_FSIZE, &limited); }, dropped},
        {unchanged(EACCES), [&] { fs::permissions(dropped / "Contents/Foo.keylayout", fs::perms::none); }, dropped},
        {unchanged(EACCES), [&] { fs::permissions(user, static_cast<fs::perms>(0555)); }, dropped},
        {"lies inside", [] {}, user / "Foo.bundle/Contents/Foo.bundle"},
        {"into a folder inside itself", [] {}, dropped, dropped / "Contents"},
        {"Couldn't create the folder \"" + (downloads / "Other").string(), [] {}, dropped, downloads / "Other/Layouts"},
        {"does not name", [] {}, "/"},
        {"does not name", [] {}, downloads / "."},
        {"does not name", [] {}, ""},
    };
    for (const auto& row : rows) {
        fs::remove_all(user), fs::remove_all(downloads);
        plant(user,
              {{"Foo.bundle/Contents/Foo.keylayout", "installed"}, {"Foo.bundle/Contents/Foo.bundle/x", "nested"}});
        plant(downloads, {{"Foo.bundle/Contents/Foo.keylayout", "newer"}, {"Other", "not a folder"}});
        writeFile(dropped / "Contents/Big.keylayout", std::string(2000, 'x'));
        row.prepare();
        const Entries before = tree(folder.path());
        const std::string error = install(row.from, row.to.empty() ? user : row.to, platform::Cloning::never);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
        EXPECT_EQ(tree(folder.path()), before) << row.error;
    }
    std::signal(SIGXFSZ, handler);
}
