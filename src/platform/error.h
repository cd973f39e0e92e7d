#pragma once

#include <exception>
#include <string>

namespace platform {

// An error with a sentence fit to show the user as it is.
class Error : public std::exception {
public:
    Error(std::string domain, long code, std::string localizedDescription);

    const std::string& domain() const noexcept;
    long code() const noexcept;
    const std::string& localizedDescription() const noexcept;
    const char* what() const noexcept override;

private:
    std::string domain_;
    long code_;
    std::string localizedDescription_;
};

inline constexpr const char* posixDomain = "POSIX";

// `action` names what failed and on what, e.g. `Couldn't remove "/x"`; the reason is appended.
Error posixError(int errorNumber, const std::string& action);

}  // namespace platform
