#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace installer {

// A .strings file as the system reads a bundle's localized names: UTF-16 (little-endian) with a
// byte-order mark, a line `"NAME" = "TEXT";` for each entry in order of NAME, quotes and
// backslashes escaped. The texts are UTF-8; throws platform::Error on one that is not.
std::string stringsFileBytes(const std::map<std::string, std::string>& entries);

// Whether the bytes are UTF-16 text led by its byte-order mark.
bool isUtf16Text(std::string_view bytes);

// The names a .strings file gives texts for, in its order: read as UTF-16 when led by a byte-order
// mark, else as UTF-8. Reading stops at what the format cannot hold.
std::vector<std::string> stringsFileKeys(std::string_view bytes);

}  // namespace installer
