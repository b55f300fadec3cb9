// SPDX-License-Identifier: MIT
// lexidor-window-test.exe: checks of the Win32 window that the scenario
// files cannot see: its size, frame and menu, where each control sits, the
// decoded picture and the icons, the current directory after Load, and that
// every definition fits the definition area in the platform's dialog font,
// and what a screen reader finds through Active Accessibility and the
// properties the window gives its controls for it, and the window under a
// dark and a light contrast theme.
// Prints one line per failed check and "N passed, N failed"; exits 1 on a
// failure.
//
//   lexidor-window-test.exe [--dpi N]
//     N (default 96) is the resolution the display is set to; the window
//     must be laid out at it.
//   lexidor-window-test.exe --show dark|light
//     no checks: the window under that contrast theme until it is closed,
//     for a screenshot (tests/win32/screenshot.sh).

#include "Catalogue.h"
#include "Checks.h"
#include "FormDescription.h"
#include "ImageScan.h"
#include "Process.h"
#include "Utf8.h"
#include "Win32Window.h"
#include "WindowExpectations.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace lexidor;

using lexidor::test::check;
using lexidor::test::failed;
using lexidor::test::passed;

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

PixelRect pixels(const RECT& r)
{
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A 32-bit bitmap to draw into: a window or a control drawn by
// WM_PRINTCLIENT (Wine has no screen to read back), or anything else.
class Drawing {
public:
    Drawing(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    explicit Drawing(HWND window) : Drawing(clientSize(window).cx, clientSize(window).cy)
    {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
    ~Drawing()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // 0xRRGGBB
    unsigned pixel(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFF; }

private:
    static SIZE clientSize(HWND window)
    {
        RECT r{};
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }

    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    unsigned* bits_ = nullptr;
};

int grey(unsigned rgb)
{
    return static_cast<int>(((rgb >> 16) & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100;
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

// Text as DrawText lays it out in `width` pixels.
RECT layout(HDC dc, std::u16string_view text, int width, UINT flags)
{
    RECT r{0, 0, width, 0};
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &r,
              flags | DT_CALCRECT | DT_NOPREFIX);
    return r;
}

// What the list box was told during a key step: counted by a hook on the
// window's own thread.
HWND countedList = nullptr;
int selectionMessages = 0;
int scrollMessages = 0;

LRESULT CALLBACK countListMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == countedList) {
        if (sent->message == LB_SETCURSEL || sent->message == LB_SETSEL)
            ++selectionMessages;
        if (sent->message == LB_SETTOPINDEX || sent->message == WM_VSCROLL)
            ++scrollMessages;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void typeInto(HWND box, wchar_t c)
{
    const WPARAM key = towupper(c);
    SendMessageW(box, WM_KEYDOWN, key, 1);
    SendMessageW(box, WM_CHAR, c, 1);
    SendMessageW(box, WM_KEYUP, key, 0xC0000001);
}

// The window measured for the expectations both toolkits share.
class Measure {
public:
    explicit Measure(Win32Window& window) : w_(window) {}

    // `centred`: the window stands where it opened, so its place is judged.
    test::WindowSeen operator()(bool centred)
    {
        test::WindowSeen seen;
        HWND hwnd = w_.handle();
        seen.dpi = w_.dpi();
        seen.caption = windowText(hwnd);
        RECT client{};
        GetClientRect(hwnd, &client);
        seen.clientWidth = client.right;
        seen.clientHeight = client.bottom;
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        seen.fixedSize = (style & WS_THICKFRAME) == 0;
        seen.closeButtonOnly = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0 && (style & WS_SYSMENU) != 0;
        HMENU menu = GetMenu(hwnd);
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            seen.menu.push_back(reinterpret_cast<const char16_t*>(text));
            seen.menuHasSubmenu = seen.menuHasSubmenu || GetSubMenu(menu, i);
        }
        RECT frame{};
        RECT work{};
        GetWindowRect(hwnd, &frame);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        seen.workArea = pixels(work);
        seen.frame = centred ? pixels(frame) : seen.workArea;
        LOGFONTW font{};
        GetObjectW(w_.font(), sizeof font, &font);
        seen.fontPixels = -font.lfHeight;

        for (const ControlDescription& c : kFrmLexidor.controls) {
            test::ControlSeen& s = seen.controls[static_cast<std::size_t>(c.id)];
            HWND control = w_.control(c.id);
            if (!control)
                continue;
            RECT r{};
            GetWindowRect(control, &r);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
            s.exists = true;
            s.rect = pixels(r);
            RECT inner{};
            GetClientRect(control, &inner);
            s.innerHeight = inner.bottom - inner.top;
            s.tabStop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
            // What the controls say of themselves, through the system's
            // proxy; the names given through the property service are
            // checked where it is recorded (checkPropertiesSet).
            if (c.id != Control::txtBuscar && !c.readByText)
                s.spoken = accessible(control, Field::Name);
        }
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            for (const ControlDescription& c : kFrmLexidor.controls) {
                if (w_.control(c.id) == child)
                    seen.readingOrder.push_back(c.id);
            }
        }
        HWND list = w_.control(Control::lstLista);
        const int rows = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            wchar_t text[128] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            seen.rows.push_back(reinterpret_cast<const char16_t*>(text));
        }

        measureText(seen);
        measureDefinitionInk(seen);
        measureLongestRow(seen);
        const Drawing background(hwnd);
        int plain = 0;
        for (int y = 0; y < background.height(); y += 7) {
            for (int x = 0; x < background.width(); x += 7) {
                const Rgb fill = kFrmLexidor.background;
                plain += background.pixel(x, y) ==
                         (unsigned(fill.red) << 16 | unsigned(fill.green) << 8 | fill.blue);
            }
        }
        seen.plainFillSamples = plain;
        measureWorstStep(seen);
        return seen;
    }

private:
    void measureText(test::WindowSeen& seen) const
    {
        HDC dc = GetDC(w_.handle());
        HGDIOBJ old = SelectObject(dc, w_.font());
        const RECT prompt = w_.labelTextRect(Control::lblBuscar);
        seen.promptWidth =
            layout(dc, kFrmLexidor[Control::lblBuscar].text, prompt.right, DT_SINGLELINE).right;
        const RECT area = w_.labelTextRect(Control::lblDescripcion);
        seen.definitionAreaWidth = area.right - area.left;
        seen.definitionAreaHeight = area.bottom - area.top;
        for (const Entry& entry : kCatalogue) {
            const RECT r =
                layout(dc, entry.definition, seen.definitionAreaWidth, DT_WORDBREAK | DT_EDITCONTROL);
            seen.definitionsWidth = std::max<int>(seen.definitionsWidth, r.right);
            seen.definitionsHeight = std::max<int>(seen.definitionsHeight, r.bottom);
        }
        SelectObject(dc, old);
        ReleaseDC(w_.handle(), dc);
    }

    // The definition area drawn with and without a definition: where the
    // two differ is the text.
    void measureDefinitionInk(test::WindowSeen& seen)
    {
        HWND label = w_.control(Control::lblDescripcion);
        const std::u16string before = windowText(label);
        w_.lblDescripcion_SetCaption(u"");
        const Drawing empty(label);
        w_.lblDescripcion_SetCaption(kCatalogue[13].definition);
        const Drawing shown(label);
        const auto longest =
            std::max_element(kCatalogue.begin(), kCatalogue.end(), [](const auto& a, const auto& b) {
                return a.definition.size() < b.definition.size();
            });
        w_.lblDescripcion_SetCaption(longest->definition);
        const Drawing longDefinition(label);
        w_.lblDescripcion_SetCaption(before);
        const test::Difference first = test::differences(empty, shown);
        seen.definitionInkLeft = first.left;
        seen.definitionInkTop = first.top;
        const test::Difference whole = test::differences(empty, longDefinition);
        seen.longDefinitionInkRight = whole.right;
        seen.longDefinitionInkBottom = whole.bottom;
        seen.definitionTextRight = w_.labelTextRect(Control::lblDescripcion).right;
    }

    // Columns within `rows` of a drawing that differ from its background.
    static std::pair<int, int> inkColumns(const Drawing& d, const RECT& rows, unsigned background)
    {
        return test::inkColumns(d, rows.left, rows.top, rows.right, rows.bottom, background, grey);
    }

    // The widest term's row as the list draws it, its item rectangle, and
    // the term drawn alone in the list's font.
    void measureLongestRow(test::WindowSeen& seen)
    {
        HWND list = w_.control(Control::lstLista);
        HDC dc = GetDC(list);
        HGDIOBJ old = SelectObject(dc, w_.font());
        int widest = 0;
        SIZE widestSize{};
        for (int row = 0; row < kRowCount; ++row) {
            const std::u16string_view term = kCatalogue[static_cast<std::size_t>(row)].term;
            SIZE size{};
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(term.data()),
                                  static_cast<int>(term.size()), &size);
            if (size.cx > widestSize.cx) {
                widest = row;
                widestSize = size;
            }
        }
        SelectObject(dc, old);
        ReleaseDC(list, dc);

        const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(widest), 0);
        RECT row{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(widest), reinterpret_cast<LPARAM>(&row));
        const Drawing drawn(list);
        const auto [first, last] = inkColumns(drawn, row, drawn.pixel(row.left, row.top));
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);

        // The term alone, black on white, in a bitmap twice its width.
        const std::u16string_view term = kCatalogue[static_cast<std::size_t>(widest)].term;
        const Drawing alone(widestSize.cx * 2, widestSize.cy + 4);
        const RECT all{0, 0, alone.width(), alone.height()};
        FillRect(alone.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectObject(alone.dc(), w_.font());
        TextOutW(alone.dc(), 2, 2, reinterpret_cast<const wchar_t*>(term.data()),
                 static_cast<int>(term.size()));
        GdiFlush();
        const auto [aloneFirst, aloneLast] = inkColumns(alone, all, 0xFFFFFF);
        seen.longTermInkWidth = aloneLast - aloneFirst + 1;
        seen.longRowInkRight = last;
        seen.longRowTextRight = row.right - 1;
        seen.longRowInkWidth = last - first + 1;
    }

    // What the list box is told during the worst type-ahead step: a, then x.
    void measureWorstStep(test::WindowSeen& seen)
    {
        HWND box = w_.control(Control::txtBuscar);
        w_.txtBuscar_SetFocus();
        w_.txtBuscar_SetText(u"");
        typeInto(box, L'a');
        countedList = w_.control(Control::lstLista);
        selectionMessages = scrollMessages = 0;
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, countListMessages, nullptr, GetCurrentThreadId());
        typeInto(box, L'x');
        UnhookWindowsHookEx(hook);
        seen.selectionNotes = selectionMessages;
        seen.scrollNotes = scrollMessages;
        w_.txtBuscar_SetText(u"");
    }

    Win32Window& w_;
};

