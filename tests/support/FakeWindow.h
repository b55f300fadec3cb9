// SPDX-License-Identifier: MIT
#pragma once

// The window logic on the fake toolkit, driven the way a toolkit drives it:
// the user's action changes the controls first, then the event goes through
// FormEvents to the handler.

#include "FakeRuntime.h"
#include "FormDescription.h"
#include "FormEvents.h"
#include "KeyCodes.h"

#include <optional>
#include <string_view>

namespace lexidor::test {

struct FakeWindow {
    FakeRuntime rt;
    FormEvents events{rt};

    FakeWindow()
    {
        rt.onEnd([this] { events.closed(); });
        events.created();
        events.activated();
    }
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;

    const FrmLexidor& form() const { return events.form(); }

    // Types each UTF-16 unit of `text` as one key.
    void type(std::u16string_view text)
    {
        for (const char16_t c : text)
            typeCharacter(std::u16string_view(&c, 1));
    }
    // One character, one or two UTF-16 units, with the key a keyboard reports.
    void typeCharacter(std::u16string_view character)
    {
        rt.userTypes(character);
        events.boxKeyReleased(vk::ofCharacter(character.front()));
    }
    void backspace()
    {
        rt.userBackspace();
        events.boxKeyReleased(vk::Back);
    }
    // Text put in at the caret with no key event: an input method's word
    // (shortcut vk::None), or a command chosen from a menu (V: a paste).
    void insert(std::u16string_view text, int shortcut = vk::None)
    {
        rt.userTypes(text);
        events.boxTextArrived(shortcut);
    }
    // A key that leaves the text as it is (Shift, an arrow, Enter, ...).
    void key(int keyCode) { events.boxKeyReleased(keyCode); }
    void enter() { events.boxKeyReleased(vk::Return); }
    // A click in the box to the right of its text: the left button puts the
    // caret at the end; `releasedInside` false when the pointer left the
    // box before the release.
    void clickBox(MouseButton button = MouseButton::Left, bool releasedInside = true)
    {
        rt.userFocuses(FakeRuntime::Focus::txtBuscar);
        if (button == MouseButton::Left)
            rt.userMovesCaretTo(true);
        events.boxButtonReleased(button, releasedInside);
    }
    // The first click, then the second press that is the double-click, and
    // its release.
    void doubleClickBox()
    {
        clickBox();
        events.boxDoubleClicked();
        events.boxButtonReleased(MouseButton::Left, true);
    }
    void clickBuscar()
    {
        rt.userFocuses(FakeRuntime::Focus::cmdBuscar);
        events.buscarClicked();
    }
    // A click on a row, scrolled into view first, as a list box does it.
    void selectRow(int row)
    {
        ListBox list = events.list();
        list.SetListIndex(row);
        rt.userShowsList(list.selectedRow(), list.topRow());
        events.listShown(list.selectedRow(), list.topRow());
    }
    void doubleClickRow(int row)
    {
        selectRow(row);
        events.listDoubleClicked(true);
    }
    void listKey(int keyCode)
    {
        rt.userFocuses(FakeRuntime::Focus::lstLista);
        events.listKeyReleased(keyCode);
    }
    // Tab (or Shift+Tab) in the control that has the focus: the focus
    // moves on in tab order; tabbing into the box selects its text.
    // Returns the control that has the focus now.
    std::optional<Control> tab(bool backwards)
    {
        const std::optional<Control> from = focusedControl();
        const Control to = kFrmLexidor.nextFocus(from.value_or(Control::lblBuscar), backwards ? -1 : 1);
        rt.userFocuses(to == Control::txtBuscar  ? FakeRuntime::Focus::txtBuscar
                       : to == Control::lstLista ? FakeRuntime::Focus::lstLista
                                                 : FakeRuntime::Focus::cmdBuscar);
        if (to == Control::txtBuscar)
            rt.userSelectsAllText();
        return to;
    }
    std::optional<Control> focusedControl() const
    {
        switch (rt.focus()) {
        case FakeRuntime::Focus::txtBuscar:
            return Control::txtBuscar;
        case FakeRuntime::Focus::lstLista:
            return Control::lstLista;
        case FakeRuntime::Focus::cmdBuscar:
            return Control::cmdBuscar;
        case FakeRuntime::Focus::None:
            break;
        }
        return std::nullopt;
    }
};

} // namespace lexidor::test
