// SPDX-License-Identifier: MIT
#include "Catalogue.h"

#include "TermCompare.h"

namespace lexidor {

std::optional<int> rowOfTerm(std::u16string_view text)
{
    // Every row is compared; the terms are distinct under term comparison,
    // so at most one can match.
    std::optional<int> found;
    for (int row = 0; row < kRowCount; ++row) {
        if (termsEqual(text, kCatalogue[static_cast<std::size_t>(row)].term))
            found = row;
    }
    return found;
}

} // namespace lexidor
