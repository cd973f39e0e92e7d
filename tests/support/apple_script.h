#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// Reads one AppleScript string literal the way AppleScript does; nothing when the text is
// not exactly one well-formed literal.
inline std::optional<std::string> decodeAppleScriptString(std::string_view literal)
{
    if (literal.size() < 2 || !literal.starts_with('"') || !literal.ends_with('"'))
        return std::nullopt;
    constexpr std::string_view escaped = "\\\"nrt", meant = "\\\"\n\r\t";
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        const char c = literal[i];
        if (c == '"' || (c == '\\' && i + 2 == literal.size()))
            return std::nullopt;  // the literal would end early, or its closing quote be escaped
        const std::size_t which = c == '\\' ? escaped.find(literal[++i]) : meant.size();
        if (which == escaped.npos)
            return std::nullopt;
        text += which < meant.size() ? meant[which] : c;
    }
    return text;
}

}  // namespace testing_support
