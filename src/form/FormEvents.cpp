// SPDX-License-Identifier: MIT
#include "FormEvents.h"

#include "Catalogue.h"
#include "FormDescription.h"

#include <utility>
#include <vector>

namespace lexidor {

namespace {

std::vector<std::u16string_view> terms()
{
    std::vector<std::u16string_view> rows;
    rows.reserve(kCatalogue.size());
    for (const Entry& entry : kCatalogue)
        rows.push_back(entry.term);
    return rows;
}

} // namespace

FormEvents::FormEvents(FormRuntime& runtime)
    : rt_(runtime), lstLista_(terms(), kFrmLexidor.listVisibleRowsAt(kBaseDpi)), frm_(runtime, lstLista_)
{
}

void FormEvents::showList()
{
    if (ended_)
        return;
    const int row = lstLista_.selectedRow();
    const int top = lstLista_.topRow();
    if (row == shownRow_ && top == shownTop_)
        return;
    shownRow_ = row;
    shownTop_ = top;
    rt_.lstLista_Show(row, top);
}

void FormEvents::created()
{
    if (ended_)
        return;
    frm_.Form_Load();
    showList();
}

void FormEvents::activated()
{
    if (activated_ || ended_)
        return;
    activated_ = true;
    frm_.Form_Activate();
    showList();
}

bool FormEvents::closed()
{
    return !std::exchange(ended_, true);
}

void FormEvents::boxKeyReleased(int keyCode)
{
    if (ended_)
        return;
    frm_.txtBuscar_KeyUp(keyCode);
    showList();
}

void FormEvents::listKeyReleased(int keyCode)
{
    if (ended_)
        return;
    frm_.lstLista_KeyUp(keyCode);
    showList();
}

void FormEvents::boxDoubleClicked()
{
    boxDoubleClicked_ = true;
}

void FormEvents::boxButtonReleased(MouseButton button, bool insideBox)
{
    // Whichever button's release comes first ends the double-click.
    const bool endsDoubleClick = std::exchange(boxDoubleClicked_, false);
    if (button != MouseButton::Left || !insideBox || endsDoubleClick || ended_)
        return;
    frm_.txtBuscar_Click();
    showList();
}

void FormEvents::listDoubleClicked(bool onRow)
{
    if (!onRow || ended_)
        return;
    frm_.lstLista_DblClick();
    showList();
}

void FormEvents::buscarClicked()
{
    if (ended_)
        return;
    frm_.cmdBuscar_Click();
    showList();
}

void FormEvents::cerrarChosen()
{
    if (ended_)
        return;
    frm_.mnuCerrar_Click();
    showList();
}

void FormEvents::listShown(int selectedRow, int topRow)
{
    lstLista_.shown(selectedRow, topRow);
    shownRow_ = lstLista_.selectedRow();
    shownTop_ = lstLista_.topRow();
}

void FormEvents::listResized(int visibleRows)
{
    lstLista_.setVisibleRows(visibleRows);
    showList();
}

} // namespace lexidor
