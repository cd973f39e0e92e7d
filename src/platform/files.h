#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace platform {

// The path without trailing slashes; "/" stays "/".
std::filesystem::path withoutTrailingSlashes(const std::filesystem::path& path);

// The item's own name, a trailing slash not counted: "a/Foo.bundle/" names "Foo.bundle".
std::string lastPathComponent(const std::filesystem::path& path);

// The user's temporary folder (TMPDIR applies), without a trailing slash.
std::filesystem::path temporaryDirectory();

// Creates the folder and any missing parents; an existing folder is no error.
void createDirectories(const std::filesystem::path& folder);

// Creates one new folder that only its owner may enter.
void createPrivateDirectory(const std::filesystem::path& folder);

// Throws unless the folder is a real directory of the current user that nobody else may write to.
void requirePrivateDirectory(const std::filesystem::path& folder);

// Whether anything is at the path, a dangling symbolic link included.
bool itemOrLinkExists(const std::filesystem::path& path);

// Removes the file, link or whole folder tree, read-only folders of the user's own included.
void removeItem(const std::filesystem::path& path);

// Where the file system can, a copy may share the data with its source (a clone on APFS).
// A clone writes no data blocks, so a test that makes writing fail switches it off.
enum class Cloning { whereSupported, never };

// Copies a file, link or whole folder tree to `to`, where nothing may exist yet. Modes are kept.
void copyItem(const std::filesystem::path& from, const std::filesystem::path& to,
              Cloning cloning = Cloning::whereSupported);

// The whole content of a regular file of at most `limit` bytes, following symbolic links. It
// never blocks on a FIFO or a device and never reads more than `limit` bytes. Throws Error with
// EISDIR for a folder, EINVAL for anything else that is not a regular file, EFBIG past the limit,
// or what the system reports.
std::string readRegularFile(const std::filesystem::path& path, std::size_t limit);

// Writes a new file of mode 0644 with the bytes, where nothing may exist yet. Throws Error.
void writeNewFile(const std::filesystem::path& path, const std::string& bytes);

// Puts `item` at `destination`, in the same folder, so that a complete item stands there at
// every moment whatever the kinds of the two. What stood there before is gone or left for the
// caller to remove at `item`'s path or, rarely, at `aside`: a free name in that folder, used
// where the system cannot swap two items.
void swapIntoPlace(const std::filesystem::path& item, const std::filesystem::path& destination,
                   const std::filesystem::path& aside);

// Sets the item's mode bits; false when that fails. A symbolic link is left alone.
bool setPosixPermissions(const std::filesystem::path& path, mode_t mode) noexcept;

// Whether the two paths reach the very same item (not following a final symbolic link).
bool isSameItem(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `inner` lies somewhere inside the real folder `outer`, symbolic links resolved.
bool liesInside(const std::filesystem::path& inner, const std::filesystem::path& outer);

// Whether the path is a folder (following symbolic links).
bool isDirectory(const std::filesystem::path& path);

}  // namespace platform
