// SPDX-License-Identifier: MIT
// lexidor-reader-test.exe LEXIDOR_EXE: what a Windows screen reader is told
// by the real program, seen as a screen reader sees it: from another process,
// through an out-of-context WinEvent hook, asking each event's object for its
// name (Active Accessibility). It starts the program, types into it as a
// user does (SendInput, with the program in front) and checks, row by row,
// the focus events and the live-region changes the program raised: the
// focus stays in the box while the list follows the typing; after a lookup
// the definition's object carries the definition, or, when nothing is found,
// an object carries "Término no encontrado.".
// Prints each row and each failed check, then "N passed, N failed"; exits 1
// on a failure.

#include "Catalogue.h"
#include "Checks.h"
#include "FrmLexidor.h"
#include "Program.h"
#include "Utf8.h"

#include <objbase.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace lexidor;

constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED

using lexidor::test::check;
using lexidor::test::failed;
using lexidor::test::passed;

std::string narrow(const wchar_t* text, std::size_t length)
{
    return toUtf8(std::u16string(text, text + length));
}

std::string className(HWND window)
{
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, 64);
    return narrow(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

// One event the program raised, with what its object says its name is.
struct Event {
    DWORD event;
    HWND hwnd;
    std::string kind; // the window's class: Edit, ListBox, Static, Button
    std::string name;
};

DWORD programId = 0;
std::vector<Event> events;

std::string accessibleName(HWND hwnd, LONG object, LONG child)
{
    const auto name = test::eventObjectName(hwnd, object, child);
    return name ? toUtf8(*name) : "(no object or no name)";
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (event != EVENT_OBJECT_FOCUS && event != kLiveRegionChanged)
        return;
    // Wine delivers the events of every process: only the program's count.
    DWORD process = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &process) || process != programId)
        return;
    events.push_back({event, hwnd, className(hwnd), accessibleName(hwnd, object, child)});
}

// Hands the hook its events until the program has been quiet for a while.
void pump(DWORD quietMs = 400, DWORD limitMs = 5000)
{
    const DWORD start = GetTickCount();
    std::size_t seen = events.size();
    DWORD lastChange = start;
    while (GetTickCount() - start < limitMs) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (events.size() != seen) {
            seen = events.size();
            lastChange = GetTickCount();
        } else if (GetTickCount() - lastChange >= quietMs) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void press(WORD key)
{
    lexidor::test::sendKey(key);
    pump(50, 500);
}

// Hands the hook its events until `done` (the row's last effect is seen),
// then a little longer, for anything raised with it.
bool pumpUntil(const std::function<bool()>& done, DWORD limitMs = 10000)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < limitMs)
        pump(20, 50);
    const bool seen = done();
    pump();
    return seen;
}

bool raised(DWORD event, const char* kind)
{
    for (const Event& e : events) {
        if (e.event == event && e.kind == kind)
            return true;
    }
    return false;
}

std::string focusedKind(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus)
        return "(none)";
    return className(info.hwndFocus);
}

std::string describe(const std::vector<Event>& list)
{
    std::string text;
    for (const Event& e : list) {
        text += text.empty() ? "" : " / ";
        text += (e.event == EVENT_OBJECT_FOCUS ? "focus " : "live region ") + e.kind + " \"" + e.name + "\"";
    }
    return text.empty() ? "nothing" : text;
}

std::string definitionOf(std::u16string_view term)
{
    for (const Entry& entry : kCatalogue) {
        if (entry.term == term)
            return toUtf8(entry.definition);
    }
    return "?";
}

