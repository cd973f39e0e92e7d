#include "platform/files.h"

#include "platform/error.h"
#include "platform/text.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
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
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

// One item to copy: the two parent folders as descriptors and paths, and its names in them.
// The paths are joined with the names only when an error has to name the item.
struct CopyEntry {
    int sourceFolder;
    const char* sourceName;
    const fs::path& sourceParent;
    int targetFolder;
    const char* targetName;
    const fs::path& targetParent;
};

// Copies a tree through folder descriptors, so each file costs as few system calls as possible.
class TreeCopier {
public:
    void copy(const fs::path& from, const fs::path& to)
    {
        const fs::path none;
        const CopyEntry top{AT_FDCWD, from.c_str(), none, AT_FDCWD, to.c_str(), none};
        struct stat source;
        if (::lstat(from.c_str(), &source) != 0)
            fail(errno, top);
        copyEntry(top, source.st_mode & S_IFMT);
    }

private:
    [[noreturn]] static void fail(int errorNumber, const CopyEntry& entry)
    {
        throw posixError(errorNumber,
                         "Couldn't copy " + inQuotes((entry.sourceParent / entry.sourceName).string()) + " to "
                             + inQuotes((entry.targetParent / entry.targetName).string()));
    }

    void copyEntry(const CopyEntry& entry, mode_t type)
    {
        if (S_ISREG(type))
            copyFile(entry);
        else if (S_ISDIR(type))
            copyDirectory(entry);
        else if (S_ISLNK(type))
            copySymbolicLink(entry);
        else
            fail(ENOTSUP, entry);
    }

