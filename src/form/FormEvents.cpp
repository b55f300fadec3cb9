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
