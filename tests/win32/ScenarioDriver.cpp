// SPDX-License-Identifier: MIT
// lexidor-scenario.exe: runs the real Win32 window and drives its controls
// with real window messages (keys, characters, mouse buttons, activation),
// one command a line from standard input, printing the window's state as one
// JSON line after each command. Same commands and output as the Qt driver
// (tests/scenarios/README.md).

#include "StateLine.h"
#include "Utf8.h"
#include "Win32Window.h"

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using lexidor::Win32Window;

// --- Text -------------------------------------------------------------------

std::u16string utf16(std::string_view text)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::u16string windowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length =
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// --- Keys -------------------------------------------------------------------

// The virtual-key code a Spanish keyboard reports for a typed character, as
// the Qt driver has it: letters their capital's code, digits and space their
// own, the punctuation keys shared by all layouts, Ñ; anything else 0.
int keyForCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return static_cast<int>(c - U'a' + U'A');
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U' ')
        return static_cast<int>(c);
    switch (c) {
    case U'+':
        return 187;
    case U',':
        return 188;
    case U'-':
        return 189;
    case U'.':
        return 190;
    case U'ñ':
    case U'Ñ':
        return 192;
    default:
        return 0;
    }
}

// What a keyboard sends with each key: WM_KEYDOWN, the characters that
// TranslateMessage would make of it, WM_KEYUP.
struct Key {
    const char* name;
    int code;
    wchar_t character; // 0: none
    bool extended;
};

constexpr Key kBoxKeys[] = {
    {"Enter", VK_RETURN, L'\r', false}, {"Backspace", VK_BACK, L'\b', false},
    {"Shift", VK_SHIFT, 0, false},      {"Left", VK_LEFT, 0, true},
    {"Right", VK_RIGHT, 0, true},       {"Home", VK_HOME, 0, true},
    {"End", VK_END, 0, true},           {"Delete", VK_DELETE, 0, true},
    {"CapsLock", VK_CAPITAL, 0, false},
};

constexpr Key kListKeys[] = {
    {"Enter", VK_RETURN, L'\r', false}, {"Up", VK_UP, 0, true},   {"Down", VK_DOWN, 0, true},
    {"Home", VK_HOME, 0, true},         {"End", VK_END, 0, true},
};

template <std::size_t N> const Key* findKey(const Key (&keys)[N], std::string_view name)
{
    for (const Key& key : keys) {
        if (name == key.name)
            return &key;
    }
    return nullptr;
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

// --- Driver -----------------------------------------------------------------

class Driver {
public:
    explicit Driver(HINSTANCE instance) : instance_(instance) { start(); }

    // Runs one command line; false when the program has ended.
    bool run(const std::string& line, int lineNumber);

private:
    void start();
    void settle() const;
    void printState() const;
    [[noreturn]] void fail(const char* why, int lineNumber, const std::string& line) const;
    HWND control(const char* name) const { return window_->control(name); }

    void typeCharacter(std::u16string_view units, char32_t c);
    void pressKey(HWND target, const Key& key);
    void click(HWND target, int x, int y, bool twice);
    void scrollIntoView(HWND list, int row);
    void activateAnotherWindow();

    HINSTANCE instance_;
    std::unique_ptr<Win32Window> window_;
    bool ended_ = false;
};

void Driver::start()
{
    ended_ = false;
    window_ = std::make_unique<Win32Window>(instance_, [this] { ended_ = true; });
    if (!window_->handle()) {
        print(lexidor::scenario::errorLine(u"the window could not be created"));
        std::exit(2);
    }
    window_->showCentred(SW_SHOWNORMAL);
    SetForegroundWindow(window_->handle());
    settle();
    printState();
}

// Delivers everything that is waiting, as the program's message loop would.
// The characters of key presses are sent by the driver itself, so nothing is
// translated here.
void Driver::settle() const
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

void Driver::printState() const
{
    print(lexidor::scenario::stateLine({windowText(control("txtBuscar")), window_->selectedRow(),
                                        windowText(control("lblDescripcion")), window_->logic().indice(),
                                        window_->logic().longitud(), utf16(window_->nameOf(GetFocus()))}));
}

void Driver::fail(const char* why, int lineNumber, const std::string& line) const
{
    const std::string message = "line " + std::to_string(lineNumber) + ": " + why + ": " + line;
    print(lexidor::scenario::errorLine(utf16(message)));
    std::exit(2);
}

void Driver::typeCharacter(std::u16string_view units, char32_t c)
{
    HWND box = control("txtBuscar");
    const int code = keyForCharacter(c);
    SendMessageW(box, WM_KEYDOWN, static_cast<WPARAM>(code), keyData(code, false, false));
    for (const char16_t unit : units)
        SendMessageW(box, WM_CHAR, unit, keyData(code, false, false));
    settle();
    SendMessageW(box, WM_KEYUP, static_cast<WPARAM>(code), keyData(code, false, true));
    settle();
}

void Driver::pressKey(HWND target, const Key& key)
{
    SendMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key.code), keyData(key.code, key.extended, false));
    if (key.character)
        SendMessageW(target, WM_CHAR, key.character, keyData(key.code, key.extended, false));
    settle();
    if (!ended_)
        SendMessageW(target, WM_KEYUP, static_cast<WPARAM>(key.code), keyData(key.code, key.extended, true));
}

