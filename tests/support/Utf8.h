// SPDX-License-Identifier: MIT
#pragma once

#include "Utf16.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lexidor {

// UTF-8 to UTF-16, without locale. Each byte that does not begin a valid,
// shortest-form sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view text);

// A JSON string of the text, in ASCII: quotes, backslashes, control
// characters and everything beyond ASCII as \uXXXX, a unit each.
std::string jsonString(std::u16string_view text);

} // namespace lexidor
