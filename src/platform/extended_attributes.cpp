#include "platform/extended_attributes.h"

#include <sys/types.h>
#include <sys/xattr.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace platform {
namespace {

// The two systems name and shape these calls differently; both act on a link itself here.
ssize_t listAttributes(const char* path, char* names, size_t size)
{
#if defined(__APPLE__)
    return ::listxattr(path, names, size, XATTR_NOFOLLOW);
#else
    return ::llistxattr(path, names, size);
#endif
}

void removeAttribute(const char* path, const char* name)
{
#if defined(__APPLE__)
    ::removexattr(path, name, XATTR_NOFOLLOW);
#else
    ::lremovexattr(path, name);
#endif
}

std::vector<std::string> allNames(const fs::path& path)
{
    std::vector<char> names(1024);
    ssize_t size;
    while ((size = listAttributes(path.c_str(), names.data(), names.size())) < 0 && errno == ERANGE) {
        const ssize_t needed = listAttributes(path.c_str(), nullptr, 0);
        if (needed <= 0)
            return {};
        names.resize(static_cast<size_t>(needed));
    }
    // The list is a run of names, each ending in a NUL.
    std::vector<std::string> found;
    for (ssize_t at = 0; at < size; at += static_cast<ssize_t>(found.back().size()) + 1)
        found.emplace_back(&names[at]);
    return found;
}

void clearOne(const fs::path& path)
{
    for (const std::string& name : allNames(path))
        removeAttribute(path.c_str(), name.c_str());
}

}  // namespace

std::vector<std::string> extendedAttributeNames(const fs::path& path)
{
    std::vector<std::string> names = allNames(path);
#if !defined(__APPLE__)
    // Elsewhere the system keeps security labels and access lists among them; only the user's own count.
    std::erase_if(names, [](const std::string& name) { return !name.starts_with("user."); });
#endif
    return names;
}

void clearExtendedAttributes(const fs::path& item) noexcept
{
    try {
        clearOne(item);
        std::error_code error;
        if (!fs::is_directory(fs::symlink_status(item, error)))
            return;
        for (auto it = fs::recursive_directory_iterator(item, fs::directory_options::skip_permission_denied, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error))
            clearOne(it->path());
    } catch (const std::exception&) {
        // Out of memory at worst; the attributes that remain are no reason to fail an install.
    }
}

}  // namespace platform
