// SPDX-License-Identifier: MIT
#pragma once

// lstLista as the window logic sees it: a classic single-selection list box,
// kept here once for every toolkit. The logic selects rows and reads the
// selected row's text through it; the list scrolls a newly selected row into
// view, so where the list stands after a type-ahead step depends on the way
// the step took. The adaptor draws the outcome once per event
// (FormRuntime::lstLista_Show) and reports what the user does in the list
// itself (a click, the arrow keys, the wheel), so this always holds what the
// screen shows.

#include <optional>
#include <string_view>
#include <vector>

namespace lexidor {

class ListBox {
public:
    // The rows, in order, and how many whole rows the list shows at once.
    ListBox(std::vector<std::u16string_view> rows, int visibleRows);

    // The operations of the window logic. ListIndex selects the row and
    // scrolls it into view: a row above the top becomes the top row, a row
    // below the last whole row shown becomes the bottom one, a row in sight
    // moves nothing. In a single-selection list Selected does the same. Text
    // is the selected row's text, empty while no row is selected.
    int ListCount() const { return static_cast<int>(rows_.size()); }
    void SetListIndex(int row);
    void SetSelected(int row) { SetListIndex(row); }
    std::u16string_view Text() const;

    // What the list shows: the selected row (-1 for none) and the top row.
    int selectedRow() const { return selected_; }
    int topRow() const { return top_; }
    int visibleRows() const { return visible_; }
    std::u16string_view row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    // How many times the logic asked for a row outside the list.
    int rowsRefused() const { return rowsRefused_; }

    // The row a character typed in the list moves to, as a list box does
    // it: the next row after the selected one (the first, with none
    // selected) that begins with the character, letter case ignored, round
    // the end; -1 when no row begins with it.
    int rowStartingWith(char16_t c) const;
    // The row a navigation key moves the selection to, as a classic list box
    // moves it: Up and Down one row, Page Up and Page Down to the edge of
    // what is in sight and then a page further, Home and End to either end.
    // With no row selected the first row in sight is taken. Nothing for any
    // other key.
    std::optional<int> rowForKey(int keyCode) const;

    // The user changed the list directly and the toolkit drew it: its
    // selection (-1 for none) and its top row, as shown.
    void shown(int selectedRow, int topRow);
    // The user scrolled the list (the wheel, the scroll bar): the selection
    // stays, the top row is `topRow`.
    void scrolledTo(int topRow) { top_ = clampedTop(topRow); }
    // The list's height in whole rows changed (a new resolution).
    void setVisibleRows(int rows);

private:
    int clampedTop(int top) const;

    std::vector<std::u16string_view> rows_;
    int visible_;
    int selected_ = -1;
    int top_ = 0;
    int rowsRefused_ = 0;
};

} // namespace lexidor
