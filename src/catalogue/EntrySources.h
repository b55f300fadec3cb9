// SPDX-License-Identifier: MIT
#pragma once

#include "Catalogue.h"
#include "Sources.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace lexidor {

// One publication an entry rests on: a key of kSources (Sources.h), the place
// in that publication, and the words found there that back the definition (a
// short quotation, or for a fact of physics the fact itself), so that a
// reviewer can check the line without searching the whole text.
struct Citation {
    std::u16string_view key;
    std::u16string_view locator;
    std::u16string_view words;
};

// How an entry differs from the previous edition of the printed glossary.
enum class ChangeKind {
    None,       // as printed before
    Definition, // the definition reads differently
    SourceOnly, // the same definition, a corrected or completed source
};

// What changed in an entry and on which source, for the «Cambios» list of
// docs/glosario.md. The basis starts with the key it rests on.
struct Change {
    ChangeKind kind = ChangeKind::None;
    std::u16string_view what = {};
    std::u16string_view basis = {};
};

inline constexpr std::size_t kMaxCitations = 4;

// The sources of one entry. The citations fill the array from the front; the
// unused places at its end have no key.
struct EntrySources {
    std::u16string_view term;
    std::array<Citation, kMaxCitations> citations;
    Change change = {};
};

// The sources of the catalogue's entries, row for row in the same order as
// kCatalogue. Neither the window nor the lookup reads them; docs/glosario.md
// prints them, and the glossary test checks them.
extern const std::array<EntrySources, kRowCount> kEntrySources;

// The citations an entry has, without the unused places.
constexpr std::span<const Citation> citationsOf(const EntrySources& sources)
{
    std::size_t count = 0;
    while (count < sources.citations.size() && !sources.citations[count].key.empty())
        ++count;
    return {sources.citations.data(), count};
}

// Whether `cited` leans on a replaced place (kReplacedPlaces) without citing
// the place that replaced it: a definition that would present a criterion no
// longer in force.
constexpr bool citesAReplacedPlaceAlone(std::span<const Citation> cited)
{
    for (const ReplacedPlace& replaced : kReplacedPlaces) {
        bool old = false;
        bool successor = false;
        for (const Citation& citation : cited) {
            old = old || (citation.key == replaced.key && namesPlace(citation.locator, replaced.place));
            successor =
                successor || (citation.key == replaced.successorKey &&
                              citation.locator.find(replaced.successorPlace) != std::u16string_view::npos);
        }
        if (old && !successor)
            return true;
    }
    return false;
}

} // namespace lexidor
