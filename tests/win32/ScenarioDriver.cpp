// SPDX-License-Identifier: MIT
// lexidor-scenario.exe: runs the real Win32 window and drives its controls
// with real window messages (keys, characters, mouse buttons, activation),
// one command a line from standard input, printing the window's state as one
// JSON line after each command. Same commands and output as the Qt driver
// (tests/scenarios/README.md). What was said is heard as a screen reader
// hears it: the live-region changes the window raises, each read by its
// object's accessible name.

#include "KeyCodes.h"
#include "ResourceIds.h"
#include "ScenarioProtocol.h"
#include "Utf8.h"
#include "Win32Window.h"

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using lexidor::Control;
using lexidor::Win32Window;
namespace scenario = lexidor::scenario;

// --- Text -------------------------------------------------------------------

std::u16string windowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length =
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

// --- Keys -------------------------------------------------------------------

// What a keyboard sends with each key: WM_KEYDOWN, the characters that
// TranslateMessage would make of it, WM_KEYUP.
struct Key {
    int code;
    wchar_t character; // 0: none
    bool extended;
};

Key win32Key(scenario::BoxKey key)
{
    using K = scenario::BoxKey;
    switch (key) {
    case K::Enter:
        return {VK_RETURN, L'\r', false};
    case K::KeypadEnter:
        return {VK_RETURN, L'\r', true};
    case K::Backspace:
        return {VK_BACK, L'\b', false};
    case K::Shift:
        return {VK_SHIFT, 0, false};
    case K::Left:
        return {VK_LEFT, 0, true};
    case K::Right:
        return {VK_RIGHT, 0, true};
    case K::Home:
        return {VK_HOME, 0, true};
    case K::End:
        return {VK_END, 0, true};
    case K::Delete:
        return {VK_DELETE, 0, true};
    case K::CapsLock:
        return {VK_CAPITAL, 0, false};
    }
    return {0, 0, false};
}

Key win32Key(scenario::ListKey key)
{
    using K = scenario::ListKey;
    switch (key) {
    case K::Enter:
        return {VK_RETURN, L'\r', false};
    case K::Space:
        return {VK_SPACE, L' ', false};
    case K::Up:
        return {VK_UP, 0, true};
    case K::Down:
        return {VK_DOWN, 0, true};
    case K::PageUp:
        return {VK_PRIOR, 0, true};
    case K::PageDown:
        return {VK_NEXT, 0, true};
    case K::Home:
        return {VK_HOME, 0, true};
    case K::End:
        return {VK_END, 0, true};
    case K::Letter:
        break;
    }
    return {0, 0, false};
}

LPARAM keyData(int code, bool extended, bool up, bool alt = false)
{
    LPARAM data = 1; // repeat count
    data |= static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(code), MAPVK_VK_TO_VSC) & 0xFF) << 16;
    if (extended)
        data |= 1L << 24;
    if (alt)
        data |= 1L << 29;
    if (up)
        data |= (1L << 30) | (1UL << 31);
    return data;
}

LPARAM point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// The messages of one mouse button.
struct Button {
    UINT down, up, doubleClick;
    WPARAM held;
};
constexpr Button kLeft{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};

Button win32Button(scenario::Button button)
{
    switch (button) {
    case scenario::Button::Left:
        break;
    case scenario::Button::Right:
        return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
    case scenario::Button::Middle:
        return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
    }
    return kLeft;
}

// Closes the context menu a right click opens, from inside the menu's loop.
void CALLBACK closeMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

// --- What a screen reader hears ----------------------------------------------

constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED

// The last text a live region said, until the state line takes it.
std::u16string heard;

void CALLBACK onLiveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    // Wine hands a hook the events of every process: only this one's count.
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId())
        return;
    IAccessible* accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                         &accessible, &which)) ||
        !accessible)
        return;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(which, &name)) && name) {
        heard.assign(name, name + SysStringLen(name));
        SysFreeString(name);
    }
    VariantClear(&which);
    accessible->Release();
}

// --- Driver -----------------------------------------------------------------

