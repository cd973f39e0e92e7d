#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary directory, removed with all it holds.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// Creates missing parents; a script gets "#!/bin/sh" and mode 0755.
void writeFile(const std::filesystem::path& path, const std::string& content, mode_t mode = 0644);
void writeScript(const std::filesystem::path& path, const std::string& body);
std::string readFile(const std::filesystem::path& path);
mode_t modeOf(const std::filesystem::path& path);

// Polls until the condition holds, for children that run on their own; false after 20 s.
bool eventually(const std::function<bool()>& condition);

// Runs `action` with the rights of an ordinary user ("nobody", given `ownedFolder`, when the
// tests run as root). Returns the platform::Error it threw as "domain code message", or "".
std::string failureAsOrdinaryUser(const std::filesystem::path& ownedFolder, const std::function<void()>& action);

}  // namespace testing_support
