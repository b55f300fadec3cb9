// SPDX-License-Identifier: MIT
// lexidor-window-test.exe: checks of the Win32 window that the scenario
// files cannot see: its size, frame and menu, where each control sits, the
// decoded picture and the icons, the current directory after Load, and that
// every definition fits the definition area in the platform's dialog font.
// Prints one line per failed check and "N passed, N failed"; exits 1 on a
// failure.

#include "Catalogue.h"
#include "FormDescription.h"
#include "Win32Window.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

using namespace lexidor;

int passed = 0;
int failed = 0;

void check(bool ok, const char* what, const std::string& detail = {})
{
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
}

std::string rectText(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + ")";
}

std::u16string windowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int n =
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

SIZE iconSize(HICON icon)
{
    ICONINFO info{};
    BITMAP bitmap{};
    if (!icon || !GetIconInfo(icon, &info))
        return {0, 0};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

void checkFrame(const Win32Window& window)
{
    HWND hwnd = window.handle();
    RECT client{};
    GetClientRect(hwnd, &client);
    check(client.right == 490 && client.bottom == 401, "client area is 490 by 401", rectText(client));

    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    check((style & WS_THICKFRAME) == 0, "border is fixed");
    check((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0 && (style & WS_SYSMENU) != 0,
          "caption has the close button only");
    check(windowText(hwnd) == kFrmLexidor.caption, "caption");

    HMENU menu = GetMenu(hwnd);
    check(menu && GetMenuItemCount(menu) == 1, "menu bar holds one item");
    wchar_t text[32] = {};
    GetMenuStringW(menu, 0, text, 32, MF_BYPOSITION);
    check(std::u16string(reinterpret_cast<const char16_t*>(text)) == kFrmLexidor.menu.caption,
          "menu item caption");
    check(GetSubMenu(menu, 0) == nullptr, "menu item has no submenu");

    const SIZE big = iconSize(reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON)));
    const SIZE small = iconSize(reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM)));
    check(big.cx == GetSystemMetrics(SM_CXICON) && big.cy == GetSystemMetrics(SM_CYICON), "window icon",
          std::to_string(big.cx) + "x" + std::to_string(big.cy));
    check(small.cx == GetSystemMetrics(SM_CXSMICON) && small.cy == GetSystemMetrics(SM_CYSMICON),
          "small window icon", std::to_string(small.cx) + "x" + std::to_string(small.cy));

    const SIZE picture = window.pictureSize();
    check(picture.cx == 490 && picture.cy == 401, "background picture decoded at 490 by 401",
          std::to_string(picture.cx) + "x" + std::to_string(picture.cy));
}

void checkControls(const Win32Window& window)
{
    for (const ControlDescription& c : kFrmLexidor.controls) {
        HWND control = window.control(c.id);
        const std::string name(c.name);
        check(control != nullptr, "control exists", name);
        if (!control)
            continue;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&r), 2);
        // Every length of the table is a whole number of pixels.
        const bool same = r.left * kTwipsPerPixel == c.left && r.top * kTwipsPerPixel == c.top &&
                          (r.right - r.left) * kTwipsPerPixel == c.width &&
                          (r.bottom - r.top) * kTwipsPerPixel == c.height;
        check(same, "control placed as in the form table", name + " at " + rectText(r));
        check(window.nameOf(control) == c.name, "control name", name);
        check(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) == window.font(),
              "control uses the dialog font", name);
        const bool tabStop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
        check(tabStop == (c.kind != ControlKind::Label), "only labels take no focus", name);
    }

    HWND list = window.control(Control::lstLista);
    check(window.lstLista_ListCount() == kRowCount, "list holds every term");
    bool rowsInOrder = true;
    for (int row = 0; row < kRowCount && list; ++row) {
        wchar_t text[128] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        rowsInOrder = rowsInOrder && std::u16string(reinterpret_cast<const char16_t*>(text)) ==
                                         kCatalogue[static_cast<std::size_t>(row)].term;
    }
    check(rowsInOrder, "list rows are the terms in catalogue order");
    check(window.selectedRow() == -1, "no row selected at start");
}

