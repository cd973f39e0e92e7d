#include "installer/system_install.h"

#include "installer/item_name.h"
#include "installer/privileged.h"
#include "installer/quoting.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/uuid.h"

#include <exception>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace installer {
namespace {

constexpr const char* systemFolder = "/Library/Keyboard Layouts";

std::string privilegedCommand(const std::string& stagedPath, const std::string& destinationPath)
{
    const std::string destination = shellQuote(destinationPath);
    return "/bin/mkdir -p " + shellQuote(systemFolder)
        + "; /bin/rm -rf " + destination
        + "; /usr/bin/ditto " + shellQuote(stagedPath) + " " + destination
        + "; /usr/sbin/chown -R root:wheel " + destination
        + "; /usr/bin/find " + destination + " -type d -exec /bin/chmod 755 {} \\;"
        + "; /usr/bin/find " + destination + " -type f -exec /bin/chmod 644 {} \\;"
        + "; /usr/bin/xattr -cr " + destination + " 2>/dev/null || true";
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
    const StagingFolder staging(stagingRoot() / platform::newUuidString());

    // The folder is brand new, so nothing stands at the staged path yet.
    const fs::path staged = staging.path() / name;
    platform::copyItem(platform::withoutTrailingSlashes(item), staged);

    const std::string command = privilegedCommand(staged.string(), std::string(systemFolder) + "/" + name);
    runPrivileged(command, tools, elevation, "Administrator installation was cancelled or failed.");
}

}  // namespace installer
