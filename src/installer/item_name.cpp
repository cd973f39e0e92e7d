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
        throwNotAnItemName(item);
    return name;
}

void throwNotAnItemName(const std::filesystem::path& given)
{
    throw platform::Error(platform::posixDomain, EINVAL,
                          platform::inQuotes(given.string()) + " does not name a keyboard layout file or bundle.");
}

}  // namespace installer
