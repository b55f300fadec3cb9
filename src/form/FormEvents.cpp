// SPDX-License-Identifier: MIT
#include "FormEvents.h"

#include "Catalogue.h"
#include "FormDescription.h"
#include "KeyCodes.h"
#include "Utf16.h"

#include <algorithm>

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

// How much two texts share at their start and at their end, in whole
// characters (a surrogate pair is never split), the shared end not
// overlapping the shared start.
struct Shared {
    std::size_t head, tail;
};

Shared differenceOf(std::u16string_view a, std::u16string_view b)
{
    const auto splitsPair = [](std::u16string_view s, std::size_t at) {
        return at > 0 && at < s.size() && isHighSurrogate(s[at - 1]) && isLowSurrogate(s[at]);
    };
    const std::size_t shorter = std::min(a.size(), b.size());
    std::size_t head = 0;
    while (head < shorter && a[head] == b[head])
        ++head;
    if (splitsPair(a, head) || splitsPair(b, head))
        --head;
    std::size_t tail = 0;
    while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    if (splitsPair(a, a.size() - tail) || splitsPair(b, b.size() - tail))
        --tail;
    return {head, tail};
}

} // namespace

FormEvents::FormEvents(FormRuntime& runtime)
    : rt_(runtime), lstLista_(terms(), kFrmLexidor.listVisibleRowsAt(kBaseDpi)), frm_(retyping_, lstLista_)
{
}

void FormEvents::showList()
{
    if (ended_)
        return;
    boxText_ = rt_.txtBuscar_Text();
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

void FormEvents::boxTextArrived(int shortcut)
{
    if (ended_)
        return;
    if (shortcut != vk::None) {
        // As the command's keys on a keyboard: the letter released, then Ctrl.
        frm_.txtBuscar_KeyUp(shortcut);
        frm_.txtBuscar_KeyUp(vk::Control);
        showList();
        return;
    }
    // What changed since the last event.
    const std::u16string now = rt_.txtBuscar_Text();
    const std::u16string_view before = boxText_;
    const auto [head, tail] = differenceOf(before, now);
    const std::u16string_view start = before.substr(0, head), end = before.substr(before.size() - tail);
    const std::u16string_view removed = before.substr(head, before.size() - head - tail);
    const std::u16string_view inserted = std::u16string_view(now).substr(head, now.size() - head - tail);

    auto step = [&](std::u16string_view middle, int keyCode) {
        retyping_.typing = std::u16string(start).append(middle).append(end);
        frm_.txtBuscar_KeyUp(keyCode);
    };
    if (inserted.empty()) {
        for (std::size_t left = removed.size(); left > 0;) {
            left -= unitsBefore(removed, left);
            step(removed.substr(0, left), vk::Back);
        }
    } else {
        // The first character typed replaces what was there.
        for (std::size_t typed = 0; typed < inserted.size();) {
            const std::size_t units = unitsAt(inserted, typed);
            const char16_t first = inserted[typed];
            typed += units;
            step(inserted.substr(0, typed), units == 1 ? vk::ofCharacter(first) : vk::None);
        }
    }
    retyping_.typing.reset();
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
