// SPDX-License-Identifier: MIT
// lexidor-window-test.exe: checks of the Win32 window that the scenario
// files cannot see: its size, frame and menu, where each control sits, the
// decoded picture and the icons, the current directory after Load, and that
// every definition fits the definition area in the platform's dialog font,
// and what a screen reader finds through Active Accessibility.
// Prints one line per failed check and "N passed, N failed"; exits 1 on a
// failure.
//
//   lexidor-window-test.exe [--dpi N]
//     N (default 96) is the resolution the display is set to; the window
//     must be laid out at it.

#include "Catalogue.h"
#include "FormDescription.h"
#include "Utf8.h"
#include "Win32Window.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace {

using namespace lexidor;

// What the window must measure at each resolution the tests set.
struct Scale {
    int dpi;
    int clientWidth, clientHeight;
    int fontHeight; // pixels, the em height asked of the font
};
constexpr Scale kScales[] = {{96, 490, 401, 11}, {144, 735, 601, 16}};

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

void checkFrame(const Win32Window& window, const Scale& scale)
{
    HWND hwnd = window.handle();
    check(window.dpi() == scale.dpi, "window laid out at the display's resolution",
          std::to_string(window.dpi()) + " dpi, want " + std::to_string(scale.dpi));
    RECT client{};
    GetClientRect(hwnd, &client);
    check(client.right == scale.clientWidth && client.bottom == scale.clientHeight, "client area size",
          rectText(client) + ", want " + std::to_string(scale.clientWidth) + "x" +
              std::to_string(scale.clientHeight));
    LOGFONTW font{};
    GetObjectW(window.font(), sizeof font, &font);
    check(font.lfHeight == -scale.fontHeight, "dialog font at the display's resolution",
          std::to_string(font.lfHeight) + ", want " + std::to_string(-scale.fontHeight));

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
        const PixelRect want = c.pixelsAt(window.dpi());
        const bool same =
            r.left == want.left && r.top == want.top && r.right == want.right() && r.bottom == want.bottom();
        check(same, "control placed as in the form table", name + " at " + rectText(r));
        // At 96 dpi every length of the table is a whole number of pixels.
        if (window.dpi() == kBaseDpi) {
            check(r.left * kTwipsPerPixel == c.left && r.top * kTwipsPerPixel == c.top &&
                      (r.right - r.left) * kTwipsPerPixel == c.width &&
                      (r.bottom - r.top) * kTwipsPerPixel == c.height,
                  "table lengths are whole pixels", name);
        }
        check(window.nameOf(control) == c.name, "control name", name);
        check(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) == window.font(),
              "control uses the dialog font", name);
        const bool tabStop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
        check(tabStop == (c.kind != ControlKind::Label), "only labels take no focus", name);
    }

    HWND list = window.control(Control::lstLista);
    check(SendMessageW(window.control(Control::lstLista), LB_GETCOUNT, 0, 0) == kRowCount,
          "list holds every term");
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

// Moved to a monitor of another resolution, as the system tells a
// per-monitor aware window (Wine has one resolution and never does): the
// window takes the suggested frame and lays everything out again at the new
// resolution, and comes back unchanged.
void checkResolutionChange(Win32Window& window, const Scale& start)
{
    for (const Scale& to : {kScales[1].dpi == start.dpi ? kScales[0] : kScales[1], start}) {
        RECT frame{0, 0, to.clientWidth, to.clientHeight};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window.handle(), GWL_STYLE)), TRUE,
                           static_cast<DWORD>(GetWindowLongW(window.handle(), GWL_EXSTYLE)));
        OffsetRect(&frame, 10 - frame.left, 20 - frame.top);
        SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(to.dpi, to.dpi),
                     reinterpret_cast<LPARAM>(&frame));
        const std::string at = " after a change to " + std::to_string(to.dpi) + " dpi";
        RECT placed{};
        GetWindowRect(window.handle(), &placed);
        check(placed.left == 10 && placed.top == 20, ("window at the suggested place" + at).c_str(),
              rectText(placed));
        checkFrame(window, to);
        checkControls(window);
        checkLabelsFit(window);
    }
}

// --- Active Accessibility ----------------------------------------------------

struct NameChange {
    HWND hwnd;
    LONG object, child;
};
std::vector<NameChange> nameChanges;