class Win32Target final : public scenario::Target {
public:
    explicit Win32Target(HINSTANCE instance) : instance_(instance) { start(); }

    int rows() const override
    {
        return static_cast<int>(
            SendMessageW(window_->control(lexidor::Control::lstLista), LB_GETCOUNT, 0, 0));
    }
    bool ended() const override { return ended_; }
    scenario::State state() override;
    void typeCharacter(std::u16string_view character) override;
    void act(const scenario::Command& command) override;

private:
    void start();
    void settle() const;
    HWND control(Control id) const { return window_->control(id); }
    HWND focusOrWindow() const { return GetFocus() ? GetFocus() : window_->handle(); }
    void pressKey(HWND target, const Key& key);
    void click(HWND target, int x, int y, bool twice, const Button& button = kLeft);
    void clickBox(bool twice, const Button& button);
    void scrollIntoView(HWND list, int row);
    void setHeld(int key, int leftKey, bool down);

    void operator()(const scenario::Type&) {}
    void operator()(const scenario::PressBoxKey& c)
    {
        pressKey(control(Control::txtBuscar), win32Key(c.key));
    }
    void operator()(const scenario::PressListKey& c)
    {
        const Key letter{static_cast<WORD>(c.letter), static_cast<wchar_t>(c.letter - 'A' + 'a'), false};
        pressKey(control(Control::lstLista), c.key == scenario::ListKey::Letter ? letter : win32Key(c.key));
    }
    void operator()(const scenario::ReleaseAlt&);
    void operator()(const scenario::ClickBox& c) { clickBox(false, win32Button(c.button)); }
    void operator()(const scenario::DoubleClickBox&) { clickBox(true, kLeft); }
    void operator()(const scenario::DragBox&);
    void operator()(const scenario::EnterOnBuscar&);
    void operator()(const scenario::ClickBuscar&);
    void operator()(const scenario::SelectRow& c);
    void operator()(const scenario::DoubleClickRow& c);
    void operator()(const scenario::DoubleClickBelowRows&);
    void operator()(const scenario::Tab& c);
    void operator()(const scenario::Activate&);
    void operator()(const scenario::Restart&);
    void operator()(const scenario::EndProgram& c);

    HINSTANCE instance_;
    std::unique_ptr<Win32Window> window_;
    bool ended_ = false;
};

void Win32Target::start()
{
    ended_ = false;
    window_ = std::make_unique<Win32Window>(instance_, [this] { ended_ = true; });
    if (!window_->handle()) {
        const std::string line = scenario::errorLine(u"the window could not be created");
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::exit(2);
    }
    window_->showCentred(SW_SHOWNORMAL);
    SetForegroundWindow(window_->handle());
    settle();
}

// Delivers everything that is waiting, as the program's message loop would.
// The characters of key presses are sent by the driver itself, so nothing is
// translated here.
void Win32Target::settle() const
{
    for (int round = 0; round < 3; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            DispatchMessageW(&msg);
        }
    }
}

scenario::State Win32Target::state()
{
    return {windowText(control(Control::txtBuscar)),
            window_->selectedRow(),
            static_cast<int>(SendMessageW(control(Control::lstLista), LB_GETTOPINDEX, 0, 0)),
            windowText(control(Control::lblDescripcion)),
            window_->logic().indice(),
            window_->logic().longitud(),
            lexidor::fromUtf8(window_->nameOf(GetFocus())),
            std::exchange(heard, std::u16string())};
}

void Win32Target::typeCharacter(std::u16string_view units)
{
    HWND box = control(Control::txtBuscar);
    const char32_t c =
        units.size() == 2 ? 0x10000 + ((units[0] - 0xD800) << 10) + (units[1] - 0xDC00) : char32_t{units[0]};
    const int code = lexidor::vk::ofCharacter(c);
    SendMessageW(box, WM_KEYDOWN, static_cast<WPARAM>(code), keyData(code, false, false));
    for (const char16_t unit : units)
        SendMessageW(box, WM_CHAR, unit, keyData(code, false, false));
    settle();
    SendMessageW(box, WM_KEYUP, static_cast<WPARAM>(code), keyData(code, false, true));
    settle();
}

