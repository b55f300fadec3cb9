// SPDX-License-Identifier: MIT
// lexidor-drive-host.exe PROGRAM.exe: the Windows side of `tests/drive
// windows` (tests/hosts/windows.py). A servant of one line in, one line out:
// it starts the shipped program as a second process, performs each command
// with the system's own input (SendInput, the program in the foreground) and
// reads what the window shows from outside: window messages to its controls,
// the focus from GetGUIThreadInfo, and what a screen reader is told from an
// out-of-context WinEvent hook. The program is not touched otherwise.
//
//   start           the program started afresh (a running one closed first)
//   stop            the running program closed
//   type TEXT       TEXT (UTF-8) typed into the search box
//   act COMMAND     one scenario command other than type and restart
//   state           {"text":...,"row":...,"top":...,"current":...,"caption":...,"focus":...,"said":...}
//
// Each answer is one line: "ok", "ended" (the program has ended), a state,
// or "error WHY". Waits are for conditions: after input, until the program
// has taken every key and button sent (its key state, shared with this
// thread by AttachThreadInput, shows each press and release), then one
// message round trip, so its handlers have run.

#include "FormDescription.h"
#include "Program.h"
#include "Utf8.h"

#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using lexidor::Control;
using lexidor::kFrmLexidor;
using lexidor::test::keyInput;

constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD kPatience = 5000;            // ms for any one wait

std::u16string textOf(HWND window)
{
    wchar_t buffer[2048] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                             kPatience, &length))
        length = 0;
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

int ask(HWND window, UINT msg, WPARAM w = 0, LPARAM l = 0)
{
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutW(window, msg, w, l, SMTO_NORMAL, kPatience, &result);
    return static_cast<int>(static_cast<LRESULT>(result));
}

// Everything queued for this thread: the hook's events.
void pumpOwn()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What a screen reader is told: the name of the object of each live-region
// change the program raises.
DWORD heardProcess = 0;
std::vector<std::u16string> heard;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    // Wine hands a hook the events of every process.
    DWORD process = 0;
    if (event != kLiveRegionChanged || !hwnd || !GetWindowThreadProcessId(hwnd, &process) ||
        process != heardProcess)
        return;
    heard.push_back(lexidor::test::eventObjectName(hwnd, object, child).value_or(u""));
}

// The program's key state, shared with this thread (GetKeyState would copy
// the system's state into it under Wine).
BYTE keyState(WORD vk)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    return keys[vk];
}

