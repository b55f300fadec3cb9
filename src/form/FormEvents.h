// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime's own rules, written once for every toolkit. An adaptor
// reports what its toolkit saw (a key released, a mouse button released in
// the box, the window activated or gone, the user moving the list) and this
// class decides which handler of FrmLexidor, if any, runs:
// - Activate belongs to the window's first activation only;
// - once the program has ended, no handler runs;
// - one Click per click: only the left button, released inside the box, and
//   not the release that ends a double-click;
// - a double-click in the list is a DblClick only on a row;
// - the list box is kept here (ListBox), and at the end of each event the
//   adaptor is told once what it shows.

#include "FrmLexidor.h"
#include "ListBox.h"

namespace lexidor {

enum class MouseButton { Left, Right, Middle, Other };

class FormEvents {
public:
    explicit FormEvents(FormRuntime& runtime);

    const FrmLexidor& form() const { return frm_; }
    const ListBox& list() const { return lstLista_; }
    bool hasEnded() const { return ended_; }

    // The window exists with its controls; it is not shown yet.
    void created();
    // The window became the active window.
    void activated();
    // The window went away (End, its close control, or its owner). True the
    // first time only: the adaptor then tells the program that it has ended.
    bool closed();

    void boxKeyReleased(int keyCode);
    void listKeyReleased(int keyCode);
    // A mouse button pressed in the box for the second time of a double-click.
    void boxDoubleClicked();
    // A mouse button released in the box, after the box has handled it;
    // `insideBox` when the pointer is still over the box.
    void boxButtonReleased(MouseButton button, bool insideBox);
    // A double-click in the list: on a row, or on the empty space below the last one.
    void listDoubleClicked(bool onRow);
    void buscarClicked();
    void cerrarChosen();

    // The user changed the list itself (a click, the arrow keys, the wheel,
    // the scroll bar) and the toolkit has drawn it: what it shows now.
    void listShown(int selectedRow, int topRow);
    // The list's height in whole rows, when it changes (a new resolution).
    void listResized(int visibleRows);

private:
    // After every handler: the list's outcome to the adaptor, if it changed.
    void showList();

    FormRuntime& rt_;
    ListBox lstLista_;
    FrmLexidor frm_;
    int shownRow_ = -1;
    int shownTop_ = 0;
    bool activated_ = false;
    bool ended_ = false;
    bool boxDoubleClicked_ = false;
};

} // namespace lexidor
