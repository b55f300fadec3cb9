// SPDX-License-Identifier: MIT
#include "Win32Window.h"

#include "Catalogue.h"
#include "Picture.h"
#include "ResourceIds.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace lexidor {

namespace {

// Drive letters compare without regard to case; no locale involved.
wchar_t towupperAscii(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}

constexpr wchar_t kClassName[] = L"LexidorForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr UINT kFirstControlId = 1001;

constexpr COLORREF colour(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

const wchar_t* wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

std::wstring wideString(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

std::u16string windowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length =
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Backspace and Delete remove a character beyond the Basic Multilingual
// Plane as a whole: with the caret next to a surrogate pair and nothing
// selected, select the pair first, so the edit control deletes both halves
// (some versions of it delete one code unit only).
void selectWholeCharacter(HWND edit, bool before)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != end)
        return;
    const std::u16string text = windowText(edit);
    if (before && start >= 2 && start <= text.size() && isLowSurrogate(text[start - 1]) &&
        isHighSurrogate(text[start - 2])) {
        SendMessageW(edit, EM_SETSEL, start - 2, start);
    } else if (!before && start + 2 <= text.size() && isHighSurrogate(text[start]) &&
               isLowSurrogate(text[start + 1])) {
        SendMessageW(edit, EM_SETSEL, start, start + 2);
    }
}

// The arrow keys step over a surrogate pair as over any one character.
void keepCaretOffSurrogatePair(HWND edit, int direction)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::u16string text = windowText(edit);
    if (start != end || start == 0 || start >= text.size())
        return;
    if (isHighSurrogate(text[start - 1]) && isLowSurrogate(text[start])) {
        const DWORD caret = direction < 0 ? start - 1 : start + 1;
        SendMessageW(edit, EM_SETSEL, caret, caret);
    }
}

// Drops the selection and leaves the caret where it was, at whichever end
// of the selection that is.
void collapseSelectionToCaret(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end)
        return;
    DWORD caret = end;
    POINT at{};
    if (GetCaretPos(&at)) {
        const LRESULT hit = SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(at.x, at.y));
        if (LOWORD(hit) == start)
            caret = start;
    }
    SendMessageW(edit, EM_SETSEL, caret, caret);
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

SIZE bitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
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

