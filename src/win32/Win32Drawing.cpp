// SPDX-License-Identifier: MIT
// frmLexidor's drawing on Win32: the font, the picture and the controls at
// the window's resolution, the background, and the labels straight on it.
#include "Win32Window.h"

#include "EditBox.h"

#include <string>

namespace lexidor {

namespace {

constexpr COLORREF colour(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// A contrast theme's colour: the system colour of that name.
COLORREF systemColour(ThemeColour c)
{
    switch (c) {
    case ThemeColour::Window:
        return GetSysColor(COLOR_WINDOW);
    case ThemeColour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case ThemeColour::Highlight:
        return GetSysColor(COLOR_HIGHLIGHT);
    case ThemeColour::HighlightText:
        return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case ThemeColour::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case ThemeColour::ButtonText:
        return GetSysColor(COLOR_BTNTEXT);
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

void fill(HDC dc, const RECT& area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

SIZE bitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

} // namespace

// The form sets no font, so the controls use the platform's classic dialog
// font, 8-point, for which the layout is made: the prompt fits its label on
// one line: the first of the table's faces, which every Windows has, or maps
// to a face with its metrics (as Wine does). Made at the window's resolution,
// rounded down as the boxes are (rounding up makes the prompt too wide for
// its label at 150 per cent), and given to the controls that already exist.
void Win32Window::createFont()
{
    HFONT old = font_;
    const std::u16string_view first = kFrmLexidor.fontFaces.front();
    const std::wstring face(first.begin(), first.end());
    font_ = CreateFontW(-kFrmLexidor.fontPixelsAt(dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        VARIABLE_PITCH | FF_SWISS, face.c_str());
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

// The controls at the window's resolution; the list made whole rows.
void Win32Window::layOut()
{
    for (const ControlDescription& c : kFrmLexidor.controls) {
        const PixelRect r = kFrmLexidor.boxAt(c.id, dpi_, listBorder());
        if (HWND window = control(c.id))
            MoveWindow(window, r.left, r.top, r.width, r.height, TRUE);
    }
}

// The list box's sunken border on each side, as the system draws it.
int Win32Window::listBorder() const
{
    HWND list = control(Control::lstLista);
    RECT outer{};
    RECT inner{};
    if (!list || !GetWindowRect(list, &outer) || !GetClientRect(list, &inner))
        return scalePixels(kFrmLexidor.listBorderPixels, dpi_);
    return ((outer.bottom - outer.top) - (inner.bottom - inner.top)) / 2;
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

RECT Win32Window::labelTextRect(Control label) const
{
    RECT r{};
    if (!control(label))
        return r;
    GetClientRect(control(label), &r);
    const PixelRect text = kFrmLexidor.labelTextAt(label, r.right - r.left, r.bottom - r.top, dpi_);
    return {text.left, text.top, text.right(), text.bottom()};
}

// Rows of the table's height (a new font resets them), the list made whole
// rows high, and the form's list box told what that shows.
void Win32Window::fitList()
{
    HWND list = control(Control::lstLista);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(kFrmLexidor.listRowPixelsAt(dpi_), 0));
    const PixelRect r = kFrmLexidor.listPixelsAt(dpi_, listBorder());
    MoveWindow(list, r.left, r.top, r.width, r.height, TRUE);
    RECT client{};
    GetClientRect(list, &client);
    events_.listResized(client.bottom - client.top, kFrmLexidor.listRowPixelsAt(dpi_));
}

SIZE Win32Window::pictureSize() const
{
    return bitmapSize(picture_);
}

void Win32Window::readContrastTheme()
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    contrastTheme_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
                     (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void Win32Window::paintBackground(HDC dc, const RECT& area) const
{
    if (contrastTheme_) {
        fill(dc, area, systemColour(kContrastRule.client.ground));
        return;
    }
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
// boundaries, and a white frame for lblDescripcion; under a contrast theme
// the system colours of the contrast rule instead. Drawn off screen and
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

    const Control id = indexOf(item.hwndItem) == static_cast<int>(Control::lblBuscar)
                           ? Control::lblBuscar
                           : Control::lblDescripcion;
    RECT frameLine{0, 0, width, height};
    const COLORREF ink = contrastTheme_ ? systemColour(kContrastRule[id].ink) : colour(kFrmLexidor.labelText);
    if (contrastTheme_) {
        fill(dc, frameLine, systemColour(kContrastRule[id].ground));
    } else {
        // The label's place in the client area, so the picture lines up.
        POINT origin{0, 0};
        MapWindowPoints(item.hwndItem, hwnd_, &origin, 1);
        SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
        const RECT under{origin.x, origin.y, origin.x + width, origin.y + height};
        paintBackground(dc, under);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }

    if (kFrmLexidor[id].framed) {
        HBRUSH frame = CreateSolidBrush(ink);
        for (int line = scalePixels(1, dpi_); line > 0; --line) {
            FrameRect(dc, &frameLine, frame);
            InflateRect(&frameLine, -1, -1);
        }
        DeleteObject(frame);
    }
    RECT text = labelTextRect(id);
    const std::u16string caption = editbox::text(item.hwndItem);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_TOP | (kFrmLexidor[id].wraps() ? DT_WORDBREAK | DT_EDITCONTROL : 0) | DT_NOPREFIX);
    SelectObject(dc, oldFont);

    BitBlt(item.hDC, box.left, box.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
}

} // namespace lexidor
