// SPDX-License-Identifier: MIT
#include "FormEvents.h"

#include <utility>

namespace lexidor {

void FormEvents::created()
{
    if (!ended_)
        frm_.Form_Load();
}

void FormEvents::activated()
{
    if (activated_ || ended_)
        return;
    activated_ = true;
    frm_.Form_Activate();
}

bool FormEvents::closed()
{
    return !std::exchange(ended_, true);
}

void FormEvents::boxKeyReleased(int keyCode)
{
    if (!ended_)
        frm_.txtBuscar_KeyUp(keyCode);
}

void FormEvents::listKeyReleased(int keyCode)
{
    if (!ended_)
        frm_.lstLista_KeyUp(keyCode);
}

void FormEvents::boxDoubleClicked()
{
    boxDoubleClicked_ = true;
}

void FormEvents::boxButtonReleased(bool leftButton, bool insideBox)
{
    const bool endsDoubleClick = std::exchange(boxDoubleClicked_, false);
    if (leftButton && insideBox && !endsDoubleClick && !ended_)
        frm_.txtBuscar_Click();
}

void FormEvents::listDoubleClicked(bool onRow)
{
    if (onRow && !ended_)
        frm_.lstLista_DblClick();
}

void FormEvents::buscarClicked()
{
    if (!ended_)
        frm_.cmdBuscar_Click();
}

void FormEvents::cerrarChosen()
{
    if (!ended_)
        frm_.mnuCerrar_Click();
}

} // namespace lexidor
