#include "installer/user_install.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <map>
#include <system_error>

namespace fs = std::filesystem;
using namespace testing_support;
// Relative path -> content: "->x" makes a link to x, a path ending in "/" an empty folder.
using Entries = std::map<std::string, std::string>;

// Every item under `root` with its mode and its content or link target.
Entries tree(const fs::path& root)
{
    if (!fs::is_directory(fs::symlink_status(root)))
        return {{"", readFile(root)}};
    Entries entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries[fs::relative(entry.path(), root).string()] = std::to_string(modeOf(entry.path()))
            + (entry.is_symlink() ? "->" + fs::read_symlink(entry).string() : entry.is_directory() ? "/" : " " + readFile(entry));
    return entries;
}

class CopyLayout : public testing::Test {
protected:
    TemporaryFolder folder;
    const fs::path layouts = folder / "home/Library/Keyboard Layouts", downloads = folder / "Downloads";
    void create(const fs::path& base, const Entries& entries)
    {
        for (const auto& [path, content] : entries) {
            fs::create_directories((base / path).parent_path());
            if (content.starts_with("->"))
                fs::create_symlink(content.substr(2), base / path);
            else if (!path.ends_with('/'))
                writeFile(base / path, content, 0600);
        }
    }
    void start(const Entries& installed, const Entries& dropped)
    {
        fs::remove_all(layouts), fs::remove_all(downloads), create(layouts, installed), create(downloads, dropped);
    }
    std::string install(const fs::path& from, const fs::path& to = {})
    {
        return failureAsOrdinaryUser(folder.path(), [&] { installer::copyLayout(from, to.empty() ? layouts : to); });
    }
};

