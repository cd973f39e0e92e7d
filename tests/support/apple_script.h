#pragma once

#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace testing_support {

// Reads one AppleScript string literal the way AppleScript does; nothing when the text is
// not exactly one well-formed literal: no bare quote inside, only these escapes.
inline std::optional<std::string> decodeAppleScriptString(std::string_view literal)
{
    static const std::regex wellFormed(R"("([^"\\]|\\[\\"nrt])*")");
    if (!std::regex_match(literal.begin(), literal.end(), wellFormed))
        return std::nullopt;
    constexpr std::string_view escaped = "\\\"nrt", meant = "\\\"\n\r\t";
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i)
        text += literal[i] == '\\' ? meant[escaped.find(literal[++i])] : literal[i];
    return text;
}

}  // namespace testing_support
