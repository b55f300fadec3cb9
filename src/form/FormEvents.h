// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime's own rules, written once for every toolkit. An adaptor
// reports what its toolkit saw (a key released, a mouse button released in
// the box, the window activated or gone) and this class decides which
// handler of FrmLexidor, if any, runs:
// - Activate belongs to the window's first activation only;
// - once the program has ended, no handler runs;
// - one Click per click: the release that ends a double-click in the box is
//   not a second Click.

#include "FrmLexidor.h"

namespace lexidor {

class FormEvents {
public:
    explicit FormEvents(FormRuntime& runtime) : frm_(runtime) {}

    const FrmLexidor& form() const { return frm_; }
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
    // A mouse button released in the box, after the box has handled it.
    void boxButtonReleased(bool leftButton, bool insideBox);
    // A double-click in the list: on a row, or on the empty space below the last one.
    void listDoubleClicked(bool onRow);
    void buscarClicked();
    void cerrarChosen();

private:
    FrmLexidor frm_;
    bool activated_ = false;
    bool ended_ = false;
    bool boxDoubleClicked_ = false;
};

} // namespace lexidor