// The expectations both toolkits share, then what only Windows has: the
// layout at the display's resolution, the font on every control, the icons
// and the picture.
void checkWindow(Win32Window& window, int dpi, bool centred, const std::string& when)
{
    for (const std::string& fault : test::windowFaults(Measure(window)(centred)))
        check(false, fault + when);
    ++passed;
    HWND hwnd = window.handle();
    check(window.dpi() == dpi, "window laid out at the display's resolution" + when,
          std::to_string(window.dpi()) + " dpi, want " + std::to_string(dpi));
    for (const ControlDescription& c : kFrmLexidor.controls) {
        check(reinterpret_cast<HFONT>(SendMessageW(window.control(c.id), WM_GETFONT, 0, 0)) == window.font(),
              "control uses the dialog font" + when, std::string(c.name));
    }
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

// Moved to a monitor of another resolution, as the system tells a
// per-monitor aware window (Wine has one resolution and never does): the
// window takes the suggested frame and lays everything out again at the new
// resolution, and comes back unchanged.
void checkResolutionChange(Win32Window& window, int startDpi)
{
    for (const int to : {startDpi == 144 ? 96 : 144, startDpi}) {
        RECT frame{0, 0, kFrmLexidor.clientPixelWidthAt(to), kFrmLexidor.clientPixelHeightAt(to)};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window.handle(), GWL_STYLE)), TRUE,
                           static_cast<DWORD>(GetWindowLongW(window.handle(), GWL_EXSTYLE)));
        OffsetRect(&frame, 10 - frame.left, 20 - frame.top);
        SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&frame));
        const std::string at = " after a change to " + std::to_string(to) + " dpi";
        RECT placed{};
        GetWindowRect(window.handle(), &placed);
        check(placed.left == 10 && placed.top == 20, "window at the suggested place" + at,
              std::to_string(placed.left) + "," + std::to_string(placed.top));
        checkWindow(window, to, false, at);
    }
}

