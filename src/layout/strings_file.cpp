#include "layout/strings_file.h"

#include "platform/error.h"
#include "platform/text.h"

#include <cerrno>
#include <optional>

namespace installer {
namespace {

void appendUtf16(std::string& out, char32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char lead[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(lead[tail] | (c >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

// Well-formed UTF-8 (checked before) as UTF-16 little-endian.
std::string utf16(std::string_view utf8)
{
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const int tail = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = tail == 0 ? lead : lead & (0x3F >> tail);
        for (int i = 1; i <= tail; ++i)
            c = (c << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        at += tail + 1;
        if (c >= 0x10000) {
            appendUtf16(out, 0xD800 + ((c - 0x10000) >> 10));
            c = 0xDC00 + ((c - 0x10000) & 0x3FF);
        }
        appendUtf16(out, c);
    }
    return out;
}

// UTF-16 after its byte-order mark as UTF-8; nothing when there is no mark or the text is broken.
std::optional<std::string> utf8FromUtf16(std::string_view bytes)
{
    const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
    if ((!little && !big) || bytes.size() % 2 != 0)
        return std::nullopt;
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return little ? first | (second << 8) : (first << 8) | second;
    };
    std::string out;
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= 0xDC00 && c < 0xE000)
            return std::nullopt;
        if (c >= 0xD800 && c < 0xDC00) {
            const char32_t low = at + 3 < bytes.size() ? unit(at + 2) : 0;
            if (low < 0xDC00 || low >= 0xE000)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            at += 2;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// Skips white space and comments; false at the end of the text.
bool skipToToken(std::string_view text, std::size_t& at)
{
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n')
            ++at;
        else if (text.substr(at, 2) == "//")
            at = text.find('\n', at) == std::string_view::npos ? text.size() : text.find('\n', at);
        else if (text.substr(at, 2) == "/*")
            at = text.find("*/", at) == std::string_view::npos ? text.size() : text.find("*/", at) + 2;
        else
            return true;
    }
    return false;
}

// A quoted string, its escapes taken as the character they escape, or an unquoted word.
std::optional<std::string> token(std::string_view text, std::size_t& at)
{
    std::string value;
    if (text[at] != '"') {
        while (at < text.size() && text.substr(at, 1).find_first_of(" \t\r\n=;\"") == std::string_view::npos)
            value += text[at++];
        return value.empty() ? std::nullopt : std::optional(value);
    }
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] == '\\' && ++at == text.size())
            break;
        value += text[at];
    }
    if (at++ >= text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::string stringsFileBytes(const std::map<std::string, std::string>& entries)
{
    std::string text;
    for (const auto& [name, value] : entries) {
        if (!platform::decodeUtf8(name) || !platform::decodeUtf8(value))
            throw platform::Error(platform::posixDomain, EILSEQ, "A localized name is not UTF-8 text.");
        text += "\"" + escaped(name) + "\" = \"" + escaped(value) + "\";\n";
    }
    return "\xFF\xFE" + utf16(text);
}

bool isUtf16Text(std::string_view bytes)
{
    return utf8FromUtf16(bytes).has_value();
}

std::vector<std::string> stringsFileKeys(std::string_view bytes)
{
    const std::string text = utf8FromUtf16(bytes).value_or(std::string(bytes));
    std::vector<std::string> keys;
    std::size_t at = 0;
    while (skipToToken(text, at)) {
        const std::optional<std::string> key = token(text, at);
        if (!key || !skipToToken(text, at) || text[at++] != '=' || !skipToToken(text, at) || !token(text, at)
            || !skipToToken(text, at) || text[at++] != ';')
            break;
        keys.push_back(*key);
    }
    return keys;
}

}  // namespace installer