// Text that DrawText would lay out in `width` pixels: its height, and the
// widest line (a word longer than the box would stick out).
RECT layout(HDC dc, std::u16string_view text, int width, UINT flags)
{
    RECT r{0, 0, width, 0};
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &r,
              flags | DT_CALCRECT | DT_NOPREFIX);
    return r;
}

void checkLabelsFit(const Win32Window& window)
{
    HDC dc = GetDC(window.handle());
    HGDIOBJ old = SelectObject(dc, window.font());

    const RECT prompt = window.labelTextRect(Control::lblBuscar);
    const RECT line = layout(dc, kFrmLexidor[Control::lblBuscar].text, prompt.right, DT_SINGLELINE);
    check(line.right <= prompt.right && line.bottom <= prompt.bottom, "prompt fits its label on one line",
          std::to_string(line.right) + " of " + std::to_string(prompt.right) + " pixels");

    const RECT area = window.labelTextRect(Control::lblDescripcion);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    int tallest = 0;
    for (const Entry& entry : kCatalogue) {
        const RECT r = layout(dc, entry.definition, width, DT_WORDBREAK | DT_EDITCONTROL);
        tallest = r.bottom > tallest ? r.bottom : tallest;
        if (r.bottom > height || r.right > width) {
            check(false, "definition fits the definition area",
                  std::string(entry.term.begin(), entry.term.end()) + ": " + std::to_string(r.right) + "x" +
                      std::to_string(r.bottom) + " in " + std::to_string(width) + "x" +
                      std::to_string(height));
        }
    }
    check(tallest > 0 && tallest <= height, "every definition fits the definition area",
          "tallest " + std::to_string(tallest) + " of " + std::to_string(height) + " pixels");

    SelectObject(dc, old);
    ReleaseDC(window.handle(), dc);
}

std::u16string currentDirectory()
{
    wchar_t current[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, current);
    return std::u16string(current, current + length);
}

bool sameDrive(const std::u16string& a, const std::u16string& b)
{
    return a.size() >= 2 && b.size() >= 2 && a[1] == u':' && b[1] == u':' && towupper(a[0]) == towupper(b[0]);
}

// Load moves to the program's folder. On another drive than the current one
// it sets that drive's current folder and leaves the current drive alone.
void checkCurrentDirectory(Win32Window& window, const std::u16string& startedIn)
{
    const std::u16string want = window.App_Path();
    check(!want.empty(), "App_Path names the program's folder");
    if (sameDrive(startedIn, want) || !sameDrive(startedIn, startedIn)) {
        check(currentDirectory() == want, "Load makes the program's folder the current one");
    } else {
        check(currentDirectory() == startedIn, "Load leaves the current drive as it was");
        const wchar_t variable[] = {L'=', static_cast<wchar_t>(towupper(want[0])), L':', L'\0'};
        wchar_t driveDir[MAX_PATH + 1] = {};
        const DWORD length = GetEnvironmentVariableW(variable, driveDir, MAX_PATH + 1);
        check(std::u16string(driveDir, driveDir + length) == want,
              "Load sets the current folder of the program's drive");
    }
    // From the program's own drive, ChDir moves the current folder itself.
    const std::wstring root{static_cast<wchar_t>(want[0]), L':', L'\\'};
    SetCurrentDirectoryW(root.c_str());
    window.ChDir(want);
    check(currentDirectory() == want, "ChDir on the current drive changes the current folder");
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    // Start somewhere else, so that Load has to move.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    const std::u16string startedIn = currentDirectory();

    bool ended = false;
    {
        Win32Window window(GetModuleHandleW(nullptr), [&ended] { ended = true; });
        check(window.handle() != nullptr, "window created");
        if (window.handle()) {
            checkCurrentDirectory(window, startedIn);
            window.showCentred(SW_SHOWNORMAL);
            checkFrame(window);
            checkControls(window);
            checkLabelsFit(window);
            window.End();
            check(ended && window.handle() == nullptr, "End closes the window and reports the end");
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
