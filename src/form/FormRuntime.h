// SPDX-License-Identifier: MIT
#pragma once

#include "FormDescription.h"

#include <string>
#include <string_view>

namespace lexidor {

// What the window logic needs of a forms toolkit, and nothing more. Every
// adaptor (Qt, Win32, the browser, the test fake) implements it; FrmLexidor
// talks to its controls only through these operations and through the list
// box it keeps itself (ListBox.h).
//
// Operations are named after the control they act on and the property or
// method of that control. Text is UTF-16.
//
// Events travel the other way: an adaptor reports each event to FormEvents,
// which calls the matching handler of FrmLexidor (Form_Load, txtBuscar_KeyUp,
// ...) on the window's thread; it returns before the next event is taken.
class FormRuntime {
public:
    virtual ~FormRuntime() = default;

    // Text box txtBuscar (single line). Writing Text replaces the contents
    // and leaves the caret at the end of the new text with nothing selected,
    // so the next typed character is appended; it raises no KeyUp.
    virtual std::u16string txtBuscar_Text() const = 0;
    virtual void txtBuscar_SetText(std::u16string_view text) = 0;
    virtual void txtBuscar_SetFocus() = 0;

    // Where the form moved the keyboard focus (Tab, a press on the list): to
    // control `c`, a tab stop; `selectText` when the box's whole text is to
    // be selected on arrival.
    virtual void Control_SetFocus(Control c, bool selectText) = 0;

    // List box lstLista: the outcome of an event, once, when it changed the
    // list: the row to show selected (-1 for none) and the row to show at the
    // top. The adaptor draws exactly that, in one update, whatever way the
    // logic took to get there.
    virtual void lstLista_Show(int selectedRow, int topRow) = 0;

    // Label lblDescripcion: replaces the shown text, wrapped at word
    // boundaries inside the label's box.
    virtual void lblDescripcion_SetCaption(std::u16string_view caption) = 0;

    // Screen readers: `text` read out once, politely, where the user is. The
    // keyboard focus stays where it is and nothing on screen changes. The
    // logic announces the outcome of each lookup: the definition it has just
    // shown (again, when it was shown already), or that there was none.
    virtual void Announce(std::u16string_view text) = 0;

    // The process: the directory holding the executable, a change of the
    // current directory, and an immediate end of the program (the window
    // closes and no further handler runs).
    virtual std::u16string App_Path() const = 0;
    virtual void ChDir(std::u16string_view dir) = 0;
    virtual void End() = 0;

protected:
    FormRuntime() = default;
    FormRuntime(const FormRuntime&) = default;
    FormRuntime& operator=(const FormRuntime&) = default;
};

} // namespace lexidor
