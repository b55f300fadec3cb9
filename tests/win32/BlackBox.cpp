// SPDX-License-Identifier: MIT
// lexidor-blackbox.exe: the shipped lexidor.exe driven from a second
// process, as a user drives it. Each row of the case table
// (tests/blackbox/cases.txt) starts the program afresh, types and clicks
// with SendInput (the system's own keyboard and mouse input, through the
// program's message loop), reads what the window shows with window messages
// (WM_GETTEXT, LB_GETCURSEL, LB_GETTOPINDEX) and the focus with
// GetGUIThreadInfo, and ends the program with Alt+C.
// Prints one line per failed check and "N passed, N failed"; exits 1 on a
// failure.
//
//   lexidor-blackbox.exe PROGRAM.exe CASES.txt

#include "Checks.h"
#include "Program.h"
#include "Utf8.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using lexidor::fromUtf8;
using lexidor::toUtf8;

using lexidor::test::check;
using lexidor::test::failed;
using lexidor::test::keyInput;
using lexidor::test::passed;
using lexidor::test::programWindow;

struct Seen {
    std::u16string text;
    int row, top;
    std::u16string definition, focus;
    bool operator==(const Seen&) const = default;
};

struct Case {
    std::string name;
    std::vector<std::string> steps;
    Seen want;
};

std::string trim(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> split(const std::string& s, char separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(trim(s.substr(from, at - from)));
    parts.push_back(trim(s.substr(from)));
    return parts;
}

std::vector<Case> readCases(const char* path)
{
    std::vector<Case> cases;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (trim(line).empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = split(line, '|');
        if (f.size() != 7) {
            check(false, "case table line", line);
            continue;
        }
        Case c{f[0], {}, {fromUtf8(f[2]), std::stoi(f[3]), std::stoi(f[4]), fromUtf8(f[5]), fromUtf8(f[6])}};
        for (const std::string& step : split(f[1], ';'))
            if (!step.empty())
                c.steps.push_back(step);
        cases.push_back(c);
    }
    return cases;
}

std::u16string textOf(HWND window)
{
    wchar_t buffer[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        &length);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

// The running program's window and controls, found as any other program
// finds them: by class and process, then the controls by class; the definition is the
// label that is not the prompt (and has a size: an announcer has none).
struct Window {
    DWORD process = 0, thread = 0;
    HWND frame = nullptr, box = nullptr, list = nullptr, button = nullptr, definition = nullptr;

    bool find()
    {
        frame = programWindow(process);
        thread = frame ? GetWindowThreadProcessId(frame, nullptr) : 0;
        if (!frame)
            return false;
        box = FindWindowExW(frame, nullptr, L"Edit", nullptr);
        list = FindWindowExW(frame, nullptr, L"ListBox", nullptr);
        button = FindWindowExW(frame, nullptr, L"Button", nullptr);
        for (HWND c = FindWindowExW(frame, nullptr, L"Static", nullptr); c;
             c = FindWindowExW(frame, c, L"Static", nullptr)) {
            RECT r{};
            GetClientRect(c, &r);
            if (r.right > 0 && textOf(c) != u"Escriba la palabra clave a buscar:")
                definition = c;
        }
        return box && list && button && definition;
    }

    Seen seen() const
    {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(thread, &gui);
        const std::u16string focus = gui.hwndFocus == box      ? u"txtBuscar"
                                     : gui.hwndFocus == list   ? u"lstLista"
                                     : gui.hwndFocus == button ? u"cmdBuscar"
                                                               : u"";
        return {textOf(box), static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)),
                static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)), textOf(definition), focus};
    }
};

// Sent, and a moment for the program to take it.
void send(std::vector<INPUT> inputs)
{
    lexidor::test::sendInputs(std::move(inputs));
    Sleep(30);
}

void press(WORD vk)
{
    send({keyInput(vk, false), keyInput(vk, true)});
}

// Each character as the key that makes it, with Shift when it needs it.
void typeText(const std::u16string& text)
{
    for (const char16_t c : text) {
        const SHORT made = VkKeyScanW(static_cast<wchar_t>(c));
        const WORD vk = LOBYTE(made);
        if (HIBYTE(made) & 1)
            send({keyInput(VK_SHIFT, false), keyInput(vk, false), keyInput(vk, true),
                  keyInput(VK_SHIFT, true)});
        else
            press(vk);
    }
}

void click(POINT at, int times)
{
    SetCursorPos(at.x, at.y);
    for (int i = 0; i < times; ++i) {
        INPUT down{};
        down.type = INPUT_MOUSE;
        down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        INPUT up = down;
        up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        send({down, up});
    }
}

POINT centreOf(HWND window, RECT r)
{
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(window, &p);
    return p;
}

void doStep(const Window& w, const std::string& step)
{
    const std::size_t space = step.find(' ');
    const std::string verb = step.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : step.substr(space + 1);
    if (verb == "type") {
        typeText(fromUtf8(argument));
    } else if (verb == "key" && (argument == "Return" || argument == "BackSpace")) {
        press(argument == "Return" ? VK_RETURN : VK_BACK);
    } else if (verb == "dblclick") {
        RECT row{};
        SendMessageW(w.list, LB_GETITEMRECT, std::stoul(argument), reinterpret_cast<LPARAM>(&row));
        click(centreOf(w.list, row), 2);
    } else if (step == "click Buscar") {
        RECT r{};
        GetClientRect(w.button, &r);
        click(centreOf(w.button, r), 1);
    } else {
        check(false, "step", step);
    }
}

// Until the window shows what is wanted, or five seconds have passed.
Seen settle(const Window& w, const Seen& want)
{
    for (int i = 0; i < 100; ++i) {
        if (w.seen() == want)
            break;
        Sleep(50);
    }
    return w.seen();
}

void run(const wchar_t* program, const Case& c)
{
    PROCESS_INFORMATION started{};
    if (!lexidor::test::startProgram(program, started)) {
        check(false, c.name + ": the program starts", std::to_string(GetLastError()));
        return;
    }
    WaitForInputIdle(started.hProcess, 10000);
    Window w;
    w.process = started.dwProcessId;
    for (int i = 0; i < 200 && !w.find(); ++i)
        Sleep(50);
    check(w.definition != nullptr, c.name + ": the window and its controls are there");
    if (w.definition) {
        SetForegroundWindow(w.frame);
        for (const std::string& step : c.steps)
            doStep(w, step);
        const Seen got = settle(w, c.want);
        check(got.text == c.want.text, c.name + ": text", toUtf8(got.text));
        check(got.row == c.want.row, c.name + ": row", std::to_string(got.row));
        check(got.top == c.want.top, c.name + ": top", std::to_string(got.top));
        check(got.definition == c.want.definition, c.name + ": definition", toUtf8(got.definition));
        check(got.focus == c.want.focus, c.name + ": focus", toUtf8(got.focus));

        send({keyInput(VK_MENU, false), keyInput('C', false), keyInput('C', true), keyInput(VK_MENU, true)});
    }
    DWORD status = 0;
    const bool ended = lexidor::test::waitForEnd(started, status);
    check(ended && status == 0, c.name + ": Alt+C ends the program",
          ended ? "status " + std::to_string(status) : "still running after 10 s");
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::printf("usage: lexidor-blackbox.exe PROGRAM.exe CASES.txt\n0 passed, 1 failed\n");
        return 1;
    }
    const std::string table = toUtf8(reinterpret_cast<const char16_t*>(argv[2]));
    const std::vector<Case> cases = readCases(table.c_str());
    check(!cases.empty(), "the case table has rows", table);
    for (const Case& c : cases)
        run(argv[1], c);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
