// SPDX-License-Identifier: MIT
#pragma once

#include "Utf8.h"

#include <string>
#include <string_view>

namespace lexidor::test {

// Readable test names and failure messages.
inline std::string utf8(std::u16string_view text)
{
    return toUtf8(text);
}

} // namespace lexidor::test