// A left click (press, release) at client point (x, y); `twice` makes it a
// double-click: the second press arrives as WM_LBUTTONDBLCLK.
void Driver::click(HWND target, int x, int y, bool twice)
{
    SendMessageW(target, WM_MOUSEMOVE, 0, point(x, y));
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, point(x, y));
    settle();
    SendMessageW(target, WM_LBUTTONUP, 0, point(x, y));
    settle();
    if (twice && !ended_) {
        SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, point(x, y));
        settle();
        SendMessageW(target, WM_LBUTTONUP, 0, point(x, y));
    }
}

// Scrolls the list as little as needed to show the whole row.
void Driver::scrollIntoView(HWND list, int row)
{
    RECT client{};
    GetClientRect(list, &client);
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (row < top) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        return;
    }
    for (int first = top; first <= row; ++first) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (item.bottom <= client.bottom)
            break;
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(first + 1), 0);
    }
}

// Another program's window takes the activation, then gives it back.
void Driver::activateAnotherWindow()
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
    settle();
}

std::optional<int> rowNumber(std::string_view text, int rows)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int row = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + (c - '0');
    }
    if (row >= rows)
        return std::nullopt;
    return row;
}

bool Driver::run(const std::string& line, int lineNumber)
{
    if (line.find_first_not_of(" \t\r\n\v\f") == std::string::npos || line[0] == '#')
        return true;

    const std::size_t space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : line.substr(space + 1);
    HWND box = control("txtBuscar");
    HWND list = control("lstLista");
    const int rows = window_->lstLista_ListCount();

    if (command == "type" && space != std::string::npos) {
        const std::u16string text = utf16(argument);
        for (std::size_t i = 0; i < text.size() && !ended_; ++i) {
            if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF) {
                const char32_t c = 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                typeCharacter(std::u16string_view(text).substr(i, 2), c);
                ++i;
            } else {
                typeCharacter(std::u16string_view(text).substr(i, 1), text[i]);
            }
        }
    } else if (command == "key" && findKey(kBoxKeys, argument)) {
        pressKey(box, *findKey(kBoxKeys, argument));
    } else if (command == "listkey" && findKey(kListKeys, argument)) {
        pressKey(list, *findKey(kListKeys, argument));
    } else if (line == "click box") {
        RECT client{};
        GetClientRect(box, &client);
        click(box, client.right - 4, client.bottom / 2, false);
    } else if (line == "click buscar") {
        HWND button = control("cmdBuscar");
        RECT client{};
        GetClientRect(button, &client);
        click(button, client.right / 2, client.bottom / 2, false);
    } else if ((command == "select" || command == "dblclick") && rowNumber(argument, rows)) {
        const int row = *rowNumber(argument, rows);
        scrollIntoView(list, row);
        settle();
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2, command == "dblclick");
    } else if (line == "tab") {
        // The press moves the focus on; the release reaches the control
        // that has the focus by then, as on a real keyboard.
        HWND focus = GetFocus() ? GetFocus() : window_->handle();
        SendMessageW(focus, WM_KEYDOWN, VK_TAB, keyData(VK_TAB, false, false));
        SendMessageW(focus, WM_CHAR, L'\t', keyData(VK_TAB, false, false));
        settle();
        focus = GetFocus() ? GetFocus() : window_->handle();
        SendMessageW(focus, WM_KEYUP, VK_TAB, keyData(VK_TAB, false, true));
    } else if (line == "activate") {
        activateAnotherWindow();
    } else if (line == "restart") {
        SendMessageW(window_->handle(), WM_CLOSE, 0, 0);
        settle();
        window_.reset();
        settle();
        start();
        return true;
    } else if (line == "alt+c" || line == "close") {
        if (line == "alt+c") {
            // Alt held, C pressed: the system turns the character into the
            // menu's access key.
            HWND target = GetFocus() ? GetFocus() : window_->handle();
            SendMessageW(target, WM_SYSKEYDOWN, 'C', keyData('C', false, false, true));
            SendMessageW(target, WM_SYSCHAR, L'c', keyData('C', false, false, true));
            settle();
            if (!ended_)
                SendMessageW(target, WM_SYSKEYUP, 'C', keyData('C', false, true, true));
        } else {
            SendMessageW(window_->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        settle();
        if (!ended_)
            fail("the program did not end", lineNumber, line);
        print("{\"ended\":true}\n");
        return false;
    } else {
        fail("cannot read", lineNumber, line);
    }

    settle();
    if (ended_) {
        print("{\"ended\":true}\n");
        return false;
    }
    printState();
    return true;
}

bool readLine(std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(stdin)) != EOF) {
        if (c == '\n')
            return true;
        line += static_cast<char>(c);
    }
    return !line.empty();
}

} // namespace

int main()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    Driver driver(GetModuleHandleW(nullptr));
    std::string line;
    int lineNumber = 0;
    while (readLine(line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!driver.run(line, lineNumber))
            return 0;
    }
    return 0;
}
