#include "platform/text.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

bool isWhitespaceOrNewline(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

int columns(char32_t c)
{
    if ((c >= 0x300 && c <= 0x36F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF)
        || (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F)
        || (c >= 0x200B && c <= 0x200F))
        return 0;
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) || (c >= 0x20000 && c <= 0x3FFFD))
        return 2;
    return 1;
}

}  // namespace

CodePoint codePointAt(std::string_view utf8, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(utf8[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length;
    char32_t minimum, value;
    if (lead < 0x80)
        return {lead, 1, true};
    if ((lead & 0xE0) == 0xC0)
        length = 2, minimum = 0x80, value = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, minimum = 0x800, value = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, minimum = 0x10000, value = lead & 0x07;
    else
        return {};
    if (at + length > utf8.size())
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {};
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF)
        return {};
    return {value, length, value < 0xD800 || value > 0xDFFF};
}

void appendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += char(c);
    } else if (c < 0x800) {
        text += char(0xC0 | (c >> 6)), text += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += char(0xE0 | (c >> 12)), text += char(0x80 | ((c >> 6) & 0x3F)), text += char(0x80 | (c & 0x3F));
    } else {
        text += char(0xF0 | (c >> 18)), text += char(0x80 | ((c >> 12) & 0x3F));
        text += char(0x80 | ((c >> 6) & 0x3F)), text += char(0x80 | (c & 0x3F));
    }
}

std::size_t displayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const CodePoint c = codePointAt(utf8, at);
        width += std::size_t(columns(c.value));
        at += c.length;
    }
    return width;
}

std::optional<std::string> decodeUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const CodePoint c = codePointAt(bytes, at);
        if (!c.wellFormed)
            return std::nullopt;
        at += c.length;
    }
    return std::string(bytes);
}

std::string trimmedWhitespaceAndNewlines(std::string_view text)
{
    // Malformed bytes are kept as text: only real white space is trimmed.
    std::size_t begin = text.size();
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        if (!isWhitespaceOrNewline(c.value)) {
            begin = std::min(begin, at);
            end = at + c.length;
        }
        at += c.length;
    }
    return begin < end ? std::string(text.substr(begin, end - begin)) : std::string();
}

std::string inQuotes(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result.append(1, '"').append(text).append(1, '"');
    return result;
}

}  // namespace platform
