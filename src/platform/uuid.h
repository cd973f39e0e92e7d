#pragma once

#include <string>

namespace platform {

// A new random UUID: 36 upper-case characters in groups 8-4-4-4-12.
std::string newUuidString();

}  // namespace platform
