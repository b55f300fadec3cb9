// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lexidor {

// Where an entry's definition comes from: a key of kSources (Sources.h) and
// the place in that publication, e.g. {u"PLABEN", u"Tít. III 3.1"}.
struct Source {
    std::u16string_view key;
    std::u16string_view locator;
};

// One glossary entry. The term is exactly the text of its list row; the
// definition starts with the term, a colon and one space. The source is never
// shown in the window; docs/glosario.md prints it under the definition.
struct Entry {
    std::u16string_view term;
    std::u16string_view definition;
    Source source;
};

inline constexpr int kRowCount = 61;

// The whole glossary in list order (row 0 to 60), fixed at build time.
extern const std::array<Entry, kRowCount> kCatalogue;

// The row whose term equals `text` under term comparison, if any.
std::optional<int> rowOfTerm(std::u16string_view text);

} // namespace lexidor
