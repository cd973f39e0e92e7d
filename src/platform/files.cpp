#include "platform/files.h"

#include "platform/error.h"
#include "platform/text.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__APPLE__)
#include <sys/attr.h>
#include <sys/clonefile.h>
#endif

namespace fs = std::filesystem;

namespace platform {
namespace {

Error errorFrom(const std::error_code& code, const std::string& action)
{
    if (code.category() == std::generic_category() || code.category() == std::system_category())
        return posixError(code.value(), action);
    return Error(code.category().name(), code.value(), action + ": " + code.message() + ".");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { if (fd_ >= 0) ::close(fd_); }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

// Copies one tree with directory descriptors, so each entry costs as few system calls as
// possible. Paths are only put together when an error has to name them.
class TreeCopier {
public:
    TreeCopier(const fs::path& from, const fs::path& to) : from_(from), to_(to) {}

    void copy()
    {
        struct stat source;
        if (::lstat(from_.c_str(), &source) != 0)
            fail(errno, from_, to_);
        copyEntry(AT_FDCWD, from_.c_str(), source.st_mode, AT_FDCWD, to_.c_str(), from_, to_);
    }

private:
    [[noreturn]] void fail(int errorNumber, const fs::path& from, const fs::path& to)
    {
        throw posixError(errorNumber, "Couldn't copy " + inQuotes(from.string()) + " to " + inQuotes(to.string()));
    }

    void copyEntry(int sourceDir, const char* name, mode_t type, int targetDir, const char* targetName,
                   const fs::path& from, const fs::path& to)
    {
        if (S_ISREG(type))
            copyFile(sourceDir, name, targetDir, targetName, from, to);
        else if (S_ISDIR(type))
            copyDirectory(sourceDir, name, targetDir, targetName, from, to);
        else if (S_ISLNK(type))
            copySymbolicLink(sourceDir, name, targetDir, targetName, from, to);
        else
            fail(ENOTSUP, from, to);
    }

    void copyFile(int sourceDir, const char* name, int targetDir, const char* targetName,
                  const fs::path& from, const fs::path& to)
    {
        FileDescriptor source(::openat(sourceDir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (!source || ::fstat(source.get(), &status) != 0)
            fail(errno, from, to);
        FileDescriptor target(::openat(targetDir, targetName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                       status.st_mode & 07777));
        if (!target)
            fail(errno, from, to);
        if (!copyData(source.get(), target.get(), status.st_size))
            fail(errno, from, to);
        if (::close(target.release()) != 0)
            fail(errno, from, to);
    }

    bool copyData(int source, int target, off_t size)
    {
#if defined(__linux__)
        // The kernel copies without a round trip through user memory, and shares extents where
        // the file system can.
        off_t copied = 0;
        while (copied < size) {
            const ssize_t count = ::copy_file_range(source, nullptr, target, nullptr,
                                                    static_cast<size_t>(size - copied), 0);
            if (count > 0) {
                copied += count;
                continue;
            }
            if (count == 0)
                return true;
            if (errno == EINTR)
                continue;
            if (copied == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
                break;
            return false;
        }
        if (copied >= size)
            return true;
#else
        (void)size;
#endif
        return copyDataByReading(source, target);
    }

    bool copyDataByReading(int source, int target)
    {
        buffer_.resize(128 * 1024);
        for (;;) {
            const ssize_t count = ::read(source, buffer_.data(), buffer_.size());
            if (count == 0)
                return true;
            if (count < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            for (ssize_t written = 0; written < count;) {
                const ssize_t result = ::write(target, buffer_.data() + written, static_cast<size_t>(count - written));
                if (result < 0) {
                    if (errno == EINTR)
                        continue;
                    return false;
                }
                written += result;
            }
        }
    }

    void copySymbolicLink(int sourceDir, const char* name, int targetDir, const char* targetName,
                          const fs::path& from, const fs::path& to)
    {
        std::vector<char> target(256);
        for (;;) {
            const ssize_t length = ::readlinkat(sourceDir, name, target.data(), target.size());
            if (length < 0)
                fail(errno, from, to);
            if (static_cast<size_t>(length) < target.size()) {
                target[static_cast<size_t>(length)] = '\0';
                break;
            }
            target.resize(target.size() * 2);
        }
        if (::symlinkat(target.data(), targetDir, targetName) != 0)
            fail(errno, from, to);
    }

    void copyDirectory(int sourceDir, const char* name, int targetDir, const char* targetName,
                       const fs::path& from, const fs::path& to)
    {
        FileDescriptor source(::openat(sourceDir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (!source || ::fstat(source.get(), &status) != 0)
            fail(errno, from, to);
        // Owner-only while filling it, so a read-only source folder can still be filled.
        if (::mkdirat(targetDir, targetName, 0700) != 0)
            fail(errno, from, to);
        FileDescriptor target(::openat(targetDir, targetName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!target)
            fail(errno, from, to);

        DIR* entries = ::fdopendir(source.get());
        if (entries == nullptr)
            fail(errno, from, to);
        source.release();
        const std::unique_ptr<DIR, int (*)(DIR*)> closer(entries, ::closedir);
        const int entriesFd = ::dirfd(entries);

        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(entries);
            if (entry == nullptr) {
                if (errno != 0)
                    fail(errno, from, to);
                break;
            }
            const char* entryName = entry->d_name;
            if (entryName[0] == '.' && (entryName[1] == '\0' || (entryName[1] == '.' && entryName[2] == '\0')))
                continue;
            mode_t type = typeOf(entry->d_type);
            if (type == 0) {
                struct stat entryStatus;
                if (::fstatat(entriesFd, entryName, &entryStatus, AT_SYMLINK_NOFOLLOW) != 0)
                    fail(errno, from / entryName, to / entryName);
                type = entryStatus.st_mode & S_IFMT;
            }
            copyEntry(entriesFd, entryName, type, target.get(), entryName, from / entryName, to / entryName);
        }
        if (::fchmod(target.get(), status.st_mode & 07777) != 0)
            fail(errno, from, to);
    }

    static mode_t typeOf(unsigned char directoryEntryType)
    {
        switch (directoryEntryType) {
        case DT_REG: return S_IFREG;
        case DT_DIR: return S_IFDIR;
        case DT_LNK: return S_IFLNK;
        default: return 0;
        }
    }

    fs::path from_;
    fs::path to_;
    std::vector<char> buffer_;
};

}  // namespace

fs::path withoutTrailingSlashes(const fs::path& path)
{
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::string lastPathComponent(const fs::path& path)
{
    return withoutTrailingSlashes(path).filename().string();
}

void createDirectories(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw errorFrom(error, "Couldn't create the folder " + inQuotes(folder.string()));
}

void createPrivateDirectory(const fs::path& folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0)
        throw posixError(errno, "Couldn't create the folder " + inQuotes(folder.string()));
}

void requirePrivateDirectory(const fs::path& folder)
{
    struct stat status;
    if (::lstat(folder.c_str(), &status) != 0)
        throw posixError(errno, "Couldn't use the folder " + inQuotes(folder.string()));
    const std::string problem = S_ISLNK(status.st_mode)   ? "it is a symbolic link"
                              : !S_ISDIR(status.st_mode)  ? "it is not a folder"
                              : status.st_uid != ::geteuid() ? "it belongs to another user"
                              : (status.st_mode & 022) != 0  ? "other users may write to it"
                                                             : "";
    if (!problem.empty())
        throw Error(posixDomain, EPERM, "Couldn't use the folder " + inQuotes(folder.string()) + ": " + problem + ".");
}

bool itemExists(const fs::path& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0;
}

bool itemOrLinkExists(const fs::path& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

void removeItem(const fs::path& path)
{
    std::error_code error;
    fs::remove_all(path, error);
    if (error)
        throw errorFrom(error, "Couldn't remove " + inQuotes(path.string()));
}

void copyItem(const fs::path& from, const fs::path& to)
{
#if defined(__APPLE__)
    // A clone shares the data on APFS and copies a whole tree in one call.
    if (::clonefile(from.c_str(), to.c_str(), CLONE_NOFOLLOW) == 0)
        return;
#endif
    TreeCopier(from, to).copy();
}

bool setPosixPermissions(const fs::path& path, mode_t mode) noexcept
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || S_ISLNK(status.st_mode))
        return false;
    return ::chmod(path.c_str(), mode) == 0;
}

bool isSameItem(const fs::path& a, const fs::path& b)
{
    struct stat first;
    struct stat second;
    return ::lstat(withoutTrailingSlashes(a).c_str(), &first) == 0
        && ::lstat(withoutTrailingSlashes(b).c_str(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool liesInside(const fs::path& inner, const fs::path& outer)
{
    struct stat status;
    if (::lstat(outer.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    std::error_code error;
    const fs::path realOuter = fs::canonical(outer, error);
    if (error)
        return false;
    const fs::path realInner = fs::weakly_canonical(withoutTrailingSlashes(inner), error);
    if (error)
        return false;
    const auto [outerEnd, innerAt] = std::mismatch(realOuter.begin(), realOuter.end(),
                                                   realInner.begin(), realInner.end());
    return outerEnd == realOuter.end() && innerAt != realInner.end();
}

bool isDirectory(const fs::path& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace platform
