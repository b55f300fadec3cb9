// SPDX-License-Identifier: MIT
// What screen readers get from frmLexidor on Win32, through Active
// Accessibility's property service.
#include "Win32Window.h"

#include <oleacc.h>

#include <string>

namespace lexidor {

// What a screen reader says for the box and the list, and the description of
// the definition (whose name is its text). The property service keeps them
// with the windows; where it is missing the controls keep the names the
// system gives them.
void Win32Window::nameControls()
{
    IAccPropServices* properties = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&properties))))
        return;
    bool all = true;
    for (const ControlDescription& c : kFrmLexidor.controls) {
        // A box or a list shows no name of its own; a control read by its
        // text has its name already, and the table's name describes it.
        const bool named = c.kind == ControlKind::TextBox || c.kind == ControlKind::ListBox;
        if (!named && !c.readByText)
            continue;
        const std::wstring text(c.accessibleName.begin(), c.accessibleName.end());
        all = SUCCEEDED(properties->SetHwndPropStr(
                  control(c.id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                  c.readByText ? PROPID_ACC_DESCRIPTION : PROPID_ACC_NAME, text.c_str())) &&
              all;
    }
    accessibleNamesSet_ = all;
    properties->Release();
}

// Each lookup's outcome, read out where the user is (LiveRegions.h).
void Win32Window::Announce(std::u16string_view text)
{
    liveRegions_.announce(text);
}

// The properties go with the windows.
void Win32Window::clearAccessibleProperties()
{
    IAccPropServices* properties = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&properties))))
        return;
    const MSAAPROPID all[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (const Control id : {Control::txtBuscar, Control::lstLista, Control::lblDescripcion})
        properties->ClearHwndProps(control(id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, all, 2);
    accessibleNamesSet_ = false;
    properties->Release();
}

} // namespace lexidor
