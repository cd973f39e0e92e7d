#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// One code point of UTF-8 text.
struct CodePoint {
    char32_t value = 0xFFFD;  // U+FFFD for a byte that starts no code point
    std::size_t length = 1;  // in bytes
    bool wellFormed = false;  // a surrogate, which UTF-8 never encodes, decodes as itself but is not
};

// The code point that starts at `at`, which is before the end.
CodePoint codePointAt(std::string_view utf8, std::size_t at);

// Appends the code point, encoded as UTF-8.
void appendUtf8(std::string& text, char32_t codePoint);

// How many terminal columns the text takes: two for each wide or fullwidth character of East Asian
// scripts, none for marks that combine with the character before them, one for any other.
std::size_t displayWidth(std::string_view utf8);

// The bytes as text when they are well-formed UTF-8, otherwise nothing.
std::optional<std::string> decodeUtf8(std::string_view bytes);

// The text without white space and line breaks (ASCII and Unicode) at either end.
std::string trimmedWhitespaceAndNewlines(std::string_view text);

// The path text in double quotes, as error messages name files.
std::string inQuotes(std::string_view text);

}  // namespace platform
