#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// Reads one AppleScript string literal the way AppleScript does; nothing when the text is
// not exactly one well-formed literal.
inline std::optional<std::string> decodeAppleScriptString(std::string_view literal)
{
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '"' || (literal[i] == '\\' && i + 2 >= literal.size()))
            return std::nullopt;  // the literal would end early, or its closing quote be escaped
        if (literal[i] != '\\') {
            text += literal[i];
            continue;
        }
        constexpr std::string_view escaped = "\\\"nrt", meant = "\\\"\n\r\t";
        const std::size_t which = escaped.find(literal[++i]);
        if (which == std::string_view::npos)
            return std::nullopt;
        text += meant[which];
    }
    return text;
}

}  // namespace testing_support
