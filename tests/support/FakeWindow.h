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
        const int code = vk::ofCharacter(character.front());
        if (events.keyPressed(Control::txtBuscar, code, {}, character.front()) == Reaction::Native)
            rt.userTypes(character);
        events.keyReleased(Control::txtBuscar, code);
    }
    void backspace()
    {
        if (events.keyPressed(Control::txtBuscar, vk::Back, {}) == Reaction::Native)
            rt.userBackspace();
        events.keyReleased(Control::txtBuscar, vk::Back);
    }
    // Text put in at the caret with no key event: an input method's word
    // (shortcut vk::None), or a command chosen from a menu (V: a paste).
    void insert(std::u16string_view text, int shortcut = vk::None)
    {
        rt.userTypes(text);
        events.boxTextArrived(shortcut);
    }
    // A key that leaves the text as it is (Shift, an arrow, Enter, ...).
    void key(int keyCode)
    {
        events.keyPressed(Control::txtBuscar, keyCode, {});
        events.keyReleased(Control::txtBuscar, keyCode);
    }
    void enter() { key(vk::Return); }
    // A click in the box to the right of its text: the left button puts the
    // caret at the end; `releasedInside` false when the pointer left the
    // box before the release. `count` as the toolkit counts presses.
    void clickBox(MouseButton button = MouseButton::Left, bool releasedInside = true, int count = 1)
    {
        if (events.buttonPressed(Control::txtBuscar, button, -1, count) == Reaction::Native) {
            rt.userFocuses(FakeRuntime::Focus::txtBuscar);
            if (button == MouseButton::Left)
                rt.userMovesCaretTo(true);
        }
        events.buttonReleased(Control::txtBuscar, button, releasedInside);
    }
    // The first click, then the second press that is the double-click, and
    // its release.
    void doubleClickBox()
    {
        clickBox();
        clickBox(MouseButton::Left, true, 2);
    }
    void clickBuscar()
    {
        rt.userFocuses(FakeRuntime::Focus::cmdBuscar);
        events.buscarClicked();
    }
    // A click on a row (-1: below the last row); the second of a
    // double-click when `count` is 2.
    void clickRow(int row, MouseButton button = MouseButton::Left, int count = 1)
    {
        // Scrolled into sight first, as a user does with the scroll bar.
        const ListBox& list = events.list();
        if (row >= 0 && row < list.topRow())
            scrollList(row);
        else if (row >= list.topRow() + list.visibleRows())
            scrollList(row - list.visibleRows() + 1);
        events.buttonPressed(Control::lstLista, button, row, count);
        events.buttonReleased(Control::lstLista, button, true);
    }
    // The list scrolled by the user (the scroll bar, the wheel).
    void scrollList(int top)
    {
        rt.userShowsList(rt.selectedRow(), top);
        events.listScrolled(top);
    }
    void doubleClickRow(int row)
    {
        clickRow(row);
        clickRow(row, MouseButton::Left, 2);
    }
    // A key pressed and released in the list, which has the focus.
    void listKey(int keyCode, char32_t typed = 0)
    {
        rt.userFocuses(FakeRuntime::Focus::lstLista);
        events.keyPressed(Control::lstLista, keyCode, {}, typed);
        events.keyReleased(Control::lstLista, keyCode);
    }
    // Tab (or Shift+Tab) in the control that has the focus: the form moves
    // the focus, and the releases (Tab's, then Shift's) reach the control
    // that has it by then. Returns that control.
    std::optional<Control> tab(bool backwards, Modifiers held = {})
    {
        held.shift = backwards;
        const std::optional<Control> from = focusedControl();
        events.keyPressed(from.value_or(Control::lblBuscar), vk::Tab, held);
        const std::optional<Control> to = focusedControl();
        if (to) {
            events.keyReleased(*to, vk::Tab);
            if (backwards)
                events.keyReleased(*to, vk::Shift);
        }
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
