#include "installer/system_install.h"

#include "installer/item_name.h"
#include "installer/privileged.h"
#include "installer/quoting.h"
#include "installer/temporary_names.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/uuid.h"

#include <cerrno>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace fs = std::filesystem;

namespace installer {
namespace {

std::string temporaryName(const std::string& uuid, std::string_view tag)
{
    return std::string(temporaryPrefix) + uuid + std::string(tag) + std::string(temporarySuffix);
}

// The opening of every privileged command. It names the paths once, as shell variables, and
// defines `run WHAT PROGRAM ARGUMENT...`: should the program fail, it does `undo`, writes
// "Couldn't WHAT: <the program's reason>." as the only line on standard error and ends the
// command with status 1. Then it removes what an interrupted run left in the folder, quietly, so
// that one leftover that resists cannot block every later install.
std::string commandStart(const fs::path& folder, const std::string& name, const std::string& uuid,
                         const std::string& undo)
{
    return "d=" + shellQuote(folder.string()) + "; n=" + shellQuote(name)
        + "; p=" + shellQuote((folder / name).string())
        + "; o=" + shellQuote((folder / temporaryName(uuid, "-old")).string())
        + "; run() { w=$1; shift; e=$(\"$@\" 2>&1 >/dev/null) && return; " + undo
        + "e=${e##*: }; printf '%s\\n' \"Couldn't $w${e:+: ${e%.}}.\" >&2; exit 1; }"
        + "; for x in \"$d\"/" + std::string(temporaryPrefix) + "?*" + std::string(temporarySuffix)
        + "; do /bin/rm -rf \"$x\" 2>/dev/null; done";
}

// The copy is made and finished beside the installed item under a name the system does not load,
// and only then put in its place: a file over a file by one rename; otherwise the old item is
// moved aside first, and back should the second move fail.
std::string installCommand(const fs::path& folder, const std::string& name, const fs::path& staged,
                           const std::string& uuid)
{
    const std::string undo = "/bin/rm -rf \"$t\" 2>/dev/null; if [ -e \"$o\" ] || [ -L \"$o\" ]; "
                             "then /bin/mv -f \"$o\" \"$p\" 2>/dev/null; fi; ";
    const std::string item = "\\\"$n\\\"";  // the name in quotes, inside a double-quoted shell word
    const std::string modes = " in $d\" /usr/bin/find \"$t\" -type ";
    return commandStart(folder, name, uuid, undo) + "; s=" + shellQuote(staged.string())
        + "; t=" + shellQuote((folder / temporaryName(uuid, "")).string())
        + "; run \"create $d for " + item + "\" /bin/mkdir -p \"$d\""
        + "; run \"copy " + item + " into $d\" /usr/bin/ditto \"$s\" \"$t\""
        + "; run \"set the owner of " + item + " in $d\" /usr/sbin/chown -R root:wheel \"$t\""
        // With "{} +" a failing chmod fails find; with "{} \;" find would not say.
        + "; run \"set the permissions of " + item + modes + "d -exec /bin/chmod 755 {} +"
        + "; run \"set the permissions of " + item + modes + "f -exec /bin/chmod 644 {} +"
        + "; /usr/bin/xattr -cr \"$t\" 2>/dev/null"
        // mv would put the copy inside a folder standing at the name, and rename(2) cannot replace one.
        + "; if [ -d \"$p\" ] || { [ -d \"$t\" ] && { [ -e \"$p\" ] || [ -L \"$p\" ]; }; }"
        + "; then run \"move the installed " + item + " aside in $d\" /bin/mv -f \"$p\" \"$o\"; fi"
        + "; run \"put " + item + " in place in $d\" /bin/mv -f \"$t\" \"$p\""
        // The new item is in place; an old one left under our name goes with the next run.
        + "; /bin/rm -rf \"$o\" 2>/dev/null || :";
}

// Moved aside first, the item is gone from its name at once; a failed removal after that leaves
// only a sibling of ours for the next run to take away.
std::string removeCommand(const fs::path& folder, const std::string& name, const std::string& uuid)
{
    const std::string step = "; run \"remove \\\"$n\\\" from $d\" ";
    return commandStart(folder, name, uuid, "") + step + "/bin/mv -f \"$p\" \"$o\"" + step + "/bin/rm -rf \"$o\"";
}

// The staging folder goes away on every way out, and a failed removal never hides the outcome.
class StagingFolder {
public:
    explicit StagingFolder(fs::path path) : path_(std::move(path)) { platform::createPrivateDirectory(path_); }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder()
    {
        try {
            platform::removeItem(path_);
        } catch (const std::exception&) {
        }
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

fs::path stagingRoot()
{
    // The item staged here is what root installs, so nobody else may be able to swap it.
    const fs::path root = platform::temporaryDirectory() / "morrowvane-keyboard-installer";
    if (!platform::itemOrLinkExists(root)) {
        platform::createDirectories(root.parent_path());
        try {
            platform::createPrivateDirectory(root);
        } catch (const platform::Error&) {
            if (!platform::itemOrLinkExists(root))
                throw;
        }
    }
    platform::requirePrivateDirectory(root);
    return root;
}

}  // namespace

void installForAllUsers(const fs::path& item, const SystemTools& tools, Elevation elevation)
{
    const std::string name = installableName(item);
    const std::string uuid = platform::newUuidString();
    const StagingFolder staging(stagingRoot() / uuid);

    // The folder is brand new, so nothing stands at the staged path yet.
    const fs::path staged = staging.path() / name;
    platform::copyItem(platform::withoutTrailingSlashes(item), staged);
    runPrivileged(installCommand(tools.systemLayouts, name, staged, uuid), tools, elevation,
                  "Administrator installation was cancelled or failed.");
}

void removeForAllUsers(const std::string& name, const SystemTools& tools, Elevation elevation)
{
    // More than one path component could reach outside the folder; a NUL would cut the command short.
    if (name.empty() || name == "." || name == ".."
        || name.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't remove " + platform::inQuotes(name)
                                  + ": it does not name a keyboard layout file or bundle.");
    if (!platform::itemOrLinkExists(tools.systemLayouts / name))
        throw platform::Error(platform::posixDomain, ENOENT,
                              platform::inQuotes(name) + " is not installed for all users.");
    runPrivileged(removeCommand(tools.systemLayouts, name, platform::newUuidString()), tools, elevation,
                  "Administrator removal was cancelled or failed.");
}

}  // namespace installer
