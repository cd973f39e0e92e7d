#include "platform/input_sources.h"

#ifdef __APPLE__
#include <Carbon/Carbon.h>

#include <string>
#include <system_error>
#endif

namespace platform {

#ifdef __APPLE__

bool registerInputSource(const std::filesystem::path& installedItem)
{
    const std::string path = installedItem.string();
    std::error_code error;
    const bool isFolder = std::filesystem::is_directory(installedItem, error);
    const CFURLRef url = CFURLCreateFromFileSystemRepresentation(
        kCFAllocatorDefault, reinterpret_cast<const UInt8*>(path.data()), static_cast<CFIndex>(path.size()),
        isFolder);
    if (url == nullptr)
        return false;
    const OSStatus status = TISRegisterInputSource(url);
    CFRelease(url);
    return status == noErr;
}

#else

bool registerInputSource(const std::filesystem::path&)
{
    return false;
}

#endif

}  // namespace platform
