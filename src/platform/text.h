#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes as text when they are well-formed UTF-8, otherwise nothing.
std::optional<std::string> decodeUtf8(std::string_view bytes);

// The text without white space and line breaks (ASCII and Unicode) at either end.
std::string trimmedWhitespaceAndNewlines(std::string_view text);

// The path text in double quotes, as error messages name files.
std::string inQuotes(std::string_view text);

}  // namespace platform
