#include "platform/error.h"

#include <system_error>
#include <utility>

namespace platform {

Error::Error(std::string domain, long code, std::string localizedDescription)
    : domain_(std::move(domain))
    , code_(code)
    , localizedDescription_(std::move(localizedDescription))
{
    if (localizedDescription_.empty())
        localizedDescription_ = "An unknown error occurred (" + domain_ + " " + std::to_string(code_) + ").";
}

const std::string& Error::domain() const noexcept
{
    return domain_;
}
long Error::code() const noexcept
{
    return code_;
}
const std::string& Error::localizedDescription() const noexcept
{
    return localizedDescription_;
}
const char* Error::what() const noexcept
{
    return localizedDescription_.c_str();
}

Error posixError(int errorNumber, const std::string& action)
{
    return Error(posixDomain, errorNumber, action + ": " + std::generic_category().message(errorNumber) + ".");
}

}  // namespace platform
