#include "installer/system_install.h"

#include "installer/item_name.h"
#include "installer/login_window.h"
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

// What the privileged program imports into the login window's preferences once its action is done:
// "login-window DEFAULTS DOMAIN FILE DOMAIN FILE", the files complete property lists staged here.
// Nothing when taking out layouts that are not there.
std::vector<std::string> loginWindowArguments(const fs::path& staging, const std::vector<KeyboardLayout>& layouts,
                                              bool present, const SystemTools& tools)
{
    if (layouts.empty())
        return {};
    const std::string sources = exportedPreferences(inputSourcesDomain(tools), tools);
    const std::string changed = withLoginWindowSources(sources, layouts, present);
    if (!present && changed == withLoginWindowSources(sources, {}, false))
        return {};
    const fs::path sourcesFile = staging / "input-sources.plist", menuFile = staging / "login-window.plist";
    platform::writeNewFile(sourcesFile, changed);
    std::vector<std::string> arguments = {
        "login-window", tools.defaults.string(), inputSourcesDomain(tools).string(), sourcesFile.string(), "", ""};
    if (present) {
        platform::writeNewFile(menuFile, withInputMenuShown(exportedPreferences(loginWindowDomain(tools), tools)));
        arguments[4] = loginWindowDomain(tools).string(), arguments[5] = menuFile.string();
    }
    return arguments;
}

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

void requireInstalled(const std::string& name, const SystemTools& tools)
{
    if (!isPlainFileName(name))
        throwNotAnItemName(name);
    if (!platform::itemOrLinkExists(tools.systemLayouts / name))
        throw platform::Error(platform::posixDomain, ENOENT,
                              platform::inQuotes(name) + " is not installed for all users.");
}

}  // namespace

LayoutIcon::State installForAllUsers(const fs::path& item, const SystemTools& tools, Elevation elevation,
                                     const std::string& prompt, const std::string& replacing,
                                     const std::vector<KeyboardLayout>& loginWindow)
{
    const std::string name = installableName(item);
    if (!replacing.empty() && (!isPlainFileName(replacing) || replacing == name))
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't replace " + platform::inQuotes(replacing)
                                  + ": it does not name another keyboard layout file or bundle.");
    const std::string uuid = platform::newUuidString();
    const StagingFolder staging(stagingRoot() / uuid);
    const std::vector<std::string> login = loginWindowArguments(staging.path(), loginWindow, true, tools);

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
    runPrivileged(joined(login, arguments), tools, elevation, prompt,
                  "Nothing was installed: the approval was cancelled.", "Administrator installation failed.");
    return icon;
}

void removeForAllUsers(const std::string& name, const SystemTools& tools, Elevation elevation,
                       const std::string& prompt)
{
    requireInstalled(name, tools);
    const std::string uuid = platform::newUuidString();
    const StagingFolder staging(stagingRoot() / uuid);
    const std::vector<std::string> login =
        loginWindowArguments(staging.path(), inspectLayoutItem(tools.systemLayouts / name).layouts, false, tools);
    runPrivileged(joined(login, {"remove", tools.systemLayouts.string(), name, uuid}), tools, elevation, prompt,
                  "Nothing was removed: the approval was cancelled.", "Administrator removal failed.");
}

void repairForAllUsers(const std::string& name, const SystemTools& tools, Elevation elevation,
                       const std::string& prompt)
{
    requireInstalled(name, tools);
    runPrivileged({"repair", tools.systemLayouts.string(), name, platform::newUuidString()}, tools, elevation, prompt,
                  "Nothing was repaired: the approval was cancelled.", "Administrator repair failed.");
}

void setLoginWindowSources(const std::vector<KeyboardLayout>& layouts, bool present, const SystemTools& tools,
                           Elevation elevation, const std::string& prompt)
{
    const StagingFolder staging(stagingRoot() / platform::newUuidString());
    const std::vector<std::string> login = loginWindowArguments(staging.path(), layouts, present, tools);
    if (!login.empty())
        runPrivileged(login, tools, elevation, prompt, "Nothing was changed: the approval was cancelled.",
                      "Administrator change failed.");
}

}  // namespace installer