struct Row {
    const char* name;
    std::vector<WORD> keys;
    const char* focusOn;    // the one focus event expected (a window class), or nullptr for none
    const char* focused;    // the class of the control that has the keyboard focus afterwards
    std::string liveRegion; // the name the one live-region change carries, or "" for none
    bool regionShowsIt;     // its control shows that text (the definition label)
    // The last effect of the keys, seen from outside: the program has
    // handled them all.
    std::function<bool()> done;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: lexidor-reader-test.exe LEXIDOR_EXE\n0 passed, 1 failed\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    PROCESS_INFORMATION program{};
    const std::u16string path = fromUtf8(argv[1]);
    if (!lexidor::test::startProgram(std::wstring(path.begin(), path.end()), program, CREATE_SUSPENDED)) {
        std::printf("FAIL the program starts: %s (error %lu)\n0 passed, 1 failed\n", argv[1],
                    static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    programId = program.dwProcessId;
    // Out of context, as screen readers listen: the events come to this
    // thread's message queue.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, kLiveRegionChanged, nullptr, &onEvent, programId,
                                         0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "WinEvent hook installed");
    ResumeThread(program.hThread);

    HWND window = nullptr;
    for (int i = 0; i < 100 && !window; ++i) {
        pump(50, 100);
        window = lexidor::test::programWindow(programId);
    }
    check(window != nullptr, "the program's window appeared");
    if (window) {
        SetForegroundWindow(window);
        WaitForInputIdle(program.hProcess, 5000);
        pump();
        check(focusedKind(window) == "Edit", "on start the keyboard focus is in the search box",
              focusedKind(window));

        HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
        auto selectedRow = [list] {
            DWORD_PTR row = static_cast<DWORD_PTR>(LB_ERR);
            SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_NORMAL, 1000, &row);
            return static_cast<int>(row);
        };
        auto liveRegionChanged = [] { return raised(kLiveRegionChanged, "Static"); };
        const std::string notFound = toUtf8(FrmLexidor::kNotFound);
        const std::string csn = definitionOf(u"CSN");
        // name, keys, the one focus event expected (or none), where the
        // keyboard focus is afterwards, the name of the one live-region
        // change expected (or none) and whether its control shows that text.
        const Row rows[] = {
            {"type csn: the list follows, the focus stays",
             {'C', 'S', 'N'},
             nullptr,
             "Edit",
             "",
             false,
             [&] { return selectedRow() == 13; }},
            {"Enter in the box", {VK_RETURN}, nullptr, "Edit", csn, true, liveRegionChanged},
            {"Backspace, Enter: nothing found",
             {VK_BACK, VK_RETURN},
             nullptr,
             "Edit",
             notFound,
             false,
             liveRegionChanged},
            {"n again, Tab into the list",
             {'N', VK_TAB},
             "ListBox",
             "ListBox",
             "",
             false,
             [] { return raised(EVENT_OBJECT_FOCUS, "ListBox"); }},
            {"Enter in the list: the same definition again",
             {VK_RETURN},
             nullptr,
             "ListBox",
             csn,
             true,
             liveRegionChanged},
        };
        for (const Row& row : rows) {
            events.clear();
            for (WORD key : row.keys)
                press(key);
            check(pumpUntil(row.done), std::string(row.name) + ": the program answered the keys in time");
            std::printf("%s | %s\n", row.name, describe(events).c_str());
            std::vector<Event> focus;
            std::vector<Event> live;
            for (const Event& e : events)
                (e.event == EVENT_OBJECT_FOCUS ? focus : live).push_back(e);
            const std::string name = row.name;
            if (row.focusOn)
                check(focus.size() == 1 && focus[0].kind == row.focusOn,
                      name + ": one focus event, on the " + row.focusOn, describe(focus));
            else
                check(focus.empty(), name + ": no focus event", describe(focus));
            check(focusedKind(window) == row.focused, name + ": the keyboard focus is in the " + row.focused,
                  focusedKind(window));
            if (row.liveRegion.empty()) {
                check(live.empty(), name + ": no live-region change", describe(live));
                continue;
            }
            const bool one = live.size() == 1;
            check(one && live[0].name == row.liveRegion && live[0].kind == "Static",
                  name + ": one live-region change, its object named \"" + row.liveRegion + "\"",
                  describe(live));
            if (one) {
                wchar_t shown[512] = {};
                const int length = GetWindowTextW(live[0].hwnd, shown, 512);
                RECT r{};
                GetClientRect(live[0].hwnd, &r);
                const bool shows = narrow(shown, static_cast<std::size_t>(length)) == row.liveRegion &&
                                   r.right > 0 && r.bottom > 0;
                check(shows == row.regionShowsIt,
                      name + (row.regionShowsIt ? ": the region is the label showing it"
                                                : ": the region shows nothing (the window does not change)"));
            }
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    DWORD status = 0;
    check(lexidor::test::waitForEnd(program, status), "the program ends when its window is closed");
    if (hook)
        UnhookWinEvent(hook);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
