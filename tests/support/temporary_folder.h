#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace testing_support {

// A fresh folder under the system's temporary directory, removed with all it holds.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value)
        : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str()))
            previous_ = old;
        ::setenv(name_.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment() { previous_ ? ::setenv(name_.c_str(), previous_->c_str(), 1) : ::unsetenv(name_.c_str()); }

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// Creates missing parents; a script gets "#!/bin/sh" and mode 0755.
inline void writeFile(const std::filesystem::path& path, const std::string& content, mode_t mode = 0644)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(mode));
}

inline void writeScript(const std::filesystem::path& path, const std::string& body)
{
    writeFile(path, "#!/bin/sh\n" + body, 0755);
}

// A layout that the checks accept, with a name and id of its own; with no modifier, key code i
// types the i-th of `typing`.
inline std::string validLayout(const std::string& name, int id, const std::string& typing = "")
{
    std::string keys;
    for (std::size_t code = 0; code < typing.size(); ++code)
        keys += "<key code=\"" + std::to_string(code) + "\" output=\"" + typing[code] + "\"/>";
    return "<?xml version=\"1.1\"?>\n<keyboard group=\"0\" id=\"" + std::to_string(id) + "\" name=\"" + name
        + (keys.empty() ? "\"><layouts/><modifierMap/><keyMapSet/>"
                        : "\"><layouts><layout modifiers=\"m\" mapSet=\"s\"/></layouts><modifierMap id=\"m\" "
                          "defaultIndex=\"9\"><keyMapSelect mapIndex=\"0\"><modifier keys=\"\"/></keyMapSelect>"
                          "</modifierMap><keyMapSet id=\"s\"><keyMap index=\"0\">"
                   + keys + "</keyMap></keyMapSet>")
        + "</keyboard>\n";
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

// Polls until the condition holds, for children that run on their own; false after 20 s.
inline bool eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return condition();
}

// Runs `action` with the rights of an ordinary user ("nobody", given `ownedFolder`, when the
// tests run as root). Returns the platform::Error it threw as "domain code message", or "".
std::string failureAsOrdinaryUser(const std::filesystem::path& ownedFolder, const std::function<void()>& action);

}  // namespace testing_support
