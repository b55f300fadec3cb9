// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lexidor {

// One glossary entry. The term is exactly the text of its list row; the
// definition starts with the term, a colon and one space. The publications
// each definition rests on are kept beside the catalogue, row for row, in
// EntrySources.h; the window never shows them.
struct Entry {
    std::u16string_view term;
    std::u16string_view definition;
};

inline constexpr int kRowCount = 61;

// The whole glossary in list order (row 0 to 60), fixed at build time.
extern const std::array<Entry, kRowCount> kCatalogue;

// The row whose term equals `text` under term comparison, if any.
std::optional<int> rowOfTerm(std::u16string_view text);

} // namespace lexidor
