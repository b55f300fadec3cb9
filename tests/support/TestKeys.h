// SPDX-License-Identifier: MIT
#pragma once

#include "KeyCodes.h"

namespace lexidor::vk {

// The code a keyboard reports with a typed character, for tools that type
// text into the window logic directly: letters and digits have their own
// code, the space bar 32, anything else (accented letters) none.
constexpr int ofCharacter(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return KeyA + (c - u'a');
    if (c >= u'A' && c <= u'Z')
        return KeyA + (c - u'A');
    if (c >= u'0' && c <= u'9')
        return Key0 + (c - u'0');
    if (c == u' ')
        return Space;
    return None;
}

} // namespace lexidor::vk