// --- The accessibility property service -------------------------------------

// What the window asks the system's property service (IAccPropServices) to
// keep for its controls. Wine's service keeps nothing, so this test puts a
// recording one in its place (CoRegisterClassObject for
// CLSID_AccPropServices): CoCreateInstance in this process gets it.
struct PropertySet {
    HWND hwnd;
    GUID property;
    std::u16string text; // a string property
    VARIANT value;       // any other
};

class RecordingPropServices final : public IAccPropServices, public IClassFactory {
public:
    std::vector<PropertySet> set;
    std::vector<std::pair<HWND, GUID>> cleared;

    // IUnknown: one static object, never freed.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IAccPropServices)
            *object = static_cast<IAccPropServices*>(this);
        else if (iid == IID_IClassFactory)
            *object = static_cast<IClassFactory*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    // What the window uses.
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                          VARIANT value) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        set.push_back({hwnd, property, {}, value});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                             LPCWSTR text) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF || !text)
            return E_INVALIDARG;
        VARIANT none;
        VariantInit(&none);
        set.push_back({hwnd, property, reinterpret_cast<const char16_t*>(text), none});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND hwnd, DWORD, DWORD, const MSAAPROPID* properties,
                                             int count) override
    {
        for (int i = 0; i < count; ++i)
            cleared.emplace_back(hwnd, properties[i]);
        return S_OK;
    }

    // Everything else: not used by the window.
    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                            AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                                AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                                 AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override
    {
        return E_NOTIMPL;
    }
};