TEST_F(CopyLayout, InstallsEitherKindOverEitherKindLeavingOnlyTheNewCopy)
{
    const struct { const char* what; Entries installed, dropped; bool readOnlyFolders = false; } rows[] = {
        {"a file into a missing folder", {}, {{"My Layout.keylayout", "<keyboard/>"}}},
        {"a file over a file", {{"Foo.keylayout", "old"}}, {{"Foo.keylayout", std::string(300'000, 'k')}}},
        {"a file over a folder", {{"Foo.bundle/stale", "old"}}, {{"Foo.bundle", "now a file"}}},
        {"a folder over a file", {{"Foo.bundle", "old"}}, {{"Foo.bundle/Contents/new", "now a folder"}}},
        {"a folder over a folder", {{"Foo.bundle/Contents/a", "first"}},
         {{"Foo.bundle/Contents/b", "second"}, {"Foo.bundle/Contents/Empty/", ""}, {"Foo.bundle/Contents/link", "->b"},
          {"Foo.bundle/Contents/dangling", "->/nonexistent"}}},
        {"a file over a dangling link", {{"Bar.keylayout", "->/nonexistent"}}, {{"Bar.keylayout", "bar"}}},
        {"a name beyond ASCII", {}, {{"\xE6\x97\xA5\xE6\x9C\xAC e\xCC\x81.bundle/Contents/x", "x"}}},
        {"read-only folders over read-only folders", {{"Foo.bundle/Contents/Resources/Foo.keylayout", "v1"}},
         {{"Foo.bundle/Contents/Resources/Foo.keylayout", "v2"}}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        start(row.installed, row.dropped);
        const std::string name = fs::path(row.dropped.begin()->first).begin()->string();
        const std::string readOnly = " && find 'home/Library/Keyboard Layouts' Downloads -mindepth 2 -type d -exec chmod 555 {} +";
        ASSERT_EQ(std::system(("cd '" + folder.path().string() + "' && chmod 700 Downloads/*" + (row.readOnlyFolders ? readOnly : "")).c_str()), 0);
        // A trailing slash, as a dropped folder's path may have, still names the item.
        EXPECT_EQ(install(downloads / (name + "/")), "");
        EXPECT_EQ(tree(layouts / name), tree(downloads / name));
        EXPECT_EQ(modeOf(layouts / name), fs::is_directory(downloads / name) ? 0755u : 0644u);
        EXPECT_EQ(std::distance(fs::directory_iterator(layouts), fs::directory_iterator()), 1);
    }
}

TEST_F(CopyLayout, AFailedCopyLeavesTheInstalledLayoutAndNothingElse)
{
    const fs::path dropped = downloads / "Foo.bundle";
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{65536, unlimited.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const struct { const char* what; int code; std::function<void()> prepare; } rows[] = {
        {"a FIFO inside the bundle", ENOTSUP, [&] { ASSERT_EQ(::mkfifo((dropped / "Contents/pipe").c_str(), 0644), 0); }},
        // Writes past the limit fail with EFBIG, as they fail with ENOSPC on a disk that fills up.
        {"a disk filling up", EFBIG, [&] {
             create(dropped, {{"Contents/Big.keylayout", std::string(1 << 20, 'x')}}), ::setrlimit(RLIMIT_FSIZE, &limited);
         }},
        {"a file that cannot be read", EACCES, [&] { fs::permissions(dropped / "Contents/Foo.keylayout", fs::perms::none); }},
        {"a read-only layouts folder", EACCES, [&] { fs::permissions(layouts, static_cast<fs::perms>(0555)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        start({{"Foo.bundle/Contents/Foo.keylayout", "installed"}}, {{"Foo.bundle/Contents/Foo.keylayout", "newer"}});
        row.prepare();
        const Entries before = tree(layouts);
        const std::string error = install(dropped);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(error, "POSIX " + std::to_string(row.code) + " Couldn't copy \"Foo.bundle\": "
                             + std::generic_category().message(row.code) + ". The installed \"Foo.bundle\" is unchanged.");
        EXPECT_EQ(tree(layouts), before);
    }
    std::signal(SIGXFSZ, handler);
}

TEST_F(CopyLayout, TouchesNothingButTheItemAndItsOwnLeftovers)
{
    create(layouts, {{"Foo.bundle/Contents/Foo.bundle/Contents/Foo.keylayout", "nested"}, {"Bar.keylayout", "only"},
                     {".keyboard-installer-1F2E.tmp/Contents/half", "half a copy"}, {".keyboard-installer-notes", "kept"}});
    create(folder.path(), {{"Downloads/Big.bundle/Contents/x", "x"}, {"home/Other", "not a folder"}});
    const Entries before = tree(folder.path());
    // The guards run before anything is removed, leftovers included.
    const struct { fs::path from, to; std::string error; } rows[] = {
        {layouts / "Foo.bundle/Contents/Foo.bundle", layouts, "lies inside"},
        {downloads / "Big.bundle", downloads / "Big.bundle/Contents", "into a folder inside itself"},
        {downloads / "Big.bundle", folder / "home/Other/Layouts", "Couldn't create the folder \"" + folder.path().string()},
        {"/", layouts, "does not name"}, {downloads / ".", layouts, "does not name"}, {"", layouts, "does not name"},
    };
    for (const auto& row : rows)
        EXPECT_NE(install(row.from, row.to).find(row.error), std::string::npos) << row.from;
    EXPECT_EQ(tree(folder.path()), before);

    // The installed item itself, reached directly or through a link, only has its modes set.
    fs::create_directory_symlink(layouts, folder / "alias");
    EXPECT_EQ(install(layouts / "Bar.keylayout/") + install(folder / "alias/Foo.bundle/"), "");
    EXPECT_EQ(tree(layouts)["Bar.keylayout"], "420 only");

    // A real install removes what an interrupted one left, and nothing else.
    Entries expected = tree(layouts);
    std::erase_if(expected, [](const auto& entry) { return entry.first.starts_with(".keyboard-installer-1F2E"); });
    EXPECT_EQ(install(downloads / "Big.bundle"), "");
    expected.merge(tree(downloads));
    EXPECT_EQ(tree(layouts), expected);
}
