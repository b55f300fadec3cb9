// SPDX-License-Identifier: MIT
#include "TermCompare.h"

#include <cstddef>

namespace lexidor {

char16_t foldCase(char16_t c) noexcept
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - (u'a' - u'A'));
    // à..þ map to À..Þ, 32 code points lower; ÷ (U+00F7) has no capital.
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7)
        return static_cast<char16_t>(c - 0x20);
    return c;
}

bool termsEqual(std::u16string_view a, std::u16string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

std::u16string_view prefixOf(std::u16string_view s, int length) noexcept
{
    if (length <= 0)
        return s.substr(0, 0);
    return s.substr(0, static_cast<std::size_t>(length));
}

} // namespace lexidor