RecordingPropServices propertyService;

// UI Automation's LiveSetting property; 1 is Polite.
constexpr GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

// The properties of each control, as the window set them: a screen reader
// reads the box and the list by their names, the definition label by its
// text (its own name, so it is given none) with "Definición" as its
// description, and hears the label and the announcer (a control of no size
// for texts the window does not show) as polite live regions.
void checkPropertiesSet(const Win32Window& window, HWND announcer)
{
    auto textOf = [](HWND hwnd, const GUID& property) {
        std::u16string found = u"(not set)";
        for (const PropertySet& p : propertyService.set) {
            if (p.hwnd == hwnd && p.property == property)
                found = p.text;
        }
        return found;
    };
    auto live = [](HWND hwnd) {
        for (const PropertySet& p : propertyService.set) {
            if (p.hwnd == hwnd && p.property == kLiveSetting)
                return p.value.vt == VT_I4 && p.value.lVal == 1;
        }
        return false;
    };
    HWND box = window.control(Control::txtBuscar);
    HWND list = window.control(Control::lstLista);
    HWND label = window.control(Control::lblDescripcion);
    check(textOf(box, PROPID_ACC_NAME) == kFrmLexidor[Control::txtBuscar].accessibleName, "the box's name",
          toUtf8(textOf(box, PROPID_ACC_NAME)));
    check(textOf(list, PROPID_ACC_NAME) == kFrmLexidor[Control::lstLista].accessibleName, "the list's name",
          toUtf8(textOf(list, PROPID_ACC_NAME)));
    check(textOf(label, PROPID_ACC_DESCRIPTION) == kFrmLexidor[Control::lblDescripcion].accessibleName,
          "the definition's description is Definición", toUtf8(textOf(label, PROPID_ACC_DESCRIPTION)));
    check(textOf(label, PROPID_ACC_NAME) == u"(not set)", "the definition's name is its text, none is set",
          toUtf8(textOf(label, PROPID_ACC_NAME)));
    check(live(label), "the definition is a polite live region");
    check(announcer != nullptr && live(announcer), "the announcer is a polite live region");
    RECT r{};
    GetClientRect(announcer, &r);
    check(announcer && IsWindowVisible(announcer) && r.right == 0 && r.bottom == 0,
          "the announcer is in the accessibility tree and shows nothing");
}

