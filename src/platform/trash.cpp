#include "platform/trash.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

namespace platform {

void moveToTrash(const std::filesystem::path& item)
{
    const std::string name = inQuotes(lastPathComponent(item));
    if (!itemOrLinkExists(item))
        throw Error(posixDomain, ENOENT, name + " could not be found; it may have been moved or deleted.");
#ifndef Q_OS_MACOS
    // Qt looks for the Trash in the data folder and, where there is none, quietly moves the item
    // into "files" in the working folder instead.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
    errno = 0;
    if (!QFile::moveToTrash(QFile::decodeName(item.c_str())))
        throw errno != 0 ? posixError(errno, "Couldn't move " + name + " to the Trash")
                         : Error(posixDomain, EIO, "Couldn't move " + name + " to the Trash.");
}

}  // namespace platform
