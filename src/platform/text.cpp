#include "platform/text.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

// Decodes one code point at `at`; returns its length in bytes, or 0 when malformed.
std::size_t decodeCodePoint(std::string_view bytes, std::size_t at, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate)
        return 0;
    return length;
}

bool isWhitespaceOrNewline(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace

std::optional<std::string> decodeUtf8(std::string_view bytes)
{
    char32_t codePoint;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = decodeCodePoint(bytes, at, codePoint);
        if (length == 0)
            return std::nullopt;
        at += length;
    }
    return std::string(bytes);
}

std::string trimmedWhitespaceAndNewlines(std::string_view text)
{
    // Malformed bytes are kept as text: only real white space is trimmed.
    std::size_t begin = text.size();
    std::size_t end = 0;
    char32_t codePoint;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = decodeCodePoint(text, at, codePoint);
        if (length == 0) {
            length = 1;
            codePoint = 0xFFFD;
        }
        if (!isWhitespaceOrNewline(codePoint)) {
            begin = std::min(begin, at);
            end = at + length;
        }
        at += length;
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