// The announcer: the window's one child that is no control of the form.
HWND findAnnouncer(const Win32Window& window)
{
    for (HWND child = GetWindow(window.handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (window.nameOf(child).empty())
            return child;
    }
    return nullptr;
}

// When the window closes, every property it set goes with it.
void checkPropertiesCleared()
{
    int left = 0;
    for (const PropertySet& p : propertyService.set) {
        bool cleared = false;
        for (const auto& [hwnd, property] : propertyService.cleared)
            cleared = cleared || (hwnd == p.hwnd && property == p.property);
        left += cleared ? 0 : 1;
    }
    check(!propertyService.set.empty() && left == 0, "closing the window clears every property it set",
          std::to_string(left) + " left");
}

// --- Active Accessibility ----------------------------------------------------

constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED

struct NameChange {
    DWORD event; // the name change, or the live region's
    HWND hwnd;
    LONG object, child;
};
std::vector<NameChange> nameChanges;

void CALLBACK onNameChange(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (event == EVENT_OBJECT_NAMECHANGE || event == kLiveRegionChanged)
        nameChanges.push_back({event, hwnd, object, child});
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

// Every term looked up as a user would (its text in the box, then Buscar):
// the definition's accessible name is the definition shown, its change is
// raised as a name change and, once, as a change of the live region that
// screen readers read out, and the focus stays in the box.
void checkDefinitionIsSpoken(Win32Window& window)
{
    HWND label = window.control(Control::lblDescripcion);
    HWND box = window.control(Control::txtBuscar);
    HWND button = window.control(Control::cmdBuscar);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, kLiveRegionChanged, nullptr, &onNameChange,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
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
        int renamed = 0;
        int live = 0;
        for (const NameChange& change : nameChanges) {
            const bool ofLabel =
                change.hwnd == label && change.object == OBJID_CLIENT && change.child == CHILDID_SELF;
            renamed += ofLabel && change.event == EVENT_OBJECT_NAMECHANGE ? 1 : 0;
            live += change.event == kLiveRegionChanged ? (ofLabel ? 1 : 100) : 0;
        }
        if (renamed >= 1 && live == 1)
            ++announced;
        else
            check(false, "lookup raises the definition's name change, and its live region's change once",
                  term + ": " + std::to_string(renamed) + " name changes, live regions " +
                      std::to_string(live));
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

// --- Contrast themes ---------------------------------------------------------

// Wine keeps no contrast theme: SPI_GETHIGHCONTRAST always answers "off",
// and SPI_SETHIGHCONTRAST is not implemented. The window's call goes
// through this program's import table, so the test answers it there: the
// setting it turns on and off, everything else from the system. The system
// colours are the system's own (SetSysColors), and the window is sent what
// the system sends when a contrast theme is turned on or off.
bool contrastThemeOn = false;
using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersInfoFunction systemParametersInfo = nullptr;

BOOL WINAPI answerContrastTheme(UINT action, UINT number, PVOID data, UINT flags)
{
    if (action != SPI_GETHIGHCONTRAST || !data)
        return systemParametersInfo(action, number, data, flags);
    auto* setting = static_cast<HIGHCONTRASTW*>(data);
    if (setting->cbSize != sizeof *setting)
        return FALSE;
    setting->dwFlags = HCF_AVAILABLE | (contrastThemeOn ? HCF_HIGHCONTRASTON : 0);
    setting->lpszDefaultScheme = nullptr;
    return TRUE;
}

// Puts `replacement` into this program's import table in place of the
// function `name` of `dll`; returns the function it replaced.
void* replaceImport(const char* dll, const char* name, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name; ++module) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), dll) != 0)
            continue;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) ||
                std::strcmp(
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name,
                    name) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void* original = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return original;
        }
    }
    return nullptr;
}

