// SPDX-License-Identifier: MIT
#include "FormEvents.h"

#include "Catalogue.h"
#include "FormDescription.h"
#include "KeyCodes.h"

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
    rt_.lstLista_Show(row, top);
    shownRow_ = row;
    shownTop_ = top;
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

namespace {

// The press the toolkit counted as the second of a double-click (or the
// fourth, ...: a browser goes on counting).
bool secondOfDouble(int count)
{
    return count >= 2 && count % 2 == 0;
}

} // namespace

Reaction FormEvents::keyPressed(Control on, int keyCode, Modifiers modifiers, char32_t typed)
{
    if (ended_)
        return Reaction::Handled;
    const bool plain = !modifiers.ctrl && !modifiers.alt && !modifiers.meta;
    // Alt and the menu's access key, anywhere in the window; not with Ctrl
    // as well (AltGr, which types characters on a Spanish keyboard).
    const char16_t access = kFrmLexidor.menu.accessKey().key;
    if (modifiers.alt && !modifiers.ctrl && !modifiers.meta && access != 0 &&
        keyCode == vk::ofCharacter(access)) {
        cerrarChosen();
        return Reaction::Handled;
    }
    if (keyCode == vk::Tab) {
        // Ctrl+Tab and the like move nothing: no control of this window
        // has pages to turn.
        if (plain) {
            const Control to = kFrmLexidor.nextFocus(on, modifiers.shift ? -1 : 1);
            rt_.Control_SetFocus(to, kFrmLexidor[to].kind == ControlKind::TextBox);
        }
        return Reaction::Handled;
    }
    // A push button that is not a dialog's default presses on Space only.
    if (on == Control::cmdBuscar && keyCode == vk::Return)
        return Reaction::Handled;
    if (on == Control::lstLista && plain)
        return listKeyPressed(keyCode, typed);
    return Reaction::Native;
}

Reaction FormEvents::listKeyPressed(int keyCode, char32_t typed)
{
    if (const auto to = lstLista_.rowForKey(keyCode)) {
        userSelects(*to);
        return Reaction::Handled;
    }
    // Space selects the current row, which a single-selection list has
    // selected already; a character moves to the next row that begins
    // with it.
    if (keyCode == vk::Space)
        return Reaction::Handled;
    if (typed > u' ' && typed < 0x10000) {
        if (const int row = lstLista_.rowStartingWith(static_cast<char16_t>(typed)); row >= 0)
            userSelects(row);
        return Reaction::Handled;
    }
    return Reaction::Native;
}

void FormEvents::keyReleased(Control on, int keyCode)
{
    if (ended_)
        return;
    if (on == Control::txtBuscar)
        frm_.txtBuscar_KeyUp(keyCode);
    else if (on == Control::lstLista)
        frm_.lstLista_KeyUp(keyCode);
    else
        return;
    showList();
}

Reaction FormEvents::buttonPressed(Control on, MouseButton button, int row, int count)
{
    if (ended_)
        return Reaction::Handled;
    if (on == Control::txtBuscar) {
        if (button == MouseButton::Left)
            boxClickPending_ = !secondOfDouble(count);
        return button == MouseButton::Middle ? Reaction::Handled : Reaction::Native;
    }
    if (on != Control::lstLista)
        return Reaction::Native;
    // The list is the form's: a press focuses it, the left button on a row
    // selects that row, and its second press there is a DblClick. A press
    // below the last row changes nothing else.
    rt_.Control_SetFocus(Control::lstLista, false);
    if (button == MouseButton::Left && row >= 0 && row < lstLista_.ListCount()) {
        userSelects(row);
        if (secondOfDouble(count)) {
            frm_.lstLista_DblClick();
            showList();
        }
    }
    return Reaction::Handled;
}

Reaction FormEvents::buttonReleased(Control on, MouseButton button, bool inside)
{
    if (on == Control::lstLista)
        return Reaction::Handled;
    if (on != Control::txtBuscar)
        return Reaction::Native;
    // The box takes its text from the keyboard only: the middle button
    // pastes nothing, where the platform would paste its selection.
    if (button == MouseButton::Middle)
        return Reaction::Handled;
    if (button != MouseButton::Left)
        return Reaction::Native;
    const bool click = std::exchange(boxClickPending_, false);
    if (click && inside && !ended_) {
        frm_.txtBuscar_Click();
        showList();
    }
    return Reaction::Native;
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

void FormEvents::userSelects(int row)
{
    lstLista_.SetListIndex(row);
    showList();
}

void FormEvents::listScrolled(int topRow)
{
    if (ended_)
        return;
    lstLista_.scrolledTo(topRow);
    shownTop_ = lstLista_.topRow();
    // A toolkit that scrolls by pixels may stop between rows: it is put
    // on the row the form's list box now has at its top.
    if (shownTop_ != topRow)
        rt_.lstLista_Show(shownRow_, shownTop_);
}

void FormEvents::listResized(double innerHeight, double rowHeight)
{
    if (ended_)
        return;
    lstLista_.setVisibleRows(wholeRows(innerHeight, rowHeight));
    showList();
}

} // namespace lexidor
