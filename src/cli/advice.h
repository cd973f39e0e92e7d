#pragma once

#include "layout/bundle_advice.h"

#include <string>

namespace cli {

// The advice's kind as CI steps filter on it in the JSON; the names stay as they are.
const char* adviceKindName(installer::Advice::Kind kind);

// The advice as a sentence to the author of the bundle `item` (its file name), saying why it matters.
std::string adviceMessage(const std::string& item, const installer::Advice& advice);

}  // namespace cli