INPUT mouseInput(DWORD flags)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT unicodeInput(char16_t unit, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = unit;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

INPUT key(WORD vk, bool up, bool extended = false)
{
    INPUT in = keyInput(vk, up);
    if (extended)
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return in;
}

struct Button {
    WORD vk;
    DWORD down, up;
};
constexpr Button kLeft{VK_LBUTTON, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
constexpr Button kRight{VK_RBUTTON, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
constexpr Button kMiddle{VK_MBUTTON, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};

class Host {
public:
    explicit Host(std::wstring program) : program_(std::move(program)) {}

    std::string start();
    void stop();
    std::string state();
    std::string typeText(const std::u16string& text);
    std::string act(const std::string& command);

private:
    bool running() const
    {
        return started_.hProcess && WaitForSingleObject(started_.hProcess, 0) == WAIT_TIMEOUT;
    }
    std::string outcome();
    bool findControls();
    HWND focus() const;
    void roundTrip() const;
    bool send(const std::vector<INPUT>& inputs);
    bool press(WORD vk, bool extended = false);
    void focusOn(HWND control);
    template <typename F> void keysTo(HWND control, F keys);
    POINT screenPoint(HWND window, int x, int y) const;
    void click(POINT at, const Button& button, int times = 1);
    void closeMenu();
    void scrollIntoView(int row);
    POINT rowPoint(int row);
    void activate();
    void shareInput();
    void settle();
    std::string snapshot() const;
    HWND nonClient(LRESULT part, POINT from, int dx, int dy) const;

    std::wstring program_;
    PROCESS_INFORMATION started_{};
    DWORD thread_ = 0;
    bool attached_ = false;
    HWINEVENTHOOK hook_ = nullptr;
    HWND frame_ = nullptr, box_ = nullptr, list_ = nullptr, button_ = nullptr, definition_ = nullptr;
    // The last press, so that clicks meant apart do not join into a
    // double-click.
    DWORD lastPressTime_ = 0;
    POINT lastPressAt_{-1000, -1000};
    WORD lastPressButton_ = 0;
};

// The program has handled everything it was sent: one message sent to its
// window comes back only once its thread is taking messages again.
void Host::roundTrip() const
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(frame_, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
    pumpOwn();
}

// Sends the inputs one at a time and waits after each until the program
// has taken it, or has ended: a key or button it presses or releases shows
// down or up in the program's key state (shared with this thread, it
// changes as the program takes each message; Wine's toggled bits are no
// guide, it copies the system's into it now and then). Then one message
// round trip, so that the handlers have run. An input that changes no key
// state (the second half of a character of two units, a release of a key
// that is up) is followed by a wait until the window stays the same.
bool Host::send(const std::vector<INPUT>& inputs)
{
    shareInput();
    bool unseen = false;
    for (const INPUT& in : inputs) {
        WORD vk = 0;
        bool down = false;
        if (in.type == INPUT_KEYBOARD) {
            vk = (in.ki.dwFlags & KEYEVENTF_UNICODE) ? VK_PACKET : in.ki.wVk;
            down = !(in.ki.dwFlags & KEYEVENTF_KEYUP);
        }
        for (const Button& b : {kLeft, kRight, kMiddle}) {
            if (in.type == INPUT_MOUSE && (in.mi.dwFlags & (b.down | b.up))) {
                vk = b.vk;
                down = in.mi.dwFlags & b.down;
            }
        }
        const bool changes = vk && ((keyState(vk) & 0x80) != 0) != down;
        INPUT copy = in;
        SendInput(1, &copy, sizeof(INPUT));
        unseen = vk && !changes;
        const DWORD since = GetTickCount();
        while (changes && ((keyState(vk) & 0x80) != 0) != down && GetTickCount() - since < kPatience) {
            if (!running())
                return false;
            MsgWaitForMultipleObjects(1, &started_.hProcess, FALSE, 2, QS_ALLINPUT);
            pumpOwn();
        }
    }
    roundTrip();
    if (unseen)
        settle();
    return running();
}

// Until what the window shows has stayed the same for a while (at most
// the patience).
void Host::settle()
{
    std::string last = snapshot();
    const DWORD since = GetTickCount();
    for (DWORD same = GetTickCount();
         running() && GetTickCount() - same < 60 && GetTickCount() - since < kPatience;) {
        Sleep(10);
        roundTrip();
        const std::string now = snapshot();
        if (now != last) {
            last = now;
            same = GetTickCount();
        }
    }
}

bool Host::press(WORD vk, bool extended)
{
    return send({key(vk, false, extended), key(vk, true, extended)});
}

HWND Host::focus() const
{
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(thread_, &gui) ? gui.hwndFocus : nullptr;
}

// The keyboard focus moved as the program itself moves it (no click, so no
// Click event); this thread shares the program's input for it.
void Host::focusOn(HWND control)
{
    if (control && focus() != control) {
        shareInput();
        SetFocus(control);
        roundTrip();
    }
}

// Keys meant for one control reach it whatever has the focus: it gets the
// focus for them and the focus goes back after.
template <typename F> void Host::keysTo(HWND control, F keys)
{
    const HWND before = focus();
    focusOn(control);
    keys();
    if (running() && before && before != control && IsWindow(before))
        focusOn(before);
}

POINT Host::screenPoint(HWND window, int x, int y) const
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

// Presses and releases at `at`; two in a row make a double-click. A click
// that should stand alone waits out the double-click time of the last press
// there.
void Host::click(POINT at, const Button& button, int times)
{
    const DWORD wait = GetDoubleClickTime() + 50;
    if (button.vk == lastPressButton_ &&
        std::abs(at.x - lastPressAt_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - lastPressAt_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) &&
        GetTickCount() - lastPressTime_ < wait)
        Sleep(wait - (GetTickCount() - lastPressTime_));
    SetCursorPos(at.x, at.y);
    for (int i = 0; i < times && running(); ++i)
        send({mouseInput(button.down), mouseInput(button.up)});
    lastPressTime_ = GetTickCount();
    lastPressAt_ = at;
    lastPressButton_ = button.vk;
    if (button.vk == VK_RBUTTON)
        closeMenu();
}

// A context menu the program opened, closed as a user closes it: a click
// beside it, on the window's background, where no control is (Escape would
// be one more key released in the box).
void Host::closeMenu()
{
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (GetWindowThreadProcessId(menu, nullptr) == thread_ && IsWindowVisible(menu)) {
            const POINT background = screenPoint(frame_, 4, 4);
            SetCursorPos(background.x, background.y);
            send({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
            return;
        }
    }
}

// The first point from `from` on, in steps of (dx, dy), where the frame's
// non-client area is `part`.
HWND Host::nonClient(LRESULT part, POINT from, int dx, int dy) const
{
    for (int i = 0; i < 400; ++i) {
        const POINT p{from.x + i * dx, from.y + i * dy};
        if (ask(frame_, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == part) {
            SetCursorPos(p.x, p.y);
            return frame_;
        }
    }
    return nullptr;
}

// The list scrolled with its scroll bar's arrows, one row a click, until
// the whole row is in sight.
void Host::scrollIntoView(int row)
{
    RECT client{};
    GetClientRect(list_, &client);
    const POINT topLeft = screenPoint(list_, 0, 0);
    const POINT bottomRight = screenPoint(list_, client.right, client.bottom);
    const int x = bottomRight.x + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const POINT up{x, topLeft.y + GetSystemMetrics(SM_CYVSCROLL) / 2};
    const POINT down{x, bottomRight.y - GetSystemMetrics(SM_CYVSCROLL) / 2};
    for (int i = 0; i < 200 && running(); ++i) {
        RECT item{};
        ask(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        const POINT* arrow = item.top < 0 ? &up : item.bottom > client.bottom ? &down : nullptr;
        if (!arrow)
            break;
        // Each click moves the list one row, which the list shows at once.
        const int top = ask(list_, LB_GETTOPINDEX);
        SetCursorPos(arrow->x, arrow->y);
        INPUT clickInputs[] = {mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
        SendInput(2, clickInputs, sizeof(INPUT));
        const DWORD since = GetTickCount();
        while (ask(list_, LB_GETTOPINDEX) == top && running() && GetTickCount() - since < kPatience)
            MsgWaitForMultipleObjects(1, &started_.hProcess, FALSE, 1, QS_ALLINPUT);
    }
    roundTrip();
}

POINT Host::rowPoint(int row)
{
    scrollIntoView(row);
    RECT item{};
    ask(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return screenPoint(list_, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

// Another program's window: a window of a thread of its own, with input
// of its own, that takes the activation while `go` is not set.
struct Other {
    HANDLE shown = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;

    static DWORD WINAPI run(void* self)
    {
        auto& o = *static_cast<Other*>(self);
        o.window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(o.window);
        SetEvent(o.shown);
        while (MsgWaitForMultipleObjects(1, &o.go, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
            pumpOwn();
        DestroyWindow(o.window);
        return 0;
    }
};

// Another program takes the activation, then the program gets it back; each
// step waits for the program to see it.
void Host::activate()
{
    auto activeOfProgram = [this] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return GetGUIThreadInfo(thread_, &gui) ? gui.hwndActive : nullptr;
    };
    auto waitFor = [this](auto done) {
        const DWORD since = GetTickCount();
        while (!done() && running() && GetTickCount() - since < kPatience) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            pumpOwn();
        }
        roundTrip();
    };
    Other other;
    HANDLE thread = CreateThread(nullptr, 0, &Other::run, &other, 0, nullptr);
    WaitForSingleObject(other.shown, kPatience);
    waitFor([&] { return activeOfProgram() == nullptr; });
    SetForegroundWindow(frame_);
    waitFor([&] { return activeOfProgram() == frame_; });
    SetEvent(other.go);
    WaitForSingleObject(thread, kPatience);
    for (HANDLE h : {thread, other.shown, other.go})
        CloseHandle(h);
    roundTrip();
}

// This thread shares the program's input, so that it sees the program's
// key state and can move its focus.
void Host::shareInput()
{
    if (!attached_)
        attached_ = AttachThreadInput(GetCurrentThreadId(), thread_, TRUE) != FALSE;
}

// The window and its controls, found as any other program finds them: the
// window by class and process, the controls by class; the definition is
// the label that is not the prompt and has a size (the screen readers'
// announcer has none).
bool Host::findControls()
{
    frame_ = lexidor::test::programWindow(started_.dwProcessId);
    if (!frame_)
        return false;
    thread_ = GetWindowThreadProcessId(frame_, nullptr);
    box_ = FindWindowExW(frame_, nullptr, L"Edit", nullptr);
    list_ = FindWindowExW(frame_, nullptr, L"ListBox", nullptr);
    button_ = FindWindowExW(frame_, nullptr, L"Button", nullptr);
    definition_ = nullptr;
    const std::u16string prompt(kFrmLexidor[Control::lblBuscar].text);
    for (HWND c = FindWindowExW(frame_, nullptr, L"Static", nullptr); c;
         c = FindWindowExW(frame_, c, L"Static", nullptr)) {
        RECT r{};
        GetClientRect(c, &r);
        if (r.right > 0 && textOf(c) != prompt)
            definition_ = c;
    }
    return box_ && list_ && button_ && definition_;
}

std::string Host::start()
{
    stop();
    if (!lexidor::test::startProgram(program_, started_, CREATE_SUSPENDED))
        return "error the program does not start: error " + std::to_string(GetLastError());
    heardProcess = started_.dwProcessId;
    heard.clear();
    hook_ = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, &onEvent, started_.dwProcessId,
                            0, WINEVENT_OUTOFCONTEXT);
    ResumeThread(started_.hThread);
    WaitForInputIdle(started_.hProcess, 10000);
    const DWORD since = GetTickCount();
    while (!findControls() && running() && GetTickCount() - since < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        pumpOwn();
    }
    if (!definition_)
        return "error the window and its controls did not appear";
    SetForegroundWindow(frame_);
    // Shown and activated: Activate has put the focus into the box.
    const DWORD shown = GetTickCount();
    while (focus() != box_ && running() && GetTickCount() - shown < kPatience) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        pumpOwn();
    }
    roundTrip();
    shareInput();
    lastPressButton_ = 0;
    return "ok";
}

void Host::stop()
{
    if (!started_.hProcess)
        return;
    if (attached_)
        AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
    attached_ = false;
    if (running() && frame_)
        PostMessageW(frame_, WM_CLOSE, 0, 0);
    DWORD status = 0;
    lexidor::test::waitForEnd(started_, status);
    if (hook_)
        UnhookWinEvent(hook_);
    hook_ = nullptr;
    pumpOwn();
    started_ = {};
    frame_ = box_ = list_ = button_ = definition_ = nullptr;
}

// After a command: "ended" once the program has gone (a window that has
// closed, with its process on the way out), else "ok".
std::string Host::outcome()
{
    if (started_.hProcess && !IsWindow(frame_))
        WaitForSingleObject(started_.hProcess, kPatience);
    if (running())
        return "ok";
    // Ended as the program ends: at once, with status 0.
    DWORD status = 0;
    GetExitCodeProcess(started_.hProcess, &status);
    return status == 0 ? "ended" : "error the program ended with status " + std::to_string(status);
}

// What the window shows, in one line.
std::string Host::snapshot() const
{
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(thread_, &gui);
    char hwnd[32];
    std::snprintf(hwnd, sizeof hwnd, "%p", static_cast<void*>(gui.hwndFocus));
    const std::u16string text = textOf(box_) + u"|" + textOf(definition_);
    return lexidor::toUtf8(text) + "|" + std::to_string(ask(list_, LB_GETCURSEL)) + "|" +
           std::to_string(ask(list_, LB_GETTOPINDEX)) + "|" + hwnd;
}

std::string Host::state()
{
    if (!running())
        return "ended";
    pumpOwn();
    const HWND f = focus();
    const std::string_view focused = f == box_      ? kFrmLexidor[Control::txtBuscar].name
                                     : f == list_   ? kFrmLexidor[Control::lstLista].name
                                     : f == button_ ? kFrmLexidor[Control::cmdBuscar].name
                                                    : "";
    std::u16string said;
    for (const std::u16string& s : heard)
        said += (said.empty() ? u"" : u" ") + s;
    heard.clear();
    std::string line = "{\"text\":";
    line += lexidor::jsonString(textOf(box_));
    line += ",\"row\":" + std::to_string(ask(list_, LB_GETCURSEL));
    line += ",\"top\":" + std::to_string(ask(list_, LB_GETTOPINDEX));
    // The row a screen reader is told is current: the list box's focused
    // item, while it has the focus.
    line += ",\"current\":" + std::to_string(f == list_ ? ask(list_, LB_GETCARETINDEX) : -1);
    line += ",\"caption\":";
    line += lexidor::jsonString(textOf(definition_));
    line += ",\"focus\":\"" + std::string(focused) + "\",\"said\":";
    line += lexidor::jsonString(said);
    return line + "}";
}

// Each character as the key that makes it on this keyboard when no
// modifier is needed; any other (capitals, accented letters, characters
// beyond the keyboard) as one character of its own, as an on-screen
// keyboard or an input method sends it: never a Shift of its own, whose
// release would be one more key for the box.
std::string Host::typeText(const std::u16string& text)
{
    keysTo(box_, [&] {
        for (std::size_t i = 0; i < text.size() && running(); ++i) {
            const char16_t c = text[i];
            const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size();
            const SHORT made = pair ? -1 : VkKeyScanW(static_cast<wchar_t>(c));
            const bool capsChanges = (GetKeyState(VK_CAPITAL) & 1) && IsCharAlphaW(static_cast<wchar_t>(c));
            if (made != -1 && HIBYTE(made) == 0 && !capsChanges) {
                press(LOBYTE(made));
            } else if (pair) {
                send({unicodeInput(c, false), unicodeInput(text[i + 1], false), unicodeInput(c, true),
                      unicodeInput(text[i + 1], true)});
                ++i;
            } else {
                send({unicodeInput(c, false), unicodeInput(c, true)});
            }
        }
    });
    return outcome();
}

std::string Host::act(const std::string& command)
{
    const std::size_t space = command.find(' ');
    const std::string verb = command.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : command.substr(space + 1);
    RECT r{};
    GetClientRect(box_, &r);
    const POINT inBox = screenPoint(box_, r.right - 4, r.bottom / 2);

    struct Named {
        const char* name;
        WORD vk;
        bool extended;
    };
    static const Named boxKeys[] = {{"Enter", VK_RETURN, false},   {"KeypadEnter", VK_RETURN, true},
                                    {"Backspace", VK_BACK, false}, {"Shift", VK_SHIFT, false},
                                    {"Left", VK_LEFT, true},       {"Right", VK_RIGHT, true},
                                    {"Home", VK_HOME, true},       {"End", VK_END, true},
                                    {"Delete", VK_DELETE, true},   {"CapsLock", VK_CAPITAL, false}};
    static const Named listKeys[] = {{"Enter", VK_RETURN, false}, {"Space", VK_SPACE, false},
                                     {"Up", VK_UP, true},         {"Down", VK_DOWN, true},
                                     {"PageUp", VK_PRIOR, true},  {"PageDown", VK_NEXT, true},
                                     {"Home", VK_HOME, true},     {"End", VK_END, true}};

    if (verb == "key" || verb == "listkey") {
        const bool inList = verb == "listkey";
        Named which{"", 0, false};
        for (const Named& k : boxKeys)
            if (!inList && argument == k.name)
                which = k;
        for (const Named& k : listKeys)
            if (inList && argument == k.name)
                which = k;
        // A letter in the list: its key, without Shift.
        if (inList && argument.size() == 1 && argument[0] >= 'A' && argument[0] <= 'Z')
            which = {"", static_cast<WORD>(argument[0]), false};
        if (!which.vk)
            return "error unknown key: " + command;
        keysTo(inList ? list_ : box_, [&] { press(which.vk, which.extended); });
    } else if (command == "release Alt") {
        keysTo(box_, [&] { send({key(VK_MENU, true)}); });
    } else if (command == "click box") {
        click(inBox, kLeft);
    } else if (command == "rightclick box") {
        click(inBox, kRight);
    } else if (command == "middleclick box") {
        click(inBox, kMiddle);
    } else if (command == "dblclick box") {
        click(inBox, kLeft, 2);
    } else if (command == "drag box") {
        // Pressed where a click presses, released 20 pixels right of the box.
        click(inBox, {VK_LBUTTON, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MOVE});
        const POINT outside = screenPoint(box_, r.right + 20, r.bottom / 2);
        SetCursorPos(outside.x, outside.y);
        send({mouseInput(MOUSEEVENTF_LEFTUP)});
    } else if (command == "enter on Buscar") {
        focusOn(button_);
        press(VK_RETURN);
    } else if (command == "wheel down" || command == "wheel up") {
        // A notch of the wheel with the pointer over the list.
        RECT l{};
        GetClientRect(list_, &l);
        const POINT over = screenPoint(list_, l.right / 2, l.bottom / 2);
        SetCursorPos(over.x, over.y);
        INPUT wheel = mouseInput(MOUSEEVENTF_WHEEL);
        wheel.mi.mouseData = static_cast<DWORD>(command == "wheel down" ? -WHEEL_DELTA : WHEEL_DELTA);
        // The wheel is posted: until the list has moved, unless it was at
        // its end already.
        const int top = ask(list_, LB_GETTOPINDEX);
        const int last = ask(list_, LB_GETCOUNT) - l.bottom / std::max<int>(1, ask(list_, LB_GETITEMHEIGHT));
        const bool moves = command == "wheel down" ? top < last : top > 0;
        send({wheel});
        const DWORD since = GetTickCount();
        while (moves && ask(list_, LB_GETTOPINDEX) == top && running() && GetTickCount() - since < kPatience)
            MsgWaitForMultipleObjects(1, &started_.hProcess, FALSE, 1, QS_ALLINPUT);
    } else if (command == "click buscar") {
        RECT b{};
        GetClientRect(button_, &b);
        click(screenPoint(button_, b.right / 2, b.bottom / 2), kLeft);
    } else if (command != "dblclick below" &&
               (verb == "select" || verb == "rightclick" || verb == "dblclick")) {
        const int row = std::atoi(argument.c_str());
        const POINT at = rowPoint(row);
        click(at, verb == "rightclick" ? kRight : kLeft, verb == "dblclick" ? 2 : 1);
    } else if (command == "dblclick below") {
        const int last = ask(list_, LB_GETCOUNT) - 1;
        rowPoint(last);
        RECT item{};
        RECT client{};
        ask(list_, LB_GETITEMRECT, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&item));
        GetClientRect(list_, &client);
        click(screenPoint(list_, (item.left + item.right) / 2, (item.bottom + client.bottom) / 2 + 1), kLeft,
              2);
    } else if (command == "tab") {
        press(VK_TAB);
    } else if (command == "shift+tab" || command == "ctrl+tab") {
        const WORD held = command == "shift+tab" ? VK_SHIFT : VK_CONTROL;
        send({key(held, false), key(VK_TAB, false), key(VK_TAB, true), key(held, true)});
    } else if (command == "activate") {
        activate();
    } else if (command == "alt+c") {
        send({key(VK_MENU, false), key('C', false), key('C', true), key(VK_MENU, true)});
    } else if (command == "click cerrar") {
        // The menu bar lies between the caption and the client area; its
        // one item starts at its left end.
        const POINT client = screenPoint(frame_, 8, -1);
        if (!nonClient(HTMENU, client, 0, -1))
            return "error no menu bar above the client area";
        POINT at{};
        GetCursorPos(&at);
        at.y -= GetSystemMetrics(SM_CYMENU) / 2 - 1;
        click(at, kLeft);
    } else if (command == "close") {
        // The close control, found along the caption from its right end.
        RECT w{};
        GetWindowRect(frame_, &w);
        const int captionY = w.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
        if (!nonClient(HTCLOSE, {w.right - 1, captionY}, -1, 0))
            return "error no close control on the caption";
        POINT at{};
        GetCursorPos(&at);
        click({at.x - 4, at.y}, kLeft);
    } else {
        return "error unknown command: " + command;
    }
    return outcome();
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lexidor-drive-host.exe PROGRAM.exe\n");
        return 2;
    }
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Host host(argv[1]);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string answer;
        if (line == "start")
            answer = host.start();
        else if (line == "stop")
            (host.stop(), answer = "ok");
        else if (line == "state")
            answer = host.state();
        else if (line.rfind("type ", 0) == 0)
            answer = host.typeText(lexidor::fromUtf8(line.substr(5)));
        else if (line.rfind("act ", 0) == 0)
            answer = host.act(line.substr(4));
        else
            answer = "error cannot read: " + line;
        answer += '\n';
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fflush(stdout);
    }
    host.stop();
    return 0;
}
