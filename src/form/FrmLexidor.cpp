// SPDX-License-Identifier: MIT
#include "FrmLexidor.h"

#include "Catalogue.h"
#include "KeyCodes.h"
#include "TermCompare.h"

#include <cstddef>
#include <string>

namespace lexidor {

void FrmLexidor::Form_Load()
{
    rt_.ChDir(rt_.App_Path());
    intIndice = 0;
    intLongitud = 1;
    rt_.txtBuscar_SetText(u"");
    rt_.lblDescripcion_SetCaption(u"");
}

void FrmLexidor::Form_Activate()
{
    rt_.txtBuscar_SetFocus();
}

void FrmLexidor::mnuCerrar_Click()
{
    rt_.End();
}

void FrmLexidor::cmdBuscar_Click()
{
    lookUpDefinition();
}

void FrmLexidor::lstLista_KeyUp(int keyCode)
{
    // Enter in the list looks up the search box's text, not the row.
    if (keyCode == vk::Return)
        lookUpDefinition();
}

void FrmLexidor::lstLista_DblClick()
{
    rt_.txtBuscar_SetText(std::u16string(lstLista.Text()));
}

void FrmLexidor::lookUpDefinition()
{
    // No match leaves the definition area as it was. A screen reader hears
    // every outcome where the user is: the definition, or that the term was
    // not found. A sighted user sees at once that the definition shown is not
    // the typed term's; without the cue, a blind user's Enter would go
    // unanswered, like a key that did not reach the program.
    if (const auto row = rowOfTerm(rt_.txtBuscar_Text())) {
        const std::u16string_view definition = kCatalogue[static_cast<std::size_t>(*row)].definition;
        rt_.lblDescripcion_SetCaption(definition);
        rt_.Announce(definition);
    } else {
        rt_.Announce(kNotFound);
    }
}

int FrmLexidor::historial(int position) const
{
    return bytHistorial[static_cast<std::size_t>(position - 1)];
}

// A click into the box starts the next search from the top of the list.
// The text, the selection and the history stay as they are.
void FrmLexidor::txtBuscar_Click()
{
    intLongitud = 1;
    intIndice = 0;
}

bool FrmLexidor::selectedRowStartsWith(std::u16string_view text) const
{
    return termsEqual(prefixOf(lstLista.Text(), intLongitud), text);
}

// The list follows the typed text. Each released key moves the selection
// forward, row by row, to the first row whose first intLongitud characters
// equal the box's text, remembering the row found for each length so that
// Backspace can step back. The scan never wraps to the top; a click into the
// box restarts it.
void FrmLexidor::txtBuscar_KeyUp(int keyCode)
{
    if (keyCode == vk::Return)
        lookUpDefinition();

    if (keyCode == vk::Back) {
        if (intLongitud <= 2)
            return;
        --intLongitud;
        const int remembered = historial(intLongitud);
        lstLista.SetSelected(remembered);
        intIndice = static_cast<std::int16_t>(remembered);
    }

    // Nothing in a key step changes the box's text: read it once.
    const std::u16string text = rt_.txtBuscar_Text();
    const int rows = lstLista.ListCount();
    lstLista.SetListIndex(intIndice);
    while (!selectedRowStartsWith(text) && intIndice + 1 != rows) {
        ++intIndice;
        lstLista.SetListIndex(intIndice);
    }

    if (selectedRowStartsWith(text)) {
        lstLista.SetListIndex(intIndice);
        lstLista.SetSelected(intIndice);
        // The history has positions 1 to 100. Once they are all used, a
        // further match (a key that leaves a whole term unchanged, about a
        // hundred times over) keeps the selection and stores nothing, and
        // intLongitud rests at 101; Backspace then steps back as usual.
        if (intLongitud <= kHistoryLength) {
            bytHistorial[static_cast<std::size_t>(intLongitud - 1)] = static_cast<std::uint8_t>(intIndice);
            ++intLongitud;
        }
    } else if (intLongitud > 1) {
        const int previous = historial(intLongitud - 1);
        lstLista.SetSelected(previous);
        intIndice = static_cast<std::int16_t>(previous);
    }
}

} // namespace lexidor
