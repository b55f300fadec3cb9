// SPDX-License-Identifier: MIT
// frmLexidor's messages on Win32: each one turned into the runtime event it
// is, for FormEvents; one procedure for the window and one per control.
#include "Win32Window.h"

#include "EditBox.h"
#include "KeyCodes.h"
#include "ResourceIds.h"

#include <windowsx.h>

namespace lexidor {

namespace {

MouseButton buttonOf(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

Modifiers heldModifiers(const MSG& m)
{
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
            m.message == WM_SYSKEYDOWN || m.message == WM_SYSCHAR || (m.lParam & (1 << 29)) != 0,
            GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0};
}

} // namespace

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->controls_.fill(nullptr);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return self->onMessage(msg, wParam, lParam);
}

LRESULT Win32Window::onMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATE:
        // Activate belongs to the first activation only. Later activations
        // give the focus back to the control that had it, so coming back
        // from another application leaves it where the user left it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (indexOf(GetFocus()) >= 0)
                focusBeforeDeactivation_ = GetFocus();
        } else {
            events_.activated();
            if (focusBeforeDeactivation_ && indexOf(focusBeforeDeactivation_) >= 0)
                SetFocus(focusBeforeDeactivation_);
        }
        return 0;

    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) == IDM_CERRAR)
            events_.cerrarChosen();
        else if (HIWORD(wParam) == BN_CLICKED &&
                 reinterpret_cast<HWND>(lParam) == control(Control::cmdBuscar))
            events_.buscarClicked();
        return 0;

    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_STATIC) {
            drawLabel(item);
            return TRUE;
        }
        break;
    }

    case WM_ERASEBKGND:
        return 1;

    case WM_DPICHANGED: {
        // Moved to a monitor of another resolution: everything at the new
        // one, in the frame the system suggests.
        dpi_ = HIWORD(wParam);
        createFont();
        scalePicture();
        layOut();
        fitList();
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        fixClientSize();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    }

    // The system colours changed, or a setting did (a contrast theme turned
    // on or off sends both): the setting read again, the controls told, and
    // everything drawn anew.
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        readContrastTheme();
        if (msg == WM_SYSCOLORCHANGE) {
            for (HWND c : controls_) {
                if (c)
                    SendMessageW(c, msg, wParam, lParam);
            }
        }
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        break;

    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintBackground(dc, ps.rcPaint);
        EndPaint(hwnd_, &ps);
        return 0;
    }

    // Drawn into another's device context (PrintWindow, thumbnails,
    // magnifiers) as on the screen.
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd_, &client);
        paintBackground(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }

    case WM_DESTROY:
        if (accessibleNamesSet_)
            clearAccessibleProperties();
        liveRegions_.clear();
        if (events_.closed() && onEnd_ && !destroying_)
            onEnd_();
        return 0;

    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

// Each focusable control is subclassed; its messages go to the procedure of
// its control.
LRESULT CALLBACK Win32Window::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    const int index = self ? self->indexOf(hwnd) : -1;
    if (index < 0)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto id = static_cast<Control>(index);
    const WNDPROC original = self->originalProcs_[static_cast<std::size_t>(index)];
    if (msg == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    // Tab, Enter and Escape are no text, and an edit control would beep.
    if (msg == WM_CHAR && (wParam == L'\t' || wParam == L'\r' || wParam == L'\n' || wParam == 0x1b))
        return 0;
    const Message m{hwnd, msg, wParam, lParam, original};
    return self->controlMessage(id, m);
}

// What every control reports to the form: keys pressed and released, mouse
// buttons pressed and released. Where the form has done all there is to
// do, the control does nothing more with it.
LRESULT Win32Window::controlMessage(Control id, const Message& m)
{
    switch (m.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const MSG msg{m.hwnd, m.msg, m.wParam, m.lParam, 0, {}};
        if (events_.keyPressed(id, static_cast<int>(m.wParam), heldModifiers(msg)) == Reaction::Handled)
            return 0;
        break;
    }
    case WM_CHAR: {
        // A character typed in the list (the key's press named no row).
        const MSG msg{m.hwnd, m.msg, m.wParam, m.lParam, 0, {}};
        if (id == Control::lstLista &&
            events_.keyPressed(id, vk::None, heldModifiers(msg), static_cast<char32_t>(m.wParam)) ==
                Reaction::Handled)
            return 0;
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: { // the Alt key, and keys released while it is down
        const LRESULT result = m.callOriginal();
        events_.keyReleased(id, static_cast<int>(m.wParam));
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        const bool twice =
            m.msg == WM_LBUTTONDBLCLK || m.msg == WM_RBUTTONDBLCLK || m.msg == WM_MBUTTONDBLCLK;
        int row = -1;
        if (id == Control::lstLista) {
            const LRESULT hit = SendMessageW(m.hwnd, LB_ITEMFROMPOINT, 0, m.lParam);
            row = HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
        }
        if (events_.buttonPressed(id, buttonOf(m.msg), row, twice ? 2 : 1) == Reaction::Handled)
            return 0;
        break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        if (id == Control::lstLista || m.msg == WM_MBUTTONUP) {
            const POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
            RECT client{};
            GetClientRect(m.hwnd, &client);
            if (events_.buttonReleased(id, buttonOf(m.msg), PtInRect(&client, at) != FALSE) ==
                Reaction::Handled)
                return 0;
            return m.callOriginal();
        }
        // The control handles the release first (the box places its caret).
        // A press in the box keeps the mouse captured, so a release outside
        // it comes here too.
        const LRESULT result = m.callOriginal();
        RECT client{};
        GetClientRect(m.hwnd, &client);
        const POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        events_.buttonReleased(id, buttonOf(m.msg), PtInRect(&client, at) != FALSE);
        return result;
    }
    default:
        break;
    }
    switch (id) {
    case Control::txtBuscar:
        return boxMessage(m);
    case Control::lstLista:
        return listMessage(m);
    default:
        return m.callOriginal();
    }
}

// The box's own editing, kept whole around characters of two units.
LRESULT Win32Window::boxMessage(const Message& m)
{
    switch (m.msg) {
    case WM_KEYDOWN:
        if (m.wParam == VK_DELETE)
            editbox::selectWholeCharacter(m.hwnd, false);
        if (m.wParam == VK_LEFT || m.wParam == VK_RIGHT) {
            const LRESULT result = m.callOriginal();
            editbox::keepCaretOffSurrogatePair(m.hwnd, m.wParam == VK_LEFT ? -1 : 1);
            return result;
        }
        break;
    case WM_CHAR:
        if (m.wParam == L'\b')
            editbox::selectWholeCharacter(m.hwnd, true);
        break;
    case WM_KILLFOCUS:
        // Moving to another control of the window leaves the search box
        // with a caret and no selection; switching to another application
        // keeps the selection for when the user comes back.
        if (indexOf(reinterpret_cast<HWND>(m.wParam)) >= 0)
            editbox::collapseSelectionToCaret(m.hwnd);
        break;
    default:
        break;
    }
    return m.callOriginal();
}

// The wheel and the scroll bar move the list itself; the form hears of it.
LRESULT Win32Window::listMessage(const Message& m)
{
    if (m.msg != WM_VSCROLL && m.msg != WM_MOUSEWHEEL)
        return m.callOriginal();
    const LRESULT result = m.callOriginal();
    events_.listScrolled(topRow());
    return result;
}

void Win32Window::Control_SetFocus(Control c, bool selectText)
{
    SetFocus(control(c));
    if (selectText)
        SendMessageW(control(c), EM_SETSEL, 0, -1);
}

} // namespace lexidor
