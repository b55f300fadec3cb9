// SPDX-License-Identifier: MIT
#pragma once

#include "FakeRuntime.h"
#include "FrmLexidor.h"
#include "KeyCodes.h"

#include <string_view>

namespace lexidor::test {

// The window logic on the fake, driven the way the toolkit drives it: the
// user's action changes the controls first, then the event reaches the
// handler.
struct WindowHarness {
    FakeRuntime rt;
    FrmLexidor frm{rt};

    WindowHarness()
    {
        frm.Form_Load();
        frm.Form_Activate();
    }

    void type(std::u16string_view text)
    {
        for (char16_t c : text) {
            rt.userTypes(std::u16string_view(&c, 1));
            frm.txtBuscar_KeyUp(vk::ofCharacter(c));
        }
    }
    void backspace()
    {
        rt.userBackspace();
        frm.txtBuscar_KeyUp(vk::Back);
    }
    void key(int keyCode) { frm.txtBuscar_KeyUp(keyCode); }
    void enter() { frm.txtBuscar_KeyUp(vk::Return); }
    void clickBox()
    {
        rt.userFocuses(FakeRuntime::Focus::txtBuscar);
        frm.txtBuscar_Click();
    }
    void clickBuscar()
    {
        rt.userFocuses(FakeRuntime::Focus::cmdBuscar);
        frm.cmdBuscar_Click();
    }
    void selectRow(int row) { rt.userSelectsRow(row); }
    void doubleClickRow(int row)
    {
        rt.userSelectsRow(row);
        frm.lstLista_DblClick();
    }
    void listKey(int keyCode)
    {
        rt.userFocuses(FakeRuntime::Focus::lstLista);
        frm.lstLista_KeyUp(keyCode);
    }
};

} // namespace lexidor::test