// The form sets no font, so the controls use the platform's classic dialog
// font, 8-point MS Sans Serif, for which the layout is made: the prompt fits
// its label on one line. Where that face is missing the system maps it to a
// metric-compatible one. Made at the window's resolution, rounded down as
// the boxes are (rounding up makes the prompt too wide for its label at 150
// per cent), and given to the controls that already exist.
void Win32Window::createFont()
{
    HFONT old = font_;
    font_ = CreateFontW(-scalePixels(kFrmLexidor.fontPixels, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif");
    if (!font_)
        font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (HWND control : controls_) {
        if (control)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (old)
        DeleteObject(old); // a stock font ignores this
}

// The picture is drawn at the window's resolution: scaled once, smoothly,
// when that is not 96 dots per inch.
void Win32Window::scalePicture()
{
    if (scaledPicture_)
        DeleteObject(scaledPicture_);
    scaledPicture_ = nullptr;
    const SIZE size = pictureSize();
    if (dpi_ == kBaseDpi || size.cx == 0 || size.cy == 0)
        return;
    const int width = size.cx * dpi_ / kBaseDpi;
    const int height = size.cy * dpi_ / kBaseDpi;
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    scaledPicture_ = CreateCompatibleBitmap(screen, width, height);
    if (scaledPicture_) {
        HGDIOBJ oldSource = SelectObject(source, picture_);
        HGDIOBJ oldTarget = SelectObject(target, scaledPicture_);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
        SelectObject(target, oldTarget);
        SelectObject(source, oldSource);
    }
    DeleteDC(target);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
}

// The controls at the window's resolution.
void Win32Window::layOut()
{
    for (const ControlDescription& c : kFrmLexidor.controls) {
        const PixelRect r = c.pixelsAt(dpi_);
        if (HWND window = control(c.id))
            MoveWindow(window, r.left, r.top, r.width, r.height, TRUE);
    }
}

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
    struct Property {
        Control id;
        const MSAAPROPID& property;
    };
    const Property wanted[] = {{Control::txtBuscar, PROPID_ACC_NAME},
                               {Control::lstLista, PROPID_ACC_NAME},
                               {Control::lblDescripcion, PROPID_ACC_DESCRIPTION}};
    bool all = true;
    for (const Property& p : wanted) {
        const std::wstring text = wideString(kFrmLexidor[p.id].accessibleName);
        all = SUCCEEDED(properties->SetHwndPropStr(control(p.id), static_cast<DWORD>(OBJID_CLIENT),
                                                   CHILDID_SELF, p.property, text.c_str())) &&
              all;
    }
    accessibleNamesSet_ = all;
    properties->Release();
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

// AdjustWindowRectEx assumes a one-line menu bar of the system's height;
// correct the frame if the client area came out otherwise.
void Win32Window::fixClientSize()
{
    RECT client{};
    RECT window{};
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &window);
    const int dx = kFrmLexidor.clientPixelWidthAt(dpi_) - (client.right - client.left);
    const int dy = kFrmLexidor.clientPixelHeightAt(dpi_) - (client.bottom - client.top);
    if (dx != 0 || dy != 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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

SIZE Win32Window::pictureSize() const
{
    return bitmapSize(picture_);
}

RECT Win32Window::labelTextRect(Control label) const
{
    RECT r{};
    if (!control(label))
        return r;
    GetClientRect(control(label), &r);
    if (kFrmLexidor[label].framed) {
        const int inset = scalePixels(1, dpi_) + scalePixels(kFrmLexidor.labelMargin, dpi_);
        InflateRect(&r, -inset, -inset);
    }
    return r;
}

// --- Messages -------------------------------------------------------------

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
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        fixClientSize();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    }

    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintBackground(dc, ps.rcPaint);
        EndPaint(hwnd_, &ps);
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

LRESULT CALLBACK Win32Window::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    const int index = self ? self->indexOf(hwnd) : -1;
    if (index < 0)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->onControlMessage(static_cast<std::size_t>(index), msg, wParam, lParam);
}

LRESULT Win32Window::onControlMessage(std::size_t index, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = controls_[index];
    HWND txtBuscar = control(Control::txtBuscar);
    const WNDPROC original = originalProcs_[index];
    auto callOriginal = [&] { return CallWindowProcW(original, hwnd, msg, wParam, lParam); };

    switch (msg) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            moveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
            return 0;
        }
        if (wParam == VK_DELETE && hwnd == txtBuscar)
            selectWholeCharacter(hwnd, false);
        if ((wParam == VK_LEFT || wParam == VK_RIGHT) && hwnd == txtBuscar) {
            const LRESULT result = callOriginal();
            keepCaretOffSurrogatePair(hwnd, wParam == VK_LEFT ? -1 : 1);
            return result;
        }
        break;

    case WM_KILLFOCUS:
        // Moving to another control of the window leaves the search box
        // with a caret and no selection; switching to another application
        // keeps the selection for when the user comes back.
        if (hwnd == txtBuscar && indexOf(reinterpret_cast<HWND>(wParam)) >= 0)
            collapseSelectionToCaret(hwnd);
        break;

    case WM_CHAR:
        // Tab moves the focus and Enter is a KeyUp; neither is text, and a
        // single-line edit control would only beep at them.
        if (wParam == L'\t' || wParam == L'\r' || wParam == L'\n' || wParam == 0x1b)
            return 0;
        if (wParam == L'\b' && hwnd == txtBuscar)
            selectWholeCharacter(hwnd, true);
        break;

    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        break;

    case WM_KEYUP:
    case WM_SYSKEYUP: { // the Alt key, and keys released while it is down
        const LRESULT result = callOriginal();
        const int keyCode = static_cast<int>(wParam);
        if (hwnd == txtBuscar)
            events_.boxKeyReleased(keyCode);
        else if (hwnd == control(Control::lstLista))
            events_.listKeyReleased(keyCode);
        return result;
    }

    case WM_LBUTTONDBLCLK:
        if (hwnd == txtBuscar) {
            events_.boxDoubleClicked();
        } else if (hwnd == control(Control::lstLista)) {
            const LRESULT result = callOriginal();
            // On a row, or on the empty space below the last one.
            const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lParam);
            events_.listDoubleClicked(HIWORD(hit) == 0);
            return result;
        }
        break;

    case WM_LBUTTONUP:
        if (hwnd == txtBuscar) {
            // The box places its caret first; then the Click, if this
            // release makes one.
            const LRESULT result = callOriginal();
            RECT client{};
            GetClientRect(hwnd, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            events_.boxButtonReleased(true, PtInRect(&client, at) != FALSE);
            return result;
        }
        break;

    default:
        break;
    }
    return callOriginal();
}

