#include "platform/input_sources.h"

#ifdef __APPLE__
#include <Carbon/Carbon.h>

#include <system_error>
#endif

#include <cstdio>
#include <stdexcept>
#include <string>

namespace platform {
namespace {

#ifdef KEYBOARD_INSTALLER_TEST_SEAMS
// A test that reaches the system's registry says so on its error output and fails: on a Mac it
// would have changed the user's input menu.
[[noreturn]] void reached(const std::string& call)
{
    const std::string message = "A test reached the system's input sources (" + call + "); give it a stand-in.";
    std::fprintf(stderr, "%s\n", message.c_str());
    throw std::logic_error(message);
}

InputSourceRegistry failingRegistry()
{
    return {
        .registerItem = [](const std::filesystem::path& item) -> bool { reached("register " + item.string()); },
        .keyboardLayouts = []() -> std::vector<InputSource> { reached("keyboard layouts"); },
        .enable = [](const std::string& id) -> bool { reached("enable " + id); },
        .disable = [](const std::string& id) -> bool { reached("disable " + id); },
        .select = [](const std::string& id) -> bool { reached("select " + id); },
    };
}
#endif

#ifdef __APPLE__

std::string fromCFString(CFStringRef text)
{
    if (text == nullptr)
        return {};
    if (const char* fast = CFStringGetCStringPtr(text, kCFStringEncodingUTF8))
        return fast;
    const CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(text), kCFStringEncodingUTF8) + 1;
    std::string buffer(static_cast<std::size_t>(size), '\0');
    if (!CFStringGetCString(text, buffer.data(), size, kCFStringEncodingUTF8))
        return {};
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

// Every installed keyboard layout, enabled or not; the caller releases the list.
CFArrayRef copyKeyboardLayouts()
{
    const void* keys[] = {kTISPropertyInputSourceType};
    const void* values[] = {kTISTypeKeyboardLayout};
    const CFDictionaryRef filter = CFDictionaryCreate(kCFAllocatorDefault, keys, values, 1,
                                                      &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    const CFArrayRef list = TISCreateInputSourceList(filter, true);
    CFRelease(filter);
    return list;
}

std::string stringProperty(TISInputSourceRef source, CFStringRef key)
{
    return fromCFString(static_cast<CFStringRef>(TISGetInputSourceProperty(source, key)));
}

bool isEnabled(TISInputSourceRef source)
{
    const auto enabled = static_cast<CFBooleanRef>(TISGetInputSourceProperty(source, kTISPropertyInputSourceIsEnabled));
    return enabled != nullptr && CFBooleanGetValue(enabled);
}

// Runs `action` on the installed layout with this id; false when there is none.
bool withSource(const std::string& id, OSStatus (*action)(TISInputSourceRef))
{
    const CFArrayRef list = copyKeyboardLayouts();
    if (list == nullptr)
        return false;
    bool done = false;
    for (CFIndex i = 0; i < CFArrayGetCount(list) && !done; ++i) {
        const auto source = static_cast<TISInputSourceRef>(const_cast<void*>(CFArrayGetValueAtIndex(list, i)));
        if (stringProperty(source, kTISPropertyInputSourceID) == id)
            done = action(source) == noErr;
    }
    CFRelease(list);
    return done;
}

bool registerItem(const std::filesystem::path& installedItem)
{
    const std::string path = installedItem.string();
    std::error_code error;
    const bool isFolder = std::filesystem::is_directory(installedItem, error);
    const CFURLRef url = CFURLCreateFromFileSystemRepresentation(
        kCFAllocatorDefault, reinterpret_cast<const UInt8*>(path.data()), static_cast<CFIndex>(path.size()), isFolder);
    if (url == nullptr)
        return false;
    const OSStatus status = TISRegisterInputSource(url);
    CFRelease(url);
    return status == noErr;
}

std::vector<InputSource> keyboardLayouts()
{
    std::vector<InputSource> sources;
    const CFArrayRef list = copyKeyboardLayouts();
    if (list == nullptr)
        return sources;
    for (CFIndex i = 0; i < CFArrayGetCount(list); ++i) {
        const auto source = static_cast<TISInputSourceRef>(const_cast<void*>(CFArrayGetValueAtIndex(list, i)));
        sources.push_back({stringProperty(source, kTISPropertyInputSourceID),
                           stringProperty(source, kTISPropertyLocalizedName), isEnabled(source)});
    }
    CFRelease(list);
    return sources;
}

// In a build for tests, it stands unused beside the failing one, still compiled.
[[maybe_unused]] InputSourceRegistry textInputSources()
{
    return {
        .registerItem = registerItem,
        .keyboardLayouts = keyboardLayouts,
        .enable = [](const std::string& id) { return withSource(id, TISEnableInputSource); },
        .disable = [](const std::string& id) { return withSource(id, TISDisableInputSource); },
        .select = [](const std::string& id) { return withSource(id, TISSelectInputSource); },
    };
}

#endif

}  // namespace

InputSourceRegistry systemInputSources()
{
#if defined(KEYBOARD_INSTALLER_TEST_SEAMS)
    return failingRegistry();
#elif defined(__APPLE__)
    return textInputSources();
#else
    return {};
#endif
}

}  // namespace platform
