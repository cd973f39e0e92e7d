#include "support/temporary_folder.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
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
    std::error_code ignored;
    // Tests leave read-only folders behind on purpose; make them removable first.
    for (auto it = fs::recursive_directory_iterator(path_, fs::directory_options::skip_permission_denied, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
{
    if (const char* old = std::getenv(name_.c_str()))
        previous_ = old;
    ::setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (previous_)
        ::setenv(name_.c_str(), previous_->c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

void writeFile(const fs::path& path, const std::string& content, mode_t mode)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, static_cast<fs::perms>(mode));
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeScript(const fs::path& path, const std::string& body)
{
    writeFile(path, "#!/bin/sh\n" + body, 0755);
}

mode_t modeOf(const fs::path& path)
{
    struct stat status{};
    if (::lstat(path.c_str(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

bool waitForFile(const fs::path& path, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

namespace {

std::optional<ThrownError> capture(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::Error& error) {
        return ThrownError{error.domain(), error.code(), error.localizedDescription()};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ThrownError> runAsOrdinaryUser(const fs::path& ownedFolder, const std::function<void()>& action)
{
    if (::geteuid() != 0)
        return capture(action);

    constexpr uid_t nobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(ownedFolder))
        ::lchown(entry.path().c_str(), nobody, nobody);
    ::chown(ownedFolder.c_str(), nobody, nobody);
    // nobody must be able to reach the folder through its parents.
    for (fs::path parent = ownedFolder.parent_path(); parent != parent.root_path(); parent = parent.parent_path())
        ::chmod(parent.c_str(), modeOf(parent) | 0111);

    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string report = "ok";
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            report = "setuid failed";
        } else if (const auto error = capture(action)) {
            report = "error\n" + error->domain + "\n" + std::to_string(error->code) + "\n" + error->message;
        }
        [[maybe_unused]] ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(count));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);

    if (report == "ok")
        return std::nullopt;
    if (report.rfind("error\n", 0) != 0)
        throw std::runtime_error("child as nobody failed: " + report);
    std::istringstream lines(report.substr(6));
    ThrownError error;
    std::string code;
    std::getline(lines, error.domain);
    std::getline(lines, code);
    error.code = std::stol(code);
    std::getline(lines, error.message, '\0');
    return error;
}

}  // namespace testing_support