// The system colours of the contrast rule's colours, in ThemeColour order,
// and the two contrast themes' values for them (Windows' dark and light
// contrast themes).
constexpr int kThemeElements[kThemeColourCount] = {COLOR_WINDOW,        COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                                   COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE,    COLOR_BTNTEXT};
struct ContrastTheme {
    const char* name;
    COLORREF colours[kThemeColourCount];
};
constexpr ContrastTheme kContrastThemes[] = {
    {"dark",
     {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x1a, 0xeb, 0xff), RGB(0, 0, 0), RGB(0, 0, 0),
      RGB(255, 255, 255)}},
    {"light",
     {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0x37, 0x00, 0x6e), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(0, 0, 0)}},
};

// Turns a contrast theme on with `colours`, or off with the colours there
// were before (nullptr), and tells the window as the system tells it.
void setContrastTheme(HWND window, const COLORREF* colours)
{
    static COLORREF ordinary[kThemeColourCount];
    if (colours && !contrastThemeOn) {
        for (std::size_t i = 0; i < kThemeColourCount; ++i)
            ordinary[i] = GetSysColor(kThemeElements[i]);
    }
    contrastThemeOn = colours != nullptr;
    SetSysColors(static_cast<int>(kThemeColourCount), kThemeElements, colours ? colours : ordinary);
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
}

Rgb rgbOf(unsigned pixel)
{
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

test::TextSeen textSeen(const Drawing& shown, const Drawing& blank)
{
    const test::TextContrast t = test::textContrast(shown, blank, rgbOf);
    return {t.ink, t.ground, t.ratio};
}

// A label drawn with its text and without.
std::pair<test::TextSeen, Rgb> labelSeen(HWND label)
{
    const std::u16string text = windowText(label);
    const Drawing shown(label);
    SetWindowTextW(label, L"");
    const Drawing blank(label);
    SetWindowTextW(label, reinterpret_cast<const wchar_t*>(text.c_str()));
    return {textSeen(shown, blank), rgbOf(shown.pixel(0, shown.height() / 2))};
}

// The window under the theme in force, after a lookup of CSN typed into the
// box: the theme's colours, the selected row (drawn again with an empty
// row in its place), the labels, the client area.
test::ThemedWindowSeen measureThemed(Win32Window& window)
{
    test::ThemedWindowSeen seen;
    for (std::size_t i = 0; i < kThemeColourCount; ++i) {
        const COLORREF c = GetSysColor(kThemeElements[i]);
        seen.theme[i] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    }
    HWND box = window.control(Control::txtBuscar);
    window.txtBuscar_SetFocus();
    window.txtBuscar_SetText(u"");
    for (const wchar_t c : {L'c', L's', L'n'})
        typeInto(box, c);
    SendMessageW(box, WM_KEYUP, VK_RETURN, 0xC0000001);

    HWND list = window.control(Control::lstLista);
    const int row = window.selectedRow();
    const int top = window.topRow();
    wchar_t term[128] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(term));
    const Drawing rowShown(list);
    auto putRow = [&](const wchar_t* text) {
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    };
    putRow(L"");
    const Drawing rowBlank(list);
    putRow(term);
    seen.selectedRow = textSeen(rowShown, rowBlank);

    std::tie(seen.definition, seen.definitionFrame) = labelSeen(window.control(Control::lblDescripcion));
    seen.prompt = labelSeen(window.control(Control::lblBuscar)).first;

    const Drawing client(window.handle());
    const Rgb ground = seen.theme[static_cast<std::size_t>(kContrastRule.client.ground)];
    for (int y = 0; y < client.height(); y += 7) {
        for (int x = 0; x < client.width(); x += 7)
            seen.foreignClientSamples += rgbOf(client.pixel(x, y)) == ground ? 0 : 1;
    }
    return seen;
}

