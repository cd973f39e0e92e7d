#pragma once

#include "platform/input_sources.h"

#include <filesystem>

namespace installer {

// A system program or folder. A build for tests puts it under /dev/null, where no program starts
// and no folder can be made, so a test that reaches the real one fails instead of changing the Mac.
inline std::filesystem::path systemPath(const char* path)
{
#ifdef KEYBOARD_INSTALLER_TEST_SEAMS
    return std::filesystem::path("/dev/null/reached-by-a-test") += path;
#else
    return path;
#endif
}

// Where removed and replaced items go: empty for the user's own Trash, which the desktop keeps.
inline std::filesystem::path systemTrash()
{
#ifdef KEYBOARD_INSTALLER_TEST_SEAMS
    return systemPath("/Trash");
#else
    return {};
#endif
}

// The system programs, the all-users folder and the input-source registry that installing relies on. Every way in takes
// them from here; tests put stand-ins and temporary folders in their place.
struct SystemTools {
    std::filesystem::path osascript = systemPath("/usr/bin/osascript");
    std::filesystem::path killall = systemPath("/usr/bin/killall");
    // Runs the privileged program as root, asked by osascript or by a caller that is root already.
    std::filesystem::path shell = systemPath("/bin/sh");
    std::filesystem::path systemLayouts = systemPath("/Library/Keyboard Layouts");
    platform::InputSourceRegistry inputSources = platform::systemInputSources();
    // Reads and writes the preferences of the login window, which go through the system's daemon.
    std::filesystem::path defaults = systemPath("/usr/bin/defaults");
    std::filesystem::path trash = systemTrash();
};

}  // namespace installer