void CALLBACK onNameChange(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (event == EVENT_OBJECT_NAMECHANGE)
        nameChanges.push_back({hwnd, object, child});
}

void pumpMessages()
{
    for (int round = 0; round < 5; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
}

// What a screen reader gets for a control: its name or its description.
enum class Field { Name, Description };

std::u16string accessible(HWND control, Field field)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return u"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT hr =
        field == Field::Name ? object->get_accName(self, &text) : object->get_accDescription(self, &text);
    std::u16string result = FAILED(hr) ? u"(failed)" : u"";
    if (text) {
        result.assign(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
        SysFreeString(text);
    }
    object->Release();
    return result;
}

// Every term looked up as a user would (its text in the box, then Buscar):
// the definition's accessible name is the definition shown, a name change
// of the definition's client object is announced, and the focus stays in
// the box.
void checkDefinitionIsSpoken(Win32Window& window)
{
    HWND label = window.control(Control::lblDescripcion);
    HWND box = window.control(Control::txtBuscar);
    HWND button = window.control(Control::cmdBuscar);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         &onNameChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "name-change hook installed");
    int spoken = 0;
    int announced = 0;
    int focusKept = 0;
    for (const Entry& entry : kCatalogue) {
        const std::string term = toUtf8(entry.term);
        window.txtBuscar_SetFocus();
        window.txtBuscar_SetText(entry.term);
        pumpMessages();
        nameChanges.clear();
        SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        pumpMessages();
        const std::u16string name = accessible(label, Field::Name);
        if (name == entry.definition && windowText(label) == entry.definition)
            ++spoken;
        else
            check(false, "definition's accessible name is the definition",
                  term + ": \"" + toUtf8(name) + "\"");
        bool seen = false;
        for (const NameChange& change : nameChanges)
            seen = seen ||
                   (change.hwnd == label && change.object == OBJID_CLIENT && change.child == CHILDID_SELF);
        if (seen)
            ++announced;
        else
            check(false, "lookup announces a name change of the definition", term);
        if (GetFocus() == box)
            ++focusKept;
        else
            check(false, "lookup leaves the focus in the box", term);
    }
    check(spoken == kRowCount, "every definition is its label's accessible name");
    check(announced == kRowCount, "every lookup announces the new definition");
    check(focusKept == kRowCount, "no lookup moves the focus");
    if (hook)
        UnhookWinEvent(hook);
}

// The box and the list carry the names the other toolkit gives them; the
// definition keeps "Definición" as its description. Wine's property
// service takes no properties, so there only the list's name (its window
// text, which Wine's proxy reads) can be checked.
void checkNamesAndDescription(const Win32Window& window)
{
    struct Expected {
        Control id;
        Field field;
        bool everywhere; // also where the property service takes nothing
    };
    constexpr Expected expected[] = {{Control::txtBuscar, Field::Name, false},
                                     {Control::lstLista, Field::Name, true},
                                     {Control::lblDescripcion, Field::Description, false}};
    if (!window.accessibleNamesSet())
        std::printf("NOTE the system's IAccPropServices took no properties: box name and definition "
                    "description not checked\n");
    for (const Expected& e : expected) {
        if (!e.everywhere && !window.accessibleNamesSet())
            continue;
        const std::u16string got = accessible(window.control(e.id), e.field);
        check(got == kFrmLexidor[e.id].accessibleName, "accessible name or description from the form table",
              std::string(kFrmLexidor[e.id].name) + ": \"" + toUtf8(got) + "\"");
    }
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

int main(int argc, char** argv)
{
    int dpi = kBaseDpi;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--dpi") == 0)
            dpi = std::atoi(argv[i + 1]);
    }
    const Scale* scale = nullptr;
    for (const Scale& s : kScales)
        scale = s.dpi == dpi ? &s : scale;
    if (!scale) {
        std::printf("no measurements for %d dpi\n0 passed, 1 failed\n", dpi);
        return 1;
    }

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
            checkFrame(window, *scale);
            checkControls(window);
            checkLabelsFit(window);
            checkResolutionChange(window, *scale);
            checkNamesAndDescription(window);
            checkDefinitionIsSpoken(window);
            window.End();
            check(ended && window.handle() == nullptr, "End closes the window and reports the end");
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
