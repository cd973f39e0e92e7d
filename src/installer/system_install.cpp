#include "installer/system_install.h"

#include "installer/item_name.h"
#include "installer/privileged.h"
#include "installer/user_install.h"
#include "layout/file_names.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/uuid.h"

#include <cerrno>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace installer {
namespace {

// The staging folder goes away on every way out, and a failed removal never hides the outcome.
class StagingFolder {
public:
    explicit StagingFolder(fs::path path)
        : path_(std::move(path))
    {
        platform::createPrivateDirectory(path_);
    }
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

LayoutIcon::State installForAllUsers(const fs::path& item, const SystemTools& tools, Elevation elevation,
                                     const std::string& prompt, const std::string& replacing)
{
    const std::string name = installableName(item);
    if (!replacing.empty() && (!isPlainFileName(replacing) || replacing == name))
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't replace " + platform::inQuotes(replacing)
                                  + ": it does not name another keyboard layout file or bundle.");
    const std::string uuid = platform::newUuidString();
    const StagingFolder staging(stagingRoot() / uuid);

    // The folder is brand new, so nothing stands at the staged path yet.
    const fs::path staged = staging.path() / name;
    platform::copyItem(platform::withoutTrailingSlashes(item), staged);
    std::vector<std::string> arguments = {replacing.empty() ? "install" : "replace", tools.systemLayouts.string(), name,
                                          staged.string(), uuid};
    if (!replacing.empty())
        arguments.push_back(replacing);
    const fs::path stagedIcon = staging.path() / iconName(name);
    const LayoutIcon::State icon = copyIconBeside(item, stagedIcon);
    if (icon == LayoutIcon::State::found)
        arguments.push_back(stagedIcon.string());
    runPrivileged(arguments, tools, elevation, prompt, "Nothing was installed: the approval was cancelled.",
                  "Administrator installation failed.");
    return icon;
}

void removeForAllUsers(const std::string& name, const SystemTools& tools, Elevation elevation,
                       const std::string& prompt)
{
    if (!isPlainFileName(name))
        throwNotAnItemName(name);
    if (!platform::itemOrLinkExists(tools.systemLayouts / name))
        throw platform::Error(platform::posixDomain, ENOENT,
                              platform::inQuotes(name) + " is not installed for all users.");
    runPrivileged({"remove", tools.systemLayouts.string(), name, platform::newUuidString()}, tools, elevation, prompt,
                  "Nothing was removed: the approval was cancelled.", "Administrator removal failed.");
}

}  // namespace installer