// Each contrast theme turned on while the window is open: what every
// toolkit must show under one; turned off again, the picture is back as it
// was.
void checkContrastThemes(Win32Window& window)
{
    const Drawing ordinary(window.handle());
    for (const ContrastTheme& theme : kContrastThemes) {
        setContrastTheme(window.handle(), theme.colours);
        const test::ThemedWindowSeen seen = measureThemed(window);
        std::printf("%s\n", test::themedWindowSummary(seen, theme.name).c_str());
        for (const std::string& fault : test::themedWindowFaults(seen, theme.name))
            check(false, fault);
        ++passed;
        setContrastTheme(window.handle(), nullptr);
    }
    const Drawing after(window.handle());
    check(test::differences(ordinary, after).left == ordinary.width(),
          "the contrast theme turned off: the picture again, as before");
    window.txtBuscar_SetText(u"");
}

// The window under a contrast theme until it is closed, for a screenshot.
int showUnderContrastTheme(const std::string& name)
{
    const ContrastTheme* theme = nullptr;
    for (const ContrastTheme& t : kContrastThemes)
        theme = name == t.name ? &t : theme;
    if (!theme) {
        std::fprintf(stderr, "no contrast theme %s (dark or light)\n", name.c_str());
        return 2;
    }
    contrastThemeOn = true;
    SetSysColors(static_cast<int>(kThemeColourCount), kThemeElements, theme->colours);
    bool ended = false;
    Win32Window window(GetModuleHandleW(nullptr), [&ended] { ended = true; });
    window.showCentred(SW_SHOWNORMAL);
    MSG msg;
    while (!ended && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
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
    // A program at a drive's root: its folder is the root itself, "C:\",
    // which ChDir makes that drive's current folder.
    struct Place {
        std::u16string_view program, folder;
    };
    for (const Place& p :
         {Place{u"C:\\lexidor.exe", u"C:\\"}, Place{u"D:\\Lexidor\\lexidor.exe", u"D:\\Lexidor"},
          Place{u"\\\\servidor\\lexidor.exe", u"\\\\servidor"}}) {
        check(process::folderOf(p.program) == p.folder, "App_Path of " + toUtf8(p.program),
              toUtf8(process::folderOf(p.program)));
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
    const char* show = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--dpi") == 0)
            dpi = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--show") == 0)
            show = argv[i + 1];
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    systemParametersInfo = reinterpret_cast<SystemParametersInfoFunction>(
        replaceImport("user32.dll", "SystemParametersInfoW", reinterpret_cast<void*>(&answerContrastTheme)));
    check(systemParametersInfo != nullptr, "the contrast setting answered by the test");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (show && systemParametersInfo)
        return showUnderContrastTheme(show);
    DWORD registration = 0;
    check(
        SUCCEEDED(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&propertyService),
                                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration)),
        "recording property service registered");

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
            checkWindow(window, dpi, true, "");
            checkResolutionChange(window, dpi);
            checkPropertiesSet(window, findAnnouncer(window));
            checkDefinitionIsSpoken(window);
            if (systemParametersInfo)
                checkContrastThemes(window);
            window.End();
            check(ended && window.handle() == nullptr, "End closes the window and reports the end");
            checkPropertiesCleared();
        }
    }
    if (registration)
        CoRevokeClassObject(registration);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