void Win32Target::act(const scenario::Command& command)
{
    std::visit([this](const auto& c) { (*this)(c); }, command);
    settle();
}

void Win32Target::pressKey(HWND target, const Key& key)
{
    SendMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key.code), keyData(key.code, key.extended, false));
    if (key.character)
        SendMessageW(target, WM_CHAR, key.character, keyData(key.code, key.extended, false));
    settle();
    if (!ended_)
        SendMessageW(target, WM_KEYUP, static_cast<WPARAM>(key.code), keyData(key.code, key.extended, true));
}

// Alt pressed in another window (Alt+Tab back into this one): only its
// release arrives, as WM_SYSKEYUP.
void Win32Target::operator()(const scenario::ReleaseAlt&)
{
    SendMessageW(control(Control::txtBuscar), WM_SYSKEYUP, VK_MENU, keyData(VK_MENU, false, true));
}

// A click (press, release) at client point (x, y); `twice` makes it a
// double-click: the second press arrives as WM_LBUTTONDBLCLK.
void Win32Target::click(HWND target, int x, int y, bool twice, const Button& button)
{
    SendMessageW(target, WM_MOUSEMOVE, 0, point(x, y));
    SendMessageW(target, button.down, button.held, point(x, y));
    settle();
    if (button.up == WM_RBUTTONUP)
        SetTimer(nullptr, 0, 50, closeMenu);
    SendMessageW(target, button.up, 0, point(x, y));
    settle();
    if (twice && !ended_) {
        SendMessageW(target, button.doubleClick, button.held, point(x, y));
        settle();
        SendMessageW(target, button.up, 0, point(x, y));
    }
}

// In the box, to the right of its text.
void Win32Target::clickBox(bool twice, const Button& button)
{
    RECT client{};
    GetClientRect(control(Control::txtBuscar), &client);
    click(control(Control::txtBuscar), client.right - 4, client.bottom / 2, twice, button);
}

// Pressed where a click presses, released 20 pixels to the right of the box:
// the box holds the mouse while the button is down, so the release is its.
void Win32Target::operator()(const scenario::DragBox&)
{
    HWND box = control(Control::txtBuscar);
    RECT client{};
    GetClientRect(box, &client);
    const int y = client.bottom / 2;
    SendMessageW(box, WM_MOUSEMOVE, 0, point(client.right - 4, y));
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, point(client.right - 4, y));
    settle();
    SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, point(client.right + 20, y));
    settle();
    SendMessageW(box, WM_LBUTTONUP, 0, point(client.right + 20, y));
}

void Win32Target::operator()(const scenario::EnterOnBuscar&)
{
    SetFocus(control(Control::cmdBuscar));
    settle();
    pressKey(control(Control::cmdBuscar), {VK_RETURN, L'\r', false});
}

void Win32Target::operator()(const scenario::ClickBuscar&)
{
    RECT client{};
    GetClientRect(control(Control::cmdBuscar), &client);
    click(control(Control::cmdBuscar), client.right / 2, client.bottom / 2, false);
}

// Scrolls the list as little as needed to show the whole row, with its
// scroll bar as a user does (the list hears of it as it would of a drag of
// the scroll box).
void Win32Target::scrollIntoView(HWND list, int row)
{
    auto scrollTo = [list](int top) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, top), 0);
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    };
    RECT client{};
    GetClientRect(list, &client);
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (row < top) {
        scrollTo(row);
        return;
    }
    for (int first = top; first <= row; ++first) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (item.bottom <= client.bottom)
            break;
        scrollTo(first + 1);
    }
}

void Win32Target::operator()(const scenario::SelectRow& c)
{
    HWND list = control(Control::lstLista);
    scrollIntoView(list, c.row);
    settle();
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(c.row), reinterpret_cast<LPARAM>(&item));
    click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2, false, win32Button(c.button));
}

