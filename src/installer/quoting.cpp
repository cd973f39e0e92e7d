#include "installer/quoting.h"

namespace installer {

std::string shellQuote(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '\'';
    for (const char c : text) {
        if (c == '\'')
            result += "'\\''";
        else
            result += c;
    }
    result += '\'';
    return result;
}

std::string appleScriptString(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    for (const char c : text) {
        switch (c) {
        case '\\': result += "\\\\"; break;
        case '"': result += "\\\""; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        default: result += c;
        }
    }
    result += '"';
    return result;
}

}  // namespace installer
