// SPDX-License-Identifier: MIT
#pragma once

#include "FormDescription.h"
#include "FormEvents.h"
#include "FormRuntime.h"
#include "LiveRegions.h"

#include <windows.h>

#include <array>
#include <functional>
#include <string_view>

namespace lexidor {

// frmLexidor on plain Win32: a top-level window built from kFrmLexidor with
// real EDIT, LISTBOX, STATIC and BUTTON controls. It reports their messages
// to FormEvents, which raises the handlers and keeps the list box, and draws
// what the FormRuntime operations say. What it still decides is Win32
// mechanism only: which message is which runtime event, and how a control
// is told to show a state.
//
// Messages used: the keys and mouse buttons of the edit, the list and the
// button (subclassed), reported to the form as they came; BN_CLICKED for the
// button, WM_COMMAND of the menu for Cerrar, WM_ACTIVATE for activation.
//
// The window is aware of each monitor's resolution: it lays the table out at
// the window's dots per inch, and again on WM_DPICHANGED. Screen readers
// (Active Accessibility) read the definition as the name of lblDescripcion,
// and hear each lookup through live regions (LiveRegions.h).
//
// While a contrast theme is on (SPI_GETHIGHCONTRAST) the window draws in the
// system colours the form's contrast rule names, without the picture; it
// reads the setting again on WM_SYSCOLORCHANGE and WM_SETTINGCHANGE. The
// native controls draw in the system colours anyway.
class Win32Window final : public FormRuntime {
public:
    // Creates the window (hidden) and its controls, and raises Load. `onEnd`
    // runs once when the window goes away by Cerrar, the close control or
    // End; not when the object is destroyed while the window still exists.
    Win32Window(HINSTANCE instance, std::function<void()> onEnd);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Shows the window centred on the work area of the primary screen; the
    // first activation raises Activate.
    void showCentred(int showCommand);

    HWND handle() const { return hwnd_; }
    const FrmLexidor& logic() const { return events_.form(); }
    bool hasEnded() const { return events_.hasEnded(); }

    // A control of the window (nullptr once the window is gone); and the
    // object name of a control, or "" for any other window.
    HWND control(Control id) const { return controls_[static_cast<std::size_t>(id)]; }
    std::string_view nameOf(HWND window) const;

    // What the list shows: the selected row (-1 for none), the top row.
    int selectedRow() const;
    int topRow() const;

    // Where a label draws its text, in the label's client coordinates.
    RECT labelTextRect(Control label) const;
    // The font of the controls and the size of the decoded background
    // picture (0 by 0 when it could not be decoded).
    HFONT font() const { return font_; }
    SIZE pictureSize() const;
    // The dots per inch the window is laid out for.
    int dpi() const { return dpi_; }
    // Whether the accessibility property service took the names of the box
    // and the list and the description of the definition.
    bool accessibleNamesSet() const { return accessibleNamesSet_; }

    // FormRuntime
    std::u16string txtBuscar_Text() const override;
    void txtBuscar_SetText(std::u16string_view text) override;
    void txtBuscar_SetFocus() override;
    void Control_SetFocus(Control c, bool selectText) override;
    void lstLista_Show(int selectedRow, int topRow) override;
    void lblDescripcion_SetCaption(std::u16string_view caption) override;
    void Announce(std::u16string_view text) override;
    std::u16string App_Path() const override;
    void ChDir(std::u16string_view dir) override;
    void End() override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // A message to a subclassed control, and the control's own procedure.
    struct Message {
        HWND hwnd;
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        WNDPROC original;
        LRESULT callOriginal() const { return CallWindowProcW(original, hwnd, msg, wParam, lParam); }
    };

    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT controlMessage(Control id, const Message& m);
    LRESULT boxMessage(const Message& m);
    LRESULT listMessage(const Message& m);
    void fitList();
    int listBorder() const;
    void createMenu();
    void createControls();
    void nameControls();
    void clearAccessibleProperties();
    void layOut();
    void createFont();
    void scalePicture();
    void fixClientSize();
    void paintBackground(HDC dc, const RECT& area) const;
    void readContrastTheme();
    void drawLabel(const DRAWITEMSTRUCT& item) const;
    int indexOf(HWND window) const;

    HINSTANCE instance_;
    std::function<void()> onEnd_;
    FormEvents events_{*this};
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP picture_ = nullptr;
    // The picture at the window's resolution; picture_ itself at 96 dpi.
    HBITMAP scaledPicture_ = nullptr;
    int dpi_ = kBaseDpi;
    bool accessibleNamesSet_ = false;
    bool contrastTheme_ = false;
    LiveRegions liveRegions_;
    std::array<HWND, kControlCount> controls_{};
    std::array<WNDPROC, kControlCount> originalProcs_{};
    HWND focusBeforeDeactivation_ = nullptr;
    bool destroying_ = false;
};

} // namespace lexidor