void Win32Target::operator()(const scenario::DoubleClickRow& c)
{
    HWND list = control(Control::lstLista);
    scrollIntoView(list, c.row);
    settle();
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(c.row), reinterpret_cast<LPARAM>(&item));
    click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2, true);
}

// The list scrolled to its end, a double-click on the empty space below the
// last row.
void Win32Target::operator()(const scenario::DoubleClickBelowRows&)
{
    HWND list = control(Control::lstLista);
    const int last = rows() - 1;
    scrollIntoView(list, last);
    settle();
    RECT item{};
    RECT client{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    click(list, (item.left + item.right) / 2, (item.bottom + client.bottom) / 2 + 1, true);
}

// The thread's own record of the Shift key, which the window reads with
// GetKeyState (sent messages do not update it).
void Win32Target::setHeld(int key, int leftKey, bool down)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    keys[leftKey] = keys[key];
    SetKeyboardState(keys);
}

// The press moves the focus on; the releases reach the control that has the
// focus by then, as on a real keyboard.
void Win32Target::operator()(const scenario::Tab& c)
{
    if (c.ctrl) {
        setHeld(VK_CONTROL, VK_LCONTROL, true);
        SendMessageW(focusOrWindow(), WM_KEYDOWN, VK_CONTROL, keyData(VK_CONTROL, false, false));
    }
    if (c.backwards) {
        setHeld(VK_SHIFT, VK_LSHIFT, true);
        SendMessageW(focusOrWindow(), WM_KEYDOWN, VK_SHIFT, keyData(VK_SHIFT, false, false));
    }
    SendMessageW(focusOrWindow(), WM_KEYDOWN, VK_TAB, keyData(VK_TAB, false, false));
    SendMessageW(focusOrWindow(), WM_CHAR, L'\t', keyData(VK_TAB, false, false));
    settle();
    SendMessageW(focusOrWindow(), WM_KEYUP, VK_TAB, keyData(VK_TAB, false, true));
    if (c.backwards) {
        settle();
        setHeld(VK_SHIFT, VK_LSHIFT, false);
        SendMessageW(focusOrWindow(), WM_KEYUP, VK_SHIFT, keyData(VK_SHIFT, false, true));
    }
    if (c.ctrl) {
        settle();
        setHeld(VK_CONTROL, VK_LCONTROL, false);
        SendMessageW(focusOrWindow(), WM_KEYUP, VK_CONTROL, keyData(VK_CONTROL, false, true));
    }
}

// Another program's window takes the activation, then gives it back.
void Win32Target::operator()(const scenario::Activate&)
{
    HWND other = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr,
                                 nullptr, instance_, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    settle();
    SetForegroundWindow(window_->handle());
    SetActiveWindow(window_->handle());
    settle();
    DestroyWindow(other);
}

void Win32Target::operator()(const scenario::Restart&)
{
    SendMessageW(window_->handle(), WM_CLOSE, 0, 0);
    settle();
    window_.reset();
    settle();
    start();
}

void Win32Target::operator()(const scenario::EndProgram& c)
{
    if (c.how == scenario::EndProgram::CloseControl) {
        SendMessageW(window_->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    if (c.how == scenario::EndProgram::MenuClick) {
        // What the menu bar sends when Cerrar is clicked.
        SendMessageW(window_->handle(), WM_COMMAND, MAKEWPARAM(IDM_CERRAR, 0), 0);
        return;
    }
    // Alt held, C pressed: the system turns the character into the menu's
    // access key.
    HWND target = focusOrWindow();
    SendMessageW(target, WM_SYSKEYDOWN, 'C', keyData('C', false, false, true));
    SendMessageW(target, WM_SYSCHAR, L'c', keyData('C', false, false, true));
    settle();
    if (!ended_)
        SendMessageW(target, WM_SYSKEYUP, 'C', keyData('C', false, true, true));
}

} // namespace

int main()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    // Out of context: the events arrive as the driver delivers the window's
    // messages, as a screen reader's would.
    SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, &onLiveRegionChanged,
                    GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Win32Target target(GetModuleHandleW(nullptr));
    return scenario::run(stdin, stdout, target);
}
