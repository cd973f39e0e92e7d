#include "flows/trash.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

namespace installer {

using platform::Error;
using platform::posixDomain;

void moveToTrash(const std::filesystem::path& item, const std::filesystem::path& trash)
{
    const std::string base = platform::lastPathComponent(item), name = platform::inQuotes(base);
    if (!platform::itemOrLinkExists(item))
        throw Error(posixDomain, ENOENT, name + " could not be found; it may have been moved or deleted.");
    if (!trash.empty()) {
        std::filesystem::path into = trash / base;
        for (int copy = 2; platform::itemOrLinkExists(into); ++copy)
            into = trash / (base + " " + std::to_string(copy));
        std::error_code error;
        std::filesystem::create_directories(trash, error);
        if (!error)
            std::filesystem::rename(item, into, error);
        if (error)
            throw platform::posixError(error.value(), "Couldn't move " + name + " to the Trash");
        return;
    }
#ifndef Q_OS_MACOS
    // Qt looks for the Trash in the data folder and, where there is none, quietly moves the item
    // into "files" in the working folder instead.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
    errno = 0;
    if (!QFile::moveToTrash(QFile::decodeName(item.c_str())))
        throw errno != 0 ? platform::posixError(errno, "Couldn't move " + name + " to the Trash")
                         : Error(posixDomain, EIO, "Couldn't move " + name + " to the Trash.");
}

}  // namespace installer
