// SPDX-License-Identifier: MIT
#pragma once

// Characters in UTF-16 text: a character beyond the Basic Multilingual Plane
// is a surrogate pair, two units that the box edits, steps over and deletes
// as one. Every toolkit and test driver takes these steps from here, and
// whoever writes the text out as UTF-8 its encoding.

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

// Where the caret goes when the user moves it one character from `caret`
// (step -1 left, +1 right): never between the two halves of a pair.
constexpr std::size_t caretAfterStep(std::u16string_view text, std::size_t caret, int step)
{
    if (step < 0)
        return caret == 0 ? 0 : caret - unitsBefore(text, caret);
    return caret >= text.size() ? text.size() : caret + unitsAt(text, caret);
}

// UTF-16 to UTF-8, without locale. Surrogate pairs become one code point; a
// lone surrogate becomes U+FFFD.
inline std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (unitsAt(text, i) == 2) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace lexidor
