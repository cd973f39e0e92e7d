#pragma once

#include <string>
#include <string_view>

namespace installer {

// One single-quoted POSIX shell word that the shell reads back as exactly `text`.
std::string shellQuote(std::string_view text);

// One double-quoted AppleScript string literal that AppleScript reads back as exactly `text`.
std::string appleScriptString(std::string_view text);

}  // namespace installer
