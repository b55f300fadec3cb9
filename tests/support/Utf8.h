// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexidor {

constexpr bool isHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool isLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}
// The UTF-16 units of the character that starts at `i`: 2 for a surrogate
// pair, else 1.
constexpr std::size_t unitsAt(std::u16string_view text, std::size_t i)
{
    return i + 1 < text.size() && isHighSurrogate(text[i]) && isLowSurrogate(text[i + 1]) ? 2 : 1;
}
// The UTF-16 units of the character that ends just before `i`.
constexpr std::size_t unitsBefore(std::u16string_view text, std::size_t i)
{
    return i >= 2 && isLowSurrogate(text[i - 1]) && isHighSurrogate(text[i - 2]) ? 2 : 1;
}

// UTF-16 to UTF-8, without locale. Surrogate pairs become one code point; a
// lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// UTF-8 to UTF-16, without locale. Each byte that does not begin a valid,
// shortest-form sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view text);

} // namespace lexidor
