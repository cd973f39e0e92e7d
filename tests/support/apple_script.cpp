#include "support/apple_script.h"

namespace testing_support {

std::optional<std::string> decodeAppleScriptString(std::string_view literal)
{
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        const char c = literal[i];
        if (c == '"')
            return std::nullopt;  // an unescaped quote would end the literal early
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i + 1 >= literal.size())
            return std::nullopt;  // a backslash would escape the closing quote
        switch (literal[i]) {
        case '\\': text += '\\'; break;
        case '"': text += '"'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

std::optional<std::string> shellCommandOf(std::string_view appleScript)
{
    constexpr std::string_view prefix = "do shell script ";
    constexpr std::string_view suffix = " with administrator privileges";
    if (!appleScript.starts_with(prefix) || !appleScript.ends_with(suffix))
        return std::nullopt;
    return decodeAppleScriptString(appleScript.substr(prefix.size(), appleScript.size() - prefix.size() - suffix.size()));
}

}  // namespace testing_support
