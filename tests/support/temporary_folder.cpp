#include "support/temporary_folder.h"

#include "platform/error.h"
#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

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
        platform::removeItem(path_);  // tests leave read-only folders behind on purpose
    } catch (const platform::Error&) {
    }
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
{
    if (const char* old = std::getenv(name_.c_str()))
        previous_ = old;
    ::setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment()
{
    previous_ ? ::setenv(name_.c_str(), previous_->c_str(), 1) : ::unsetenv(name_.c_str());
}

void writeFile(const fs::path& path, const std::string& content, mode_t mode)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, static_cast<fs::perms>(mode));
}

void writeScript(const fs::path& path, const std::string& body)
{
    writeFile(path, "#!/bin/sh\n" + body, 0755);
}

std::string readFile(const fs::path& path)
{
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

mode_t modeOf(const fs::path& path)
{
    struct stat status{};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string failureAsOrdinaryUser(const fs::path& ownedFolder, const std::function<void()>& action)
{
    constexpr uid_t nobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const auto& entry : fs::recursive_directory_iterator(ownedFolder))
            ::lchown(entry.path().c_str(), nobody, nobody);
        ::lchown(ownedFolder.c_str(), nobody, nobody);
        // Only the effective ids change, so root can be taken back afterwards.
        if (::setegid(nobody) != 0 || ::seteuid(nobody) != 0)
            throw std::runtime_error("seteuid failed");
    }
    std::string message;
    try {
        action();
    } catch (const platform::Error& error) {
        message = error.domain() + " " + std::to_string(error.code()) + " " + error.localizedDescription();
    }
    if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
        std::abort();  // the rest of the suite would run as nobody
    return message;
}

}  // namespace testing_support