// Tab and Shift+Tab walk the focusable controls in tab-index order, round
// the end. Tabbing into the search box selects its text, as a dialog would.
void Win32Window::moveFocus(int step)
{
    std::array<HWND, kControlCount> order{};
    std::size_t count = 0;
    std::size_t position = 0;
    for (const Control id : kFrmLexidor.tabOrder()) {
        if (!kFrmLexidor[id].focusable())
            continue;
        if (control(id) == GetFocus())
            position = count;
        order[count++] = control(id);
    }
    if (count == 0)
        return;
    const auto n = static_cast<std::ptrdiff_t>(count);
    const auto next = static_cast<std::size_t>(((static_cast<std::ptrdiff_t>(position) + step) % n + n) % n);
    HWND target = order[next];
    SetFocus(target);
    if (target == control(Control::txtBuscar))
        SendMessageW(target, EM_SETSEL, 0, -1);
}

// --- Painting -------------------------------------------------------------

void Win32Window::paintBackground(HDC dc, const RECT& area) const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    HBITMAP shown = scaledPicture_ ? scaledPicture_ : picture_;
    const SIZE size = bitmapSize(shown);
    if (shown) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, shown);
        BitBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    // Whatever the picture leaves uncovered.
    HBRUSH fill = CreateSolidBrush(colour(kFrmLexidor.background));
    const RECT right{size.cx, 0, client.right, client.bottom};
    const RECT below{0, size.cy, size.cx, client.bottom};
    RECT part{};
    if (IntersectRect(&part, &right, &area))
        FillRect(dc, &part, fill);
    if (IntersectRect(&part, &below, &area))
        FillRect(dc, &part, fill);
    DeleteObject(fill);
}

// A label: the part of the picture under it, white text wrapped at word
// boundaries, and a white frame for lblDescripcion. Drawn off screen and
// copied in one step, so a new caption never shows over the old one.
void Win32Window::drawLabel(const DRAWITEMSTRUCT& item) const
{
    const RECT& box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;

    HDC dc = CreateCompatibleDC(item.hDC);
    HBITMAP canvas = CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, canvas);

    // The label's place in the client area, so the picture lines up.
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, hwnd_, &origin, 1);
    SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    const RECT under{origin.x, origin.y, origin.x + width, origin.y + height};
    paintBackground(dc, under);
    SetViewportOrgEx(dc, 0, 0, nullptr);

    const bool framed =
        kFrmLexidor[Control::lblDescripcion].framed && item.hwndItem == control(Control::lblDescripcion);
    RECT text{0, 0, width, height};
    if (framed) {
        HBRUSH frame = CreateSolidBrush(colour(kFrmLexidor.labelText));
        for (int line = scalePixels(1, dpi_); line > 0; --line) {
            FrameRect(dc, &text, frame);
            InflateRect(&text, -1, -1);
        }
        DeleteObject(frame);
        InflateRect(&text, -scalePixels(kFrmLexidor.labelMargin, dpi_),
                    -scalePixels(kFrmLexidor.labelMargin, dpi_));
    }
    const std::u16string caption = windowText(item.hwndItem);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour(kFrmLexidor.labelText));
    DrawTextW(dc, wide(caption.c_str()), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, oldFont);

    BitBlt(item.hDC, box.left, box.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
}

