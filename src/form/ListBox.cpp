// SPDX-License-Identifier: MIT
#include "ListBox.h"

#include "KeyCodes.h"
#include "TermCompare.h"

#include <algorithm>
#include <utility>

namespace lexidor {

ListBox::ListBox(std::vector<std::u16string_view> rows, int visibleRows)
    : rows_(std::move(rows)), visible_(std::max(visibleRows, 1))
{
}

void ListBox::SetListIndex(int row)
{
    // A real list box raises a run-time error for a row outside the list.
    // The logic never passes one; should it ever, the list stays as it was
    // and the slip is counted, for the tests to see.
    if (row < 0 || row >= ListCount()) {
        ++rowsRefused_;
        return;
    }
    selected_ = row;
    if (row < top_)
        top_ = row;
    else if (row >= top_ + visible_)
        top_ = row - visible_ + 1;
}

std::u16string_view ListBox::Text() const
{
    return selected_ < 0 ? std::u16string_view{} : row(selected_);
}

int ListBox::rowStartingWith(char16_t c) const
{
    const int count = ListCount();
    for (int step = 1; step <= count; ++step) {
        const int i = (selected_ + step + count) % count;
        if (!row(i).empty() && foldCase(row(i).front()) == foldCase(c))
            return i;
    }
    return -1;
}

std::optional<int> ListBox::rowForKey(int keyCode) const
{
    const int bottom = top_ + visible_ - 1;
    int to = 0;
    switch (keyCode) {
    case vk::Up:
        to = selected_ < 0 ? top_ : selected_ - 1;
        break;
    case vk::Down:
        to = selected_ < 0 ? top_ : selected_ + 1;
        break;
    case vk::Home:
        to = 0;
        break;
    case vk::End:
        to = ListCount() - 1;
        break;
    case vk::Prior:
        to = selected_ < 0 ? top_ : selected_ <= top_ ? selected_ - visible_ + 1 : top_;
        break;
    case vk::Next:
        to = selected_ < 0 ? top_ : selected_ >= bottom ? selected_ + visible_ - 1 : bottom;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp(to, 0, ListCount() - 1);
}

void ListBox::shown(int selectedRow, int topRow)
{
    selected_ = selectedRow >= 0 && selectedRow < ListCount() ? selectedRow : -1;
    top_ = clampedTop(topRow);
}

void ListBox::setVisibleRows(int rows)
{
    visible_ = std::max(rows, 1);
    top_ = clampedTop(top_);
    if (selected_ >= top_ + visible_)
        top_ = clampedTop(selected_ - visible_ + 1);
}

// The list never scrolls past its last row: the top row is at most the one
// that leaves the last row at the bottom.
int ListBox::clampedTop(int top) const
{
    return std::clamp(top, 0, std::max(ListCount() - visible_, 0));
}

} // namespace lexidor