    void copyFile(const CopyEntry& entry)
    {
        FileDescriptor source(::openat(entry.sourceFolder, entry.sourceName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (!source || ::fstat(source.get(), &status) != 0)
            fail(errno, entry);
        FileDescriptor target(::openat(entry.targetFolder, entry.targetName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                       status.st_mode & 07777));
        // The mode again, since creating the file applied the umask to it.
        if (!target || ::fchmod(target.get(), status.st_mode & 07777) != 0
            || !copyData(source.get(), target.get(), status.st_size) || ::close(target.release()) != 0)
            fail(errno, entry);
    }

    bool copyData(int source, int target, off_t size)
    {
#if defined(__linux__)
        // The kernel copies without a round trip through user memory, and shares extents where
        // the file system can.
        off_t copied = 0;
        while (copied < size) {
            const ssize_t count =
                ::copy_file_range(source, nullptr, target, nullptr, static_cast<size_t>(size - copied), 0);
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

    static void copySymbolicLink(const CopyEntry& entry)
    {
        std::vector<char> target(256);
        for (;;) {
            const ssize_t length = ::readlinkat(entry.sourceFolder, entry.sourceName, target.data(), target.size());
            if (length < 0)
                fail(errno, entry);
            if (static_cast<size_t>(length) < target.size()) {
                target[static_cast<size_t>(length)] = '\0';
                break;
            }
            target.resize(target.size() * 2);
        }
        if (::symlinkat(target.data(), entry.targetFolder, entry.targetName) != 0)
            fail(errno, entry);
    }

    void copyDirectory(const CopyEntry& entry)
    {
        FileDescriptor source(
            ::openat(entry.sourceFolder, entry.sourceName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (!source || ::fstat(source.get(), &status) != 0)
            fail(errno, entry);
        // Owner-only while filling it, so a read-only source folder can still be filled.
        if (::mkdirat(entry.targetFolder, entry.targetName, 0700) != 0)
            fail(errno, entry);
        FileDescriptor target(
            ::openat(entry.targetFolder, entry.targetName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!target)
            fail(errno, entry);

        DIR* entries = ::fdopendir(source.get());
        if (entries == nullptr)
            fail(errno, entry);
        source.release();
        const std::unique_ptr<DIR, int (*)(DIR*)> closer(entries, ::closedir);
        const fs::path sourcePath = entry.sourceParent / entry.sourceName;
        const fs::path targetPath = entry.targetParent / entry.targetName;

        for (;;) {
            errno = 0;
            const dirent* found = ::readdir(entries);
            if (found == nullptr) {
                if (errno != 0)
                    fail(errno, entry);
                break;
            }
            const char* name = found->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            const CopyEntry child{::dirfd(entries), name, sourcePath, target.get(), name, targetPath};
            mode_t type = typeOf(found->d_type);
            if (type == 0) {
                struct stat childStatus;
                if (::fstatat(child.sourceFolder, name, &childStatus, AT_SYMLINK_NOFOLLOW) != 0)
                    fail(errno, child);
                type = childStatus.st_mode & S_IFMT;
            }
            copyEntry(child, type);
        }
        if (::fchmod(target.get(), status.st_mode & 07777) != 0)
            fail(errno, entry);
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

    std::vector<char> buffer_;
};

void openFoldersForRemoval(const fs::path& path)
{
    std::error_code ignored;
    if (!fs::is_directory(fs::symlink_status(path, ignored)))
        return;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(path, fs::directory_options::skip_permission_denied, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
}

bool isFolderNotLink(const fs::path& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Exchanges the two items in one step; false with errno set when the system cannot.
bool exchange(const fs::path& a, const fs::path& b)
{
#if defined(__APPLE__)
    return ::renamex_np(a.c_str(), b.c_str(), RENAME_SWAP) == 0;
#elif defined(__linux__) && defined(RENAME_EXCHANGE)
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
#else
    (void)a;
    (void)b;
    errno = ENOTSUP;
    return false;
#endif
}

void moveItem(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw posixError(errno, "Couldn't move " + inQuotes(from.string()) + " to " + inQuotes(to.string()));
}

}  // namespace

fs::path temporaryDirectory()
{
    std::error_code error;
    const fs::path directory = fs::temp_directory_path(error);
    if (error)
        throw errorFrom(error, "Couldn't find the temporary folder");
    return withoutTrailingSlashes(directory);
}

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
    const std::string problem = S_ISLNK(status.st_mode) ? "it is a symbolic link"
        : !S_ISDIR(status.st_mode)                      ? "it is not a folder"
        : status.st_uid != ::geteuid()                  ? "it belongs to another user"
        : (status.st_mode & 022) != 0                   ? "other users may write to it"
                                                        : "";
    if (!problem.empty())
        throw Error(posixDomain, EPERM, "Couldn't use the folder " + inQuotes(folder.string()) + ": " + problem + ".");
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
    if (error == std::errc::permission_denied) {
        // A copy keeps the source's read-only folders; their owner may still take them away.
        openFoldersForRemoval(path);
        fs::remove_all(path, error);
    }
    if (error)
        throw errorFrom(error, "Couldn't remove " + inQuotes(path.string()));
}

void copyItem(const fs::path& from, const fs::path& to, Cloning cloning)
{
#if defined(__APPLE__)
    // A clone shares the data on APFS and copies a whole tree in one call.
    if (cloning == Cloning::whereSupported && ::clonefile(from.c_str(), to.c_str(), CLONE_NOFOLLOW) == 0)
        return;
#else
    static_cast<void>(cloning);
#endif
    TreeCopier().copy(from, to);
}

std::string readRegularFile(const fs::path& path, std::size_t limit)
{
    const auto refuse = [&](int errorNumber) {
        return posixError(errorNumber, "Couldn't read " + inQuotes(path.string()));
    };
    // Looked at before opening, since merely opening some devices has an effect.
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        throw refuse(errno);
    FileDescriptor file(S_ISREG(status.st_mode) ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1);
    if (file && ::fstat(file.get(), &status) != 0)
        throw refuse(errno);
    if (!S_ISREG(status.st_mode))
        throw refuse(S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    if (!file)
        throw refuse(errno);
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        throw refuse(EFBIG);

    // One byte more than the file's size, to see the end of a file that grew in the meantime.
    std::string content(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        const ssize_t count = ::read(file.get(), content.data() + size, content.size() - size);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw refuse(errno);
        }
        size += static_cast<std::size_t>(count);
        if (size > limit)
            throw refuse(EFBIG);
        if (size == content.size())
            content.resize(std::min(content.size() * 2, limit + 1));
    }
    content.resize(size);
    return content;
}

void swapIntoPlace(const fs::path& item, const fs::path& destination, const fs::path& aside)
{
    // rename(2) replaces a file atomically, but not a folder or an item of the other kind.
    if (!itemOrLinkExists(destination) || (!isFolderNotLink(item) && !isFolderNotLink(destination))) {
        moveItem(item, destination);
        return;
    }
    if (exchange(item, destination))
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        throw posixError(errno, "Couldn't move " + inQuotes(item.string()) + " to " + inQuotes(destination.string()));
    moveItem(destination, aside);
    try {
        moveItem(item, destination);
    } catch (const Error&) {
        static_cast<void>(::rename(aside.c_str(), destination.c_str()));
        throw;
    }
    // The new item is in place now; should this fail, the old one stays at `aside` for the caller.
    static_cast<void>(::rename(aside.c_str(), item.c_str()));
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
        && ::lstat(withoutTrailingSlashes(b).c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
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
    const auto [outerEnd, innerAt] =
        std::mismatch(realOuter.begin(), realOuter.end(), realInner.begin(), realInner.end());
    return outerEnd == realOuter.end() && innerAt != realInner.end();
}

bool isDirectory(const fs::path& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void writeNewFile(const fs::path& path, const std::string& bytes)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0)
        throw posixError(errno, "Couldn't write " + inQuotes(path.string()));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            const int error = errno;
            ::close(file);
            throw posixError(error, "Couldn't write " + inQuotes(path.string()));
        }
        written += std::size_t(count);
    }
    if (::close(file) != 0)
        throw posixError(errno, "Couldn't write " + inQuotes(path.string()));
}

}  // namespace platform
