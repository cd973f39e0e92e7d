#include "installer/item_name.h"

#include "layout/file_names.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cerrno>

namespace installer {

std::string installableName(const std::filesystem::path& item)
{
    const std::string name = platform::lastPathComponent(item);
    if (!isPlainFileName(name))
        throw platform::Error(platform::posixDomain, EINVAL,
                              "Couldn't install " + platform::inQuotes(item.string())
                                  + ": it does not name a keyboard layout file or bundle.");
    return name;
}

}  // namespace installer
