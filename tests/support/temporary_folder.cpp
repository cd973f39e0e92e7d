#include "support/temporary_folder.h"

#include "platform/error.h"
#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (fs::temp_directory_path() / "keyboard-installer-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = fs::canonical(pattern);
}

TemporaryFolder::~TemporaryFolder()
{
    try {
        platform::removeItem(path_);  // read-only folders included, which tests leave on purpose
    } catch (const platform::Error&) {
    }
}

std::string failureAsOrdinaryUser(const fs::path& ownedFolder, const std::function<void()>& action)
{
    // Only the effective ids change, so root can be taken back afterwards.
    // Another process acting the same way may be adding and removing items in the folder meanwhile,
    // so chown's complaints about those are no failure; the folder itself must be nobody's.
    const bool root = ::geteuid() == 0;
    struct stat status { };
    if (root
        && (std::system(("chown -hR 65534:65534 '" + ownedFolder.string() + "' 2>/dev/null").c_str()) < 0
            || ::lstat(ownedFolder.c_str(), &status) != 0 || status.st_uid != 65534 || ::setegid(65534) != 0
            || ::seteuid(65534) != 0))
        throw std::runtime_error("cannot act as nobody");
    std::string failure;
    try {
        action();
    } catch (const platform::Error& error) {
        failure = error.domain() + " " + std::to_string(error.code()) + " " + error.localizedDescription();
    }
    if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
        std::abort();  // the rest of the suite would run as nobody
    return failure;
}

}  // namespace testing_support
