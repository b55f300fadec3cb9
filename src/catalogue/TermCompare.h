// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lexidor {

// Term comparison: equal length, and each pair of characters equal ignoring
// letter case. Case folding covers Latin-1 only: a-z with A-Z and the accented
// small letters with their accented capitals (U+00E0..U+00FE with
// U+00C0..U+00DE, leaving the division and multiplication signs alone). An
// accented letter never equals its plain letter, nothing is trimmed, and any
// other character equals only itself. No locale is consulted.
char16_t foldCase(char16_t c) noexcept;
bool termsEqual(std::u16string_view a, std::u16string_view b) noexcept;

// The first `length` characters of `s`, or all of `s` when it is shorter.
// A length of zero or less gives the empty text.
std::u16string_view prefixOf(std::u16string_view s, int length) noexcept;

} // namespace lexidor
