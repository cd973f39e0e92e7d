#pragma once

namespace platform {

// Whether the Mac's keyboard is of the ISO kind, with a key right of the left Shift and a tall
// Return. Other systems cannot tell: there it is false.
bool keyboardIsIso();

}  // namespace platform
