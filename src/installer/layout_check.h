#pragma once

#include <filesystem>

namespace installer {

// Throws platform::Error, with a message the user can act on, when the item certainly cannot
// be loaded as a keyboard layout: a .keylayout that is no XML document with a <keyboard> root
// (a saved web page, an empty or cut-short download, an archive), or a .bundle with no such
// file in Contents/Resources. Parsing is lenient, so whatever the system loads passes.
void requireKeyboardLayout(const std::filesystem::path& item);

}  // namespace installer