// --- FormRuntime ----------------------------------------------------------

std::u16string Win32Window::txtBuscar_Text() const
{
    return windowText(control(Control::txtBuscar));
}

void Win32Window::txtBuscar_SetText(std::u16string_view text)
{
    const std::wstring value = wideString(text);
    SetWindowTextW(control(Control::txtBuscar), value.c_str());
    // The caret goes to the end of the new text.
    const auto end = static_cast<LPARAM>(value.size());
    SendMessageW(control(Control::txtBuscar), EM_SETSEL, static_cast<WPARAM>(end), end);
}

void Win32Window::txtBuscar_SetFocus()
{
    SetFocus(control(Control::txtBuscar));
}

int Win32Window::lstLista_ListCount() const
{
    return static_cast<int>(SendMessageW(control(Control::lstLista), LB_GETCOUNT, 0, 0));
}

// LB_SETCURSEL selects the row and scrolls it into view.
void Win32Window::selectRow(int row)
{
    SendMessageW(control(Control::lstLista), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void Win32Window::lstLista_SetListIndex(int row)
{
    selectRow(row);
}

void Win32Window::lstLista_SetSelected(int row)
{
    selectRow(row);
}

int Win32Window::selectedRow() const
{
    const LRESULT row = SendMessageW(control(Control::lstLista), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

std::u16string Win32Window::lstLista_Text() const
{
    const int row = selectedRow();
    if (row < 0)
        return {};
    const LRESULT length =
        SendMessageW(control(Control::lstLista), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR)
        return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const LRESULT copied = SendMessageW(control(Control::lstLista), LB_GETTEXT, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void Win32Window::lblDescripcion_SetCaption(std::u16string_view caption)
{
    const std::wstring value = wideString(caption);
    HWND label = control(Control::lblDescripcion);
    SetWindowTextW(label, value.c_str());
    InvalidateRect(label, nullptr, FALSE);
    // The text is the label's accessible name.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_CLIENT, CHILDID_SELF);
}

void Win32Window::Announce(std::u16string_view text)
{
    liveRegions_.announce(text);
}

std::u16string Win32Window::App_Path() const
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    // The folder that holds the program; a drive's root keeps its backslash.
    std::size_t cut = buffer.find_last_of(L"\\/");
    if (cut == std::wstring::npos)
        return {};
    if (cut == 2 && buffer[1] == L':')
        ++cut;
    return std::u16string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(cut));
}

// Like the classic ChDir: on another drive than the current one, it sets that
// drive's current folder and leaves the current drive as it was.
void Win32Window::ChDir(std::u16string_view dir)
{
    const std::wstring target(dir.begin(), dir.end());
    wchar_t current[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, current);
    const bool targetHasDrive = target.size() >= 2 && target[1] == L':';
    const bool currentHasDrive = length >= 2 && current[1] == L':';
    if (targetHasDrive && currentHasDrive && towupperAscii(target[0]) != towupperAscii(current[0])) {
        const wchar_t variable[] = {L'=', towupperAscii(target[0]), L':', L'\0'};
        SetEnvironmentVariableW(variable, target.c_str());
        return;
    }
    SetCurrentDirectoryW(target.c_str());
}

void Win32Window::End()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

} // namespace lexidor
