#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// Reads one AppleScript string literal the way AppleScript does; nothing when the text is
// not exactly one well-formed literal.
std::optional<std::string> decodeAppleScriptString(std::string_view literal);

// The shell command inside `do shell script "..." with administrator privileges`.
std::optional<std::string> shellCommandOf(std::string_view appleScript);

}  // namespace testing_support
