// SPDX-License-Identifier: MIT
#pragma once

// What must hold after every user action, whatever the toolkit: one place
// for the fuzzer, the random sessions and the hostile-input test.

#include "Catalogue.h"
#include "FormDescription.h"
#include "FrmLexidor.h"

#include <string>
#include <string_view>

namespace lexidor::test {

struct ObservedState {
    int indice;
    int longitud;
    int selectedRow;             // -1: none
    int selectedCount;           // rows selected at once
    std::u16string_view rowText; // the list's Text
    std::u16string_view caption;
    int topRow = -1;     // the list's top row; -1: not looked at
    int rowsRefused = 0; // rows outside the list that the logic asked for
};

// Empty when the state is one the logic can be in; else what is wrong.
inline std::string stateProblem(const ObservedState& s)
{
    if (s.indice < 0 || s.indice >= kRowCount)
        return "intIndice " + std::to_string(s.indice) + " outside 0..60";
    if (s.longitud < 1 || s.longitud > FrmLexidor::kHistoryLength + 1)
        return "intLongitud " + std::to_string(s.longitud) + " outside 1..101";
    if (s.selectedRow < -1 || s.selectedRow >= kRowCount || s.selectedCount > 1)
        return "selected row " + std::to_string(s.selectedRow) + " of " + std::to_string(s.selectedCount);
    if (s.selectedRow >= 0 && s.rowText != kCatalogue[static_cast<std::size_t>(s.selectedRow)].term)
        return "the list's text is not the selected row";
    if (s.rowsRefused != 0)
        return "the logic asked for a row outside the list";
    if (s.topRow >= 0 && s.selectedRow >= 0 &&
        (s.selectedRow < s.topRow || s.selectedRow >= s.topRow + kFrmLexidor.listVisibleRowsAt(kBaseDpi)))
        return "the selected row is out of sight";
    if (s.caption.empty())
        return {};
    for (const Entry& entry : kCatalogue) {
        if (entry.definition == s.caption)
            return {};
    }
    return "the definition area shows something that is no definition";
}

} // namespace lexidor::test
