// SPDX-License-Identifier: MIT
#include "Win32Window.h"

#include "Catalogue.h"
#include "EditBox.h"
#include "Picture.h"
#include "Process.h"
#include "ResourceIds.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace lexidor {

namespace {

constexpr wchar_t kClassName[] = L"LexidorForm";
// A caption with the buttons the table names, and a border the user can
// drag only when the window is sizable.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                         (kFrmLexidor.sizable ? WS_THICKFRAME : 0) |
                         (kFrmLexidor.minimizeMaximizeButtons ? WS_MINIMIZEBOX | WS_MAXIMIZEBOX : 0);
constexpr DWORD kExStyle = 0;
constexpr UINT kFirstControlId = 1001;

std::wstring wideString(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

// The window's dots per inch. GetDpiForWindow came with Windows 10 (1607)
// and is looked up at run time, so the program still starts where it is
// missing; there the screen's resolution is the window's.
int windowDpi(HWND hwnd)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = [] {
        GetDpiForWindowFunction function = nullptr;
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            const FARPROC found = GetProcAddress(user32, "GetDpiForWindow");
            static_assert(sizeof found == sizeof function);
            std::memcpy(&function, &found, sizeof function);
        }
        return function;
    }();
    if (hwnd && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

void registerClass(HINSTANCE instance, WNDPROC proc)
{
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kClassName, &wc))
        return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_LEXIDOR), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_LEXIDOR), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

// The control class and styles for each kind of control.
const wchar_t* classOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::ListBox:
        return L"LISTBOX";
    case ControlKind::CommandButton:
        return L"BUTTON";
    }
    return L"STATIC";
}

DWORD styleOf(ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Label:
        // Drawn by the window, so the text sits straight on the picture.
        return child | SS_OWNERDRAW | SS_NOPREFIX;
    case ControlKind::TextBox:
        return child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    case ControlKind::ListBox:
        // Its height is made whole rows from the table (fitList), at every
        // resolution, rather than by the list box's own rounding.
        return child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    case ControlKind::CommandButton:
        return child | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return child;
}

DWORD exStyleOf(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox ? WS_EX_CLIENTEDGE : 0;
}

} // namespace

Win32Window::Win32Window(HINSTANCE instance, std::function<void()> onEnd)
    : instance_(instance), onEnd_(std::move(onEnd))
{
    registerClass(instance_, &Win32Window::windowProc);
    picture_ = loadPictureResource(instance_, IDR_BACKGROUND);
    readContrastTheme();

    // First sized at the screen's resolution, then laid out at the one of
    // the monitor the window landed on.
    dpi_ = windowDpi(nullptr);
    RECT frame{0, 0, kFrmLexidor.clientPixelWidthAt(dpi_), kFrmLexidor.clientPixelHeightAt(dpi_)};
    AdjustWindowRectEx(&frame, kStyle, TRUE, kExStyle);
    const std::wstring caption = wideString(kFrmLexidor.caption);
    CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    if (!hwnd_)
        return;
    dpi_ = windowDpi(hwnd_);
    createFont();
    scalePicture();
    createMenu();
    fixClientSize();
    createControls();
    nameControls();
    liveRegions_.create(hwnd_, control(Control::lblDescripcion), instance_);

    events_.created();
}

Win32Window::~Win32Window()
{
    destroying_ = true;
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (picture_)
        DeleteObject(picture_);
    if (scaledPicture_)
        DeleteObject(scaledPicture_);
    if (font_)
        DeleteObject(font_); // a stock font ignores this
}

void Win32Window::createMenu()
{
    HMENU bar = CreateMenu();
    const std::wstring caption = wideString(kFrmLexidor.menu.caption);
    AppendMenuW(bar, MF_STRING, IDM_CERRAR, caption.c_str());
    SetMenu(hwnd_, bar);
}

void Win32Window::createControls()
{
    // Created in tab order, so the z-order (what the system's own dialog
    // navigation and screen readers follow) agrees with it.
    for (const Control id : kFrmLexidor.tabOrder()) {
        const ControlDescription& c = kFrmLexidor[id];
        const auto i = static_cast<std::size_t>(id);
        const PixelRect r = c.pixelsAt(dpi_);
        // A list box shows no window text; it carries the name a screen
        // reader announces.
        const std::wstring text = wideString(c.kind == ControlKind::ListBox ? c.accessibleName : c.text);
        HWND control = CreateWindowExW(exStyleOf(c.kind), classOf(c.kind), text.c_str(), styleOf(c.kind),
                                       r.left, r.top, r.width, r.height, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + i)),
                                       instance_, nullptr);
        controls_[i] = control;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (c.focusable()) {
            originalProcs_[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Window::controlProc)));
        }
    }
    for (const Entry& entry : kCatalogue)
        SendMessageW(control(Control::lstLista), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wideString(entry.term).c_str()));
    fitList();
}

void Win32Window::showCentred(int showCommand)
{
    if (!hwnd_)
        return;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const int y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

int Win32Window::indexOf(HWND window) const
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (window && controls_[i] == window)
            return static_cast<int>(i);
    }
    return -1;
}

std::string_view Win32Window::nameOf(HWND window) const
{
    const int i = indexOf(window);
    return i < 0 ? std::string_view{} : kFrmLexidor.controls[static_cast<std::size_t>(i)].name;
}

// --- FormRuntime ----------------------------------------------------------

std::u16string Win32Window::txtBuscar_Text() const
{
    return editbox::text(control(Control::txtBuscar));
}

void Win32Window::txtBuscar_SetText(std::u16string_view text)
{
    editbox::setText(control(Control::txtBuscar), text);
}

void Win32Window::txtBuscar_SetFocus()
{
    SetFocus(control(Control::txtBuscar));
}

// The end of an event: the top row first, then the selection, which is in
// sight by then, so the list scrolls once and repaints once.
void Win32Window::lstLista_Show(int selectedRow, int topRow)
{
    HWND list = control(Control::lstLista);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(topRow), 0);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selectedRow), 0);
}

int Win32Window::selectedRow() const
{
    const LRESULT row = SendMessageW(control(Control::lstLista), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

int Win32Window::topRow() const
{
    return static_cast<int>(SendMessageW(control(Control::lstLista), LB_GETTOPINDEX, 0, 0));
}

void Win32Window::lblDescripcion_SetCaption(std::u16string_view caption)
{
    const std::wstring value = wideString(caption);
    HWND label = control(Control::lblDescripcion);
    SetWindowTextW(label, value.c_str());
    InvalidateRect(label, nullptr, FALSE);
    // The text is the label's accessible name; the lookup's announcement
    // (Announce) makes screen readers read it out.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_CLIENT, CHILDID_SELF);
}

std::u16string Win32Window::App_Path() const
{
    return process::programFolder();
}

void Win32Window::ChDir(std::u16string_view dir)
{
    process::changeDirectory(dir);
}

void Win32Window::End()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

} // namespace lexidor
