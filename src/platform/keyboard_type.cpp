#include "platform/keyboard_type.h"

#ifdef __APPLE__
#include <Carbon/Carbon.h>
#endif

namespace platform {

bool keyboardIsIso()
{
#ifdef __APPLE__
    return KBGetLayoutType(LMGetKbdType()) == kKeyboardISO;
#else
    return false;
#endif
}

}  // namespace platform
