// SPDX-License-Identifier: MIT
#pragma once

// The window logic on the fake toolkit, driven the way a toolkit drives it:
// the user's action changes the controls first, then the event goes through
// FormEvents to the handler.

#include "FakeRuntime.h"
#include "FormEvents.h"
#include "TestKeys.h"

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
    // A key that leaves the text as it is (Shift, an arrow, Enter, ...).
    void key(int keyCode) { events.boxKeyReleased(keyCode); }
    void enter() { events.boxKeyReleased(vk::Return); }
    void clickBox()
    {
        rt.userFocuses(FakeRuntime::Focus::txtBuscar);
        rt.userMovesCaretTo(true);
        events.boxButtonReleased(true, true);
    }
    void clickBuscar()
    {
        rt.userFocuses(FakeRuntime::Focus::cmdBuscar);
        events.buscarClicked();
    }
    void selectRow(int row) { rt.userSelectsRow(row); }
    void doubleClickRow(int row)
    {
        rt.userSelectsRow(row);
        events.listDoubleClicked(true);
    }
    void listKey(int keyCode)
    {
        rt.userFocuses(FakeRuntime::Focus::lstLista);
        events.listKeyReleased(keyCode);
    }
};

} // namespace lexidor::test
